#include <QApplication>
#include <QFileInfo>

#include "app/ajustes.h"
#include "app/bienvenida_dlg.h"
#include "app/copia_unica.h"
#include "app/documento.h"
#include "app/documento_window.h"
#include "app/main_window.h"

namespace {

// The one argument the program takes: the workspace to open (the file manager passes it).
QString ArchivoDeLaLineaDeOrdenes(const QStringList& argumentos)
{
    for (const QString& a : argumentos.mid(1))
        if (!a.startsWith(u'-'))
            return QFileInfo(a).absoluteFilePath();
    return QString();
}

}  // namespace

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

    CLar_0011Doc doc;
    DialogosDocumentoVentana dialogos;
    doc.PonerDialogos(&dialogos);
    CMainFrame frame(doc);

    // A named workspace that does not open has been reported by the document: end here.
    const QString archivo = ArchivoDeLaLineaDeOrdenes(QApplication::arguments());
    if (!archivo.isEmpty() && !doc.AbrirBase(archivo))
        return 1;

    dialogos.PonerPadre(&frame);
    frame.show();

    if (!archivo.isEmpty())
        EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, archivo);
    frame.setWindowTitle(doc.EstaAbierta() ? doc.Titulo() : CLar_0011Doc::kTituloSinBase);

    if (!doc.EstaAbierta()) {
        doc.AbrirUltimo();
        if (!doc.Titulo().isEmpty())
            frame.setWindowTitle(doc.Titulo());
    }

    const int rc = app.exec();
    doc.EjecutarPasoDeSalida();
    return rc;
}
