#include "bank/fichero_sepa_dlg.h"

#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QPainter>

#include "bank/copias_informe_dlg.h"
#include "bank/fichero_sepa.h"
#include "bank/remesa_sepa.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "reports/imprimir_informe_dlg.h"
#include "util/errores.h"
#include "widgets/campos_dlg.h"

bool EjecutarFicheroSepa(QWidget* parent, Database& db, const QString& propietario, const QDate& mes,
                         const QDate& cargo, const std::function<bool()>& seleccionar)
{
    const QString titulo = TituloFicheroSepa();
    std::unique_ptr<CFicheroSepa> fichero;
    try {
        const AcreedorSepa acreedor = BuscarAcreedorSepa(db, propietario);
        PrepararEmisionSepa(db, mes, acreedor.nombre);
        if (seleccionar && !seleccionar())
            return false;
        std::vector<DebitoSepa> debitos = DebitosSepaEmision(db, acreedor.nombre);
        fichero = std::make_unique<CFicheroSepa>(acreedor, std::move(debitos),
                                                 QDateTime::currentDateTime(), cargo);
    } catch (const std::exception& e) {
        // Each receipt that failed is on its own line: the user corrects them and tries again.
        QMessageBox::warning(parent, titulo, TextoError(e));
        return false;
    }

    const QString ruta = RutaGuardar(parent, titulo, CFicheroSepa::NombreFicheroPropuesto(propietario, mes),
                                     QStringLiteral("Adeudos SEPA (*.xml)"), QStringLiteral("xml"));
    if (ruta.isEmpty())
        return false;
    try {
        ComprobarSalidas({db.path()}, {ruta});
        fichero->Generar(ruta);
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, titulo, TextoError(e) + QStringLiteral("\n\nError al generar el fichero"));
        return false;
    }
    try {
        MarcarEnviadosSepa(db, fichero->Debitos(), cargo);
    } catch (const std::exception& e) {
        // A file whose receipts are not marked would be sent twice: it goes.
        QFile::remove(ruta);
        QMessageBox::critical(parent, titulo,
                              QStringLiteral("Los recibos no se han podido marcar como enviados al cobro, así "
                                             "que el fichero %1 se ha borrado: %2\n\nVuelva a intentarlo.")
                                  .arg(ruta, TextoError(e)));
        return false;
    }
    CCopiasInformeDlg copias(parent);
    if (copias.exec() == QDialog::Accepted && copias.Copias() > 0) {
        const DatosListadoRemesa datos = fichero->DatosListado();
        ImprimirCopias(parent, TituloDocumentoListadoRemesa(), copias.Copias(),
                       [&datos](QPainter& p, QPagedPaintDevice& d) { DibujarListadoRemesa(p, d, datos); });
    }
    return true;
}
