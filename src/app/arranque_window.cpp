#include "app/arranque_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "settings/ajustes.h"
#include "app/bienvenida_dlg.h"
#include "app/documento.h"
#include "app/documento_window.h"
#include "app/main_window.h"

namespace {

void PrimerInicio()
{
    if (LeerEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 0) == 1)
        return;
    EscribirEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 1);
    if (LeerTexto(ajustes::kRecibo, ajustes::kColor).isEmpty())
        EscribirTexto(ajustes::kRecibo, ajustes::kColor, QStringLiteral("AZUL"));
    if (LeerTexto(ajustes::kRecibo, ajustes::kFondo).isEmpty())
        EscribirTexto(ajustes::kRecibo, ajustes::kFondo, QStringLiteral("SOLIDO"));
    CBienvenidaDlg().exec();
    MostrarParaComenzar(nullptr);
}

}  // namespace

// The program has no options, so a name such as "-reverse" is a file; "--" may precede it.
QString ArchivoDeLaLineaDeOrdenes(const QStringList& argumentos)
{
    for (const QString& a : argumentos.mid(1))
        if (a != QLatin1String("--"))
            return QFileInfo(a).absoluteFilePath();
    return QString();
}

void AtenderSegundoInicio(CRentivaDoc& doc, QWidget& ventana, const QString& ruta)
{
    QWidget* delante = QApplication::activeModalWidget();
    if (ventana.isMinimized())
        ventana.showNormal();
    ventana.raise();
    ventana.activateWindow();
    if (delante) {
        delante->raise();
        delante->activateWindow();
    }
    if (ruta.isEmpty())
        return;
    if (delante) {
        QMessageBox::information(delante, QStringLiteral("Rentiva"),
                                 QStringLiteral("Para abrir %1, cierre antes la ventana que tiene abierta en "
                                                "Rentiva y vuelva a abrir el archivo.").arg(ruta));
        return;
    }
    doc.AbrirBase(ruta);
}

bool ArrancarPrograma(CRentivaDoc& doc, CMainFrame& frame, DialogosDocumentoVentana& dialogos,
                      const QStringList& argumentos)
{
    PrimerInicio();
    doc.PonerDialogos(&dialogos);

    const QString archivo = ArchivoDeLaLineaDeOrdenes(argumentos);
    if (!archivo.isEmpty() && !doc.AbrirBase(archivo))
        return false;

    dialogos.PonerPadre(&frame);
    frame.show();
    if (!archivo.isEmpty())
        EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, archivo);
    frame.setWindowTitle(doc.EstaAbierta() ? doc.Titulo() : CRentivaDoc::kTituloSinBase);

    if (!doc.EstaAbierta()) {
        doc.AbrirUltimo();
        if (!doc.Titulo().isEmpty())
            frame.setWindowTitle(doc.Titulo());
    }
    return true;
}
