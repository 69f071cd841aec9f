#include <QApplication>
#include <QFile>

#include "app/arranque_window.h"
#include "app/copia_unica.h"
#include "app/documento.h"
#include "app/documento_window.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    // Qt sees only the program's name: a workspace named "-reverse" or "-style" is a file.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QFile::decodeName(argv[i]);
    QApplication::setApplicationName(QStringLiteral("Rentiva"));

    // A second copy for the same user ends at once: no message, no window.
    CopiaUnica copia;
    if (!copia.Adquirir())
        return 0;

    CRentivaDoc doc;
    DialogosDocumentoVentana dialogos;
    CMainFrame frame(doc);
    if (!ArrancarPrograma(doc, frame, dialogos, argumentos))
        return 1;

    const int rc = app.exec();
    doc.EjecutarPasoDeSalida();
    return rc;
}
