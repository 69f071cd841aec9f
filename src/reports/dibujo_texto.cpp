#include "reports/dibujo_texto.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

void TextoLinea(QPainter& p, const QRect& r, const QString& texto, Qt::Alignment alineacion,
                const QColor& fondo)
{
    if (texto.isEmpty() || r.isEmpty())
        return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    const QFontMetricsF fm(p.font());
    const qreal ancho = fm.horizontalAdvance(texto);
    const qreal alto = fm.height();
    qreal x = r.left();
    if (alineacion & Qt::AlignRight)
        x = r.left() + r.width() - ancho;
    else if (alineacion & Qt::AlignHCenter)
        x = r.left() + (r.width() - ancho) / 2;
    const qreal y = (alineacion & Qt::AlignBottom) ? r.top() + r.height() - alto : r.top();
    // The cell stops one unit short of its height so that a frame line just below survives.
    if (fondo.isValid())
        p.fillRect(QRectF(x, y, ancho, alto - 1), fondo);
    // Characters wholly outside the rectangle are not drawn at all, so that what a reader
    // of the file finds is what shows on paper.
    qsizetype desde = 0, hasta = texto.size();
    qreal x_desde = x;
    const qreal izquierda = r.left(), derecha = r.left() + r.width();
    if (x < izquierda || x + ancho > derecha) {
        // Advances grow with the length, so both ends are found by halving (the dot
        // leaders of the invoice are 149 characters long).
        auto fin = [&](qsizetype n) { return x + fm.horizontalAdvance(texto.left(n)); };
        qsizetype lo = 0, hi = texto.size();
        while (lo < hi) {   // first character whose end lies right of the left edge
            const qsizetype m = (lo + hi) / 2;
            if (fin(m + 1) <= izquierda)
                lo = m + 1;
            else
                hi = m;
        }
        desde = lo;
        lo = desde;
        hi = texto.size();
        while (lo < hi) {   // characters that start left of the right edge
            const qsizetype m = (lo + hi + 1) / 2;
            if (fin(m - 1) < derecha)
                lo = m;
            else
                hi = m - 1;
        }
        hasta = lo;
        x_desde = x + fm.horizontalAdvance(texto.left(desde));
    }
    p.setPen(Qt::black);
    if (hasta > desde)
        p.drawText(QPointF(x_desde, y + fm.ascent()), texto.mid(desde, hasta - desde));
    p.restore();
}

void TextoLineas(QPainter& p, const QRect& r, const QString& texto)
{
    const qreal alto = QFontMetricsF(p.font()).height();
    const QStringList lineas = texto.split(u'\n');
    for (int i = 0; i < lineas.size(); ++i) {
        const int arriba = r.top() + int(std::lround(i * alto));
        if (arriba >= r.top() + r.height())
            break;
        TextoLinea(p, QRect(r.left(), arriba, r.width(), r.top() + r.height() - arriba), lineas[i]);
    }
}

QStringList EnvolverTexto(const QFontMetricsF& fm, const QString& texto, qreal ancho)
{
    static const QRegularExpression kEspacios(QStringLiteral(" +"));
    QStringList lineas;
    for (const QString& parrafo : texto.split(u'\n')) {
        QString linea;
        for (QString palabra : parrafo.split(kEspacios, Qt::SkipEmptyParts)) {
            const QString junta = linea.isEmpty() ? palabra : linea + u' ' + palabra;
            if (fm.horizontalAdvance(junta) <= ancho) {
                linea = junta;
                continue;
            }
            if (!linea.isEmpty())
                lineas << linea;
            if (fm.horizontalAdvance(palabra) > ancho)
                palabra = fm.elidedText(palabra, Qt::ElideRight, ancho);
            linea = palabra;
        }
        lineas << linea;
    }
    return lineas;
}

void TextoEnvuelto(QPainter& p, const QRect& r, const QString& texto)
{
    const QFontMetricsF fm(p.font());
    const qreal alto = fm.height();
    const QStringList lineas = EnvolverTexto(fm, texto, r.width());
    for (int i = 0; i < lineas.size(); ++i) {
        if ((i + 1) * alto > r.height() + 0.5)
            break;
        const int arriba = r.top() + int(std::lround(i * alto));
        TextoLinea(p, QRect(r.left(), arriba, r.width(), int(std::ceil(alto))), lineas[i]);
    }
}
