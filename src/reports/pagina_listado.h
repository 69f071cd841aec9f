#pragma once
// Drawing helpers shared by the remittance listing and the line report: pages mapped in
// tenths of a millimetre, monospaced fonts sized in those units, text placed in rectangles.
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPagedPaintDevice;

// Sets the painter's window to the device's printable area in tenths of a millimetre: the
// mapping of every printed page, receipts included.
void PrepararPaginaDecimasMm(QPainter& p);

// "Times New Roman" (or `familia`: listings use "Courier New") whose character cell
// (ascent + descent) is `alto` logical units: the layouts give every font by its cell
// height, and lines of text stand one cell apart.
QFont FuenteDecimas(int alto, const QString& familia = QStringLiteral("Times New Roman"));

namespace pagina_listado {

constexpr int kMargenIzquierdo = 50;
constexpr int kAltoLinea = 50;
constexpr int kMargenInterior = 10;
constexpr int kDerecha = 1950;

enum class Colocacion {
    Izquierda,        // left edge, top
    Derecha,          // right edge, top
    Centrada,         // centred horizontally, top
    LineaIzquierda,   // one line, left edge, centred vertically
    LineaAbajo,       // one line, left edge, bottom
    LineaCentrada,    // one line, centred both ways
};

// A "Courier New" font `alto` tenths of a millimetre high.
QFont FuenteCourier(int alto, QFont::Weight peso = QFont::Normal);
// Left, top, right, bottom as the layouts give them.
inline QRect Rect(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }
// The text inside the rectangle, clipped to it.
void Texto(QPainter& p, const QRect& r, const QString& texto, Colocacion c);
void LineaHorizontal(QPainter& p, int y, int x1 = kMargenIzquierdo, int x2 = kDerecha);
// "Página n", centred under the table.
void PiePagina(QPainter& p, int pagina);
// Sets the painter to tenths of a millimetre over the page, black pen, no brush.
void PrepararPagina(QPainter& p);

// Draws one copy of a document on the painter, which paints on the device.
using Dibujo = std::function<void(QPainter&, QPagedPaintDevice&)>;

// One A4 document at `ruta`, written beside it and renamed over it only when complete and
// synced; a failure (a full disk included) keeps the old file and throws UserError.
void APdf(const QString& ruta, const QString& titulo, const Dibujo& dibujar);

}  // namespace pagina_listado
