#include <QApplication>

#include "app/ajustes.h"
#include "app/bienvenida_dlg.h"
#include "app/copia_unica.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rentiva"));

    // A second copy for the same user ends at once: no message, no window.
    CopiaUnica copia;
    if (!copia.Adquirir())
        return 0;

    // First start for this user: the receipt colour defaults.
    if (LeerEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 0) != 1) {
        EscribirEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 1);
        if (LeerTexto(ajustes::kRecibo, ajustes::kColor).isEmpty())
            EscribirTexto(ajustes::kRecibo, ajustes::kColor, QStringLiteral("AZUL"));
        if (LeerTexto(ajustes::kRecibo, ajustes::kFondo).isEmpty())
            EscribirTexto(ajustes::kRecibo, ajustes::kFondo, QStringLiteral("SOLIDO"));
        CBienvenidaDlg().exec();
        MostrarParaComenzar(nullptr);
    }

    CMainFrame frame;
    frame.show();
    return app.exec();
}
