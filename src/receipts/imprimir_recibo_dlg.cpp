#include "receipts/imprimir_recibo_dlg.h"

#include <QMessageBox>
#include <QPrinter>
#include <memory>

#include "receipts/impresion_recibo.h"
#include "receipts/llenar_recibo.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "widgets/aviso_dlg.h"
#include "widgets/impresora_dlg.h"

namespace {

const QString kImpresionRecibos = QStringLiteral("Impresión recibos");

// Shows the print dialog on the caller's printer or on one of its own, then prints the
// records built by `recibos` (called after the dialog, so that the colour is known).
// `color`: -1 checks the printer's colour mode, 0 or 1 forces it.
bool Imprimir(QWidget* parent, QPrinter* impresora, const QString& documento, int color,
              const QString& titulo, const std::vector<CImpresionRecibo>& recibos,
              CImpresionRecibo* unico = nullptr)
{
    std::unique_ptr<QPrinter> propia;
    impresora = ElegirImpresora(parent, impresora, propia);
    if (!impresora)
        return false;
    const int enColor = color < 0 ? ComprobarColor(parent, *impresora) : color;
    if (unico)
        unico->en_color = enColor;
    impresora->setDocName(documento);
    try {
        ImprimirRecibos(*impresora, recibos, enColor == 1);
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, titulo, TextoError(e));
        return false;
    }
    return true;
}

}  // namespace

bool ImprimirRecibo(QWidget* parent, CImpresionRecibo& recibo, QPrinter* impresora)
{
    return Imprimir(parent, impresora, QStringLiteral("Rentiva: Imprimiendo Recibo"), -1,
                    QStringLiteral("Imprimir recibo"), {recibo}, &recibo);
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

bool ImprimirRecibosSeleccionados(QWidget* parent, Database& db, VarianteImpresion variante,
                                  const QDate& fechaFacturacion, QPrinter* impresora)
{
    std::vector<CImpresionRecibo> recibos;
    try {
        recibos = RecibosParaImprimir(db, variante, fechaFacturacion, LeerAjustesRecibo());
    } catch (const std::exception& e) {
        QMessageBox::warning(parent, kImpresionRecibos, TextoError(e));
        return false;
    }
    if (recibos.empty())
        return false;   // the review has nothing left: no message
    return Imprimir(parent, impresora, kImpresionRecibos, -1, kImpresionRecibos, recibos);
}

bool ImprimirFacturasSeleccion(QWidget* parent, Database& db, const QList<qint64>& refs,
                               QPrinter* impresora)
{
    const QString titulo = QStringLiteral("Imprimir Factura Tamaño Folio");
    std::vector<CImpresionRecibo> facturas;
    try {
        facturas = RecibosEmision(db, true, LeerAjustesRecibo(), QDate(), refs);
    } catch (const std::exception& e) {
        QMessageBox::warning(parent, titulo, TextoError(e));
        return false;
    }
    if (facturas.empty()) {
        QMessageBox::information(parent, titulo,
                                 QStringLiteral("No hay ningún recibo marcado con \"Si\": no se imprime "
                                                "ninguna factura. Marque los recibos que quiere imprimir."));
        return false;
    }
    return Imprimir(parent, impresora, kImpresionRecibos, 1, titulo, facturas);
}
