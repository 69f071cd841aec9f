#pragma once
#include <QDate>
#include <QList>

#include "receipts/trabajo_impresion.h"

class CImpresionRecibo;
class Database;
class QPrinter;
class QWidget;

// The print jobs of receipts. Each shows the print dialog first (cancelling prints nothing);
// `impresora` lets a caller supply the printer to set up (tests print to a PDF file).
// Problems are shown over `parent`. True when pages were printed.

// One receipt record on one page, in the layout of its `modelo_impresion` (2 invoice,
// otherwise receipt band). A printer set to grey gives the grey receipt and the colour notice.
bool ImprimirRecibo(QWidget* parent, CImpresionRecibo& recibo, QPrinter* impresora = nullptr);

// The property form's "Recibo Fisico": the property `ref_inmueble` as a receipt dated
// `fecha`, without storing anything; `modelo` 1 "Recibo Normal", 2 "Recibo Tamaño Folio".
// Tells the user when the property or its owner is missing and prints nothing then.
bool ImprimirReciboInmueble(QWidget* parent, Database& db, qint64 ref_inmueble,
                            const QDate& fecha, int modelo, QPrinter* impresora = nullptr);

// The staged receipts job, after the selection form was confirmed and the staging thinned:
// one receipt band per staged row (see RecibosParaImprimir), with the colour check.
bool ImprimirRecibosSeleccionados(QWidget* parent, Database& db, VarianteImpresion variante,
                                  const QDate& fechaFacturacion, QPrinter* impresora = nullptr);

// "Imprimir Factura Tamaño Folio": one full-page invoice per staged receipt of `refs` (the
// rows at "Si" on the form), always in colour. Nothing at "Si" prints nothing.
bool ImprimirFacturasSeleccion(QWidget* parent, Database& db, const QList<qint64>& refs,
                               QPrinter* impresora = nullptr);
