#include "billing/facturar_inmueble_dlg.h"

#include <QMessageBox>

#include "widgets/aviso_dlg.h"
#include "widgets/mes_dlg.h"
#include "billing/facturacion.h"
#include "billing/modificar_recibo_dlg.h"
#include "util/errores.h"

qint64 FacturarInmuebleConDialogo(QWidget* parent, Database& db, qint64 refInmueble)
{
    const QString titulo = QStringLiteral("Facturar");
    qint64 ref = 0;
    try {
        Facturacion f(db);
        f.ComprobarImportes(refInmueble);
        CAvisoDlg(parent, Aviso::RecibosFacturacionIndividual).Mostrar();
        CMesDlg mes(parent);
        if (mes.exec() != QDialog::Accepted)
            return 0;
        ref = f.FacturarInmueble(refInmueble, mes.Fecha());
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, titulo, TextoError(e));
        return 0;
    }
    // The receipt is stored; the form only corrects it.
    EditarRecibo(parent, db, ref);
    return ref;
}
