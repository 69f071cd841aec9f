#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include "reports/pagina_listado.h"   // PrepararPaginaDecimasMm, FuenteDecimas

class QFontMetricsF;
class QPainter;

// Drawing helpers shared by the printed layouts, all in tenths of a millimetre.


// The rectangle given by its edges; the right and bottom edges are left out.
inline QRect Caja(int izquierda, int arriba, int derecha, int abajo)
{
    return QRect(izquierda, arriba, derecha - izquierda, abajo - arriba);
}

// One line in `r` with the painter's font, cut at the rectangle's edges. With a valid
// `fondo` the text's own cell is filled with it first, as an opaque text background does.
void TextoLinea(QPainter& p, const QRect& r, const QString& texto,
                Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignTop,
                const QColor& fondo = QColor());

// Lines split at "\n", one cell apart from the top of `r`, cut at the rectangle.
void TextoLineas(QPainter& p, const QRect& r, const QString& texto);

// The text broken at word boundaries to lines no wider than `ancho` ("\n" also breaks);
// a word wider than a whole line ends in an ellipsis.
QStringList EnvolverTexto(const QFontMetricsF& fm, const QString& texto, qreal ancho);

// EnvolverTexto into `r`, left and top aligned; lines that do not fit whole are left out.
void TextoEnvuelto(QPainter& p, const QRect& r, const QString& texto);
