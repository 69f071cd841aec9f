#pragma once
// A4 PDF files for the receipts and the listings: 300 dpi, no margins, written whole or not
// at all.
#include <QString>
#include <functional>

class QIODevice;
class QPainter;
class QPagedPaintDevice;

// Draws one document on the painter, which paints on the device.
using DibujoPdf = std::function<void(QPainter&, QPagedPaintDevice&)>;

// The document onto `salida` (an ArchivoAtomico not yet published). Throws what dibujar throws.
void EscribirPdf(QIODevice& salida, const QString& titulo, const DibujoPdf& dibujar);
// The document at ruta, written beside it and renamed over it only when whole and synced;
// a failure (a full disk included) leaves the old file and throws UserError naming ruta.
void EscribirPdf(const QString& ruta, const QString& titulo, const DibujoPdf& dibujar);
// The same for a job that opens its own painter on the device; returns what `imprimir`
// returns. A write the engine could not make (a full disk) fails the file all the same.
int EscribirPdf(const QString& ruta, const QString& titulo,
                const std::function<int(QPagedPaintDevice&)>& imprimir);
