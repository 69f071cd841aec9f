// Saves a picture of the main window with a workspace open, for the README:
//   cmake --build build --target captura && build/captura FICHERO.rtv SALIDA.png
// Runs on any Qt platform (offscreen or under xvfb-run); settings go to a throwaway file.
#include <QApplication>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "app/documento.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    QTemporaryDir ajustes;
    qputenv("RENTIVA_SETTINGS", ajustes.filePath(QStringLiteral("rentiva.conf")).toUtf8());
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fputs("uso: captura FICHERO.rtv SALIDA.png\n", stderr);
        return 2;
    }
    CLar_0011Doc doc;
    CMainFrame frame(doc);
    if (!doc.AbrirBase(args[1])) {
        std::fprintf(stderr, "%s\n", qPrintable(doc.Mensajes().join(u'\n')));
        return 1;
    }
    frame.show();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(50);
    }
    return frame.grab().save(args[2]) ? 0 : 1;
}
