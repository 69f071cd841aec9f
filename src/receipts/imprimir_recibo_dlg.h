#pragma once
#include <QDate>

class CImpresionRecibo;
class Database;
class QPrinter;
class QWidget;

// Prints one receipt record on one page: the print dialog comes first and cancelling it
// prints nothing. A printer set to grey gives the grey receipt and the colour notice.
// The layout is the record's `modelo_impresion` (2 invoice, otherwise receipt band).
// `impresora` lets a caller supply the printer to set up (tests print to a PDF file).
// True when the page was printed.
bool ImprimirRecibo(QWidget* parent, CImpresionRecibo& recibo, QPrinter* impresora = nullptr);

// The property form's "Recibo Fisico": the property `ref_inmueble` as a receipt dated
// `fecha`, without storing anything; `modelo` 1 "Recibo Normal", 2 "Recibo Tamaño Folio".
// Tells the user when the property or its owner is missing and prints nothing then.
bool ImprimirReciboInmueble(QWidget* parent, Database& db, qint64 ref_inmueble,
                            const QDate& fecha, int modelo, QPrinter* impresora = nullptr);
