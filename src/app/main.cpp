#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

#include "app/actualizacion_programa.h"
#include "app/arranque_window.h"
#include "app/copia_unica.h"
#include "app/documento.h"
#include "app/documento_window.h"
#include "app/main_window.h"
#include "app/traducciones.h"

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("rentiva %s\n", RENTIVA_VERSION);
        return 0;
    }
    // Qt sees only the program's name: a workspace named "-reverse" or "-style" is a file.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QFile::decodeName(argv[i]);
    QApplication::setApplicationName(QStringLiteral("Rentiva"));
    QApplication::setApplicationVersion(QStringLiteral(RENTIVA_VERSION));
    Q_INIT_RESOURCE(resources);  // resources.qrc lives in a static library: link it in
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/rentiva.png")));
    // Wayland shows the icon of the installed rentiva.desktop, not the one set above.
    QApplication::setDesktopFileName(QStringLiteral("rentiva"));
    InstalarTraducciones();

    // A second copy for the same user hands its file to the running one and ends.
    CopiaUnica copia;
    if (!copia.Adquirir()) {
        if (copia.Entregar(ArchivoDeLaLineaDeOrdenes(argumentos)))
            return 0;
        QMessageBox::warning(nullptr, QStringLiteral("Rentiva"),
                             QStringLiteral("Rentiva ya está en marcha pero no responde. Ciérrelo (o "
                                            "reinicie la sesión) y vuelva a abrir el programa."));
        return 1;
    }

    CRentivaDoc doc;
    DialogosDocumentoVentana dialogos;
    CMainFrame frame(doc);
    // Listening before start-up: a later start during the welcome or a question still answers.
    copia.Escuchar([&](const QString& ruta) { AtenderSegundoInicio(doc, frame, ruta); });
    if (!ArrancarPrograma(doc, frame, dialogos, argumentos))
        return 1;

#if RENTIVA_AUTOACTUALIZACION
    QObject::connect(&doc, &CRentivaDoc::ComprobarActualizaciones, &ComprobarAlSalir);
#endif

    const int rc = app.exec();
    doc.EjecutarPasoDeSalida();
    return rc;
}
