#include "receipts/imprimir_recibo_dlg.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "settings/ajustes.h"
#include "widgets/aviso_dlg.h"
#include "receipts/impresion_recibo.h"
#include "receipts/llenar_recibo.h"
#include "receipts/trabajo_impresion.h"
#include "util/errores.h"

bool ImprimirRecibo(QWidget* parent, CImpresionRecibo& recibo, QPrinter* impresora)
{
    std::unique_ptr<QPrinter> propia;
    if (!impresora) {
        propia = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impresora = propia.get();
    }
    QPrintDialog dialogo(impresora, parent);
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialogo.exec() != QDialog::Accepted)
        return false;

    if (impresora->colorMode() == QPrinter::GrayScale) {
        recibo.en_color = 0;
        CAvisoDlg(parent, Aviso::ImpresionReciboColor).Mostrar();
    } else {
        recibo.en_color = 1;
    }
    impresora->setDocName(QStringLiteral("Rentiva: Imprimiendo Recibo"));
    try {
        ImprimirRecibos(*impresora, {recibo}, recibo.en_color == 1);
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, QStringLiteral("Imprimir recibo"), TextoError(e));
        return false;
    }
    return true;
}

bool ImprimirReciboInmueble(QWidget* parent, Database& db, qint64 ref_inmueble,
                            const QDate& fecha, int modelo, QPrinter* impresora)
{
    try {
        CImpresionRecibo recibo = ReciboDeInmueble(db, ref_inmueble, fecha, modelo, LeerAjustesRecibo());
        CAvisoDlg(parent, Aviso::RecibosGenerar).Mostrar();
        return ImprimirRecibo(parent, recibo, impresora);
    } catch (const std::exception& e) {
        QMessageBox::warning(parent, QStringLiteral("Recibo Físico"), TextoError(e));
        return false;
    }
}
