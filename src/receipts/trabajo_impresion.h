#pragma once
#include <QDate>
#include <QList>
#include <optional>
#include <vector>
#include "receipts/impresion_recibo.h"

class Database;
class QPagedPaintDevice;

// Every receipt of the billed month of `mes`, in property order, ready to draw with `ajustes`.
std::vector<CImpresionRecibo> RecibosDelMes(Database& db, const QDate& mes, bool factura,
                                            const AjustesRecibo& ajustes);

// The staged receipts (emision_recibo) in staged order, as receipt bands or as invoices
// (`factura`); only those whose ref is in `refs` when given. A valid `fechaEmision` is the
// issue date of every receipt band (the paper job's billing date); otherwise each row's own
// billing date. Every owner is checked before anything is returned: a missing one refuses
// the whole job with "propietario erroneo no encontrado = " and its name.
std::vector<CImpresionRecibo> RecibosEmision(Database& db, bool factura, const AjustesRecibo& ajustes,
                                             const QDate& fechaEmision = QDate(),
                                             const std::optional<QList<qint64>>& refs = std::nullopt);

// Who runs the staged receipts job after the selection form was confirmed.
enum class VarianteImpresion {
    PapelTodos,          // paper receipts of every owner
    PapelPropietario,    // paper receipts of one owner
    Revision,            // review of a billing run
};

// What the staged receipts job prints: every staged row as a receipt band, dated
// `fechaFacturacion` in the paper variants and by its own billing date in the review.
// An empty staging gives "Para este mes no existen recibos o facturas emitidas" (all
// owners) or "Para este mes y propietario no existen recibos o facturas emitidas" (one
// owner) as a UserError; the review gets an empty list and says nothing.
std::vector<CImpresionRecibo> RecibosParaImprimir(Database& db, VarianteImpresion variante,
                                                  const QDate& fechaFacturacion,
                                                  const AjustesRecibo& ajustes);

// Draws each record on its own page of `dispositivo` (a printer or a PDF writer), as a receipt
// band or as a full-page invoice by each record's `modelo_impresion`. Returns the pages
// printed. When the device fails midway the document is ended and a UserError says how many
// receipts were printed.
int ImprimirRecibos(QPagedPaintDevice& dispositivo, const std::vector<CImpresionRecibo>& recibos,
                    bool enColor);

// The records to a PDF file, one per page (A4, 300 dpi), written whole or not at all.
// Refuses an empty list: a PDF is never a blank page.
int RecibosAPdf(const std::vector<CImpresionRecibo>& recibos, const QString& ruta, const QString& titulo,
                bool enColor);

// The receipts of the billed month of `mes` to a PDF file, one per page (A4, 300 dpi),
// written whole or not at all. Refuses a month without receipts and an output that is the
// workspace or one of its side files. Returns how many pages were written.
int RecibosMesAPdf(Database& db, const QDate& mes, const QString& ruta, bool factura, bool enColor,
                   const AjustesRecibo& ajustes);
