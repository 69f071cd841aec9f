#pragma once
#include <QDate>
#include <vector>
#include "receipts/impresion_recibo.h"

class Database;
class QPagedPaintDevice;

// Every receipt of the billed month of `mes`, in property order, ready to draw with `ajustes`.
std::vector<CImpresionRecibo> RecibosDelMes(Database& db, const QDate& mes, bool factura,
                                            const AjustesRecibo& ajustes);

// Draws each record on its own page of `dispositivo` (a printer or a PDF writer), as a receipt
// band or as a full-page invoice by each record's `modelo_impresion`.
void ImprimirRecibos(QPagedPaintDevice& dispositivo, const std::vector<CImpresionRecibo>& recibos,
                     bool enColor);

// The receipts of the billed month of `mes` to a PDF file, one per page (A4, 300 dpi).
// Refuses a month without receipts. Returns how many pages were written.
int RecibosMesAPdf(Database& db, const QDate& mes, const QString& ruta, bool factura, bool enColor,
                   const AjustesRecibo& ajustes);
