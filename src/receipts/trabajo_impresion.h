#pragma once
#include <QDate>
#include <vector>
#include "receipts/impresion_recibo.h"

class Database;
class QPagedPaintDevice;
class QPainter;

// Every receipt of the billed month of `mes`, in property order, ready to draw with `ajustes`.
std::vector<CImpresionRecibo> RecibosDelMes(Database& db, const QDate& mes, bool factura,
                                            const AjustesRecibo& ajustes);

// Draws each record on its own page of `dispositivo` (a printer or a PDF writer), as a receipt
// band or as a full-page invoice by each record's `modelo_impresion`.
void ImprimirRecibos(QPagedPaintDevice& dispositivo, const std::vector<CImpresionRecibo>& recibos,
                     bool enColor);
// The same on a painter already begun on `dispositivo`.
void ImprimirRecibos(QPainter& p, QPagedPaintDevice& dispositivo,
                     const std::vector<CImpresionRecibo>& recibos, bool enColor);

// The receipts of the billed month of `mes` to a PDF file, one per page (A4, 300 dpi),
// written whole or not at all. Refuses a month without receipts and an output that is the
// workspace or one of its side files. Returns how many pages were written.
int RecibosMesAPdf(Database& db, const QDate& mes, const QString& ruta, bool factura, bool enColor,
                   const AjustesRecibo& ajustes);
