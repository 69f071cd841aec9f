#include "reports/pagina_listado.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPageSize>
#include <cmath>
#include <QPaintDevice>
#include <QPainter>

#include "reports/salida_pdf.h"
#include "util/errores.h"
#include "util/formato.h"

void PrepararPaginaDecimasMm(QPainter& p)
{
    QPaintDevice* d = p.device();
    p.setWindow(0, 0, d->widthMM() * 10, d->heightMM() * 10);
    p.setViewport(0, 0, d->width(), d->height());
}

QFont FuenteDecimas(int alto, const QString& familia)
{
    // Qt sizes a font by its em, the layouts by its cell: measure the cell once per family on
    // a large em and scale, so that small sizes are not spoilt by rounding or hinting.
    static QHash<QString, qreal> celdaPorEm;
    auto it = celdaPorEm.constFind(familia);
    if (it == celdaPorEm.constEnd()) {
        QFont f(familia);
        if (familia.contains(QLatin1String("Courier")))
            f.setStyleHint(QFont::TypeWriter);
        f.setPixelSize(1000);
        f.setHintingPreference(QFont::PreferNoHinting);
        it = celdaPorEm.insert(familia, QFontMetricsF(f).height() / 1000.0);
    }
    QFont f(familia);
    if (familia.contains(QLatin1String("Courier")))
        f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(qMax(1, int(std::lround(alto / *it))));
    f.setWeight(QFont::Normal);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace pagina_listado {

QFont FuenteCourier(int alto, QFont::Weight peso)
{
    // By the character cell, as the receipts: sized by the em, 116 columns at 29 units ran
    // past the frame and cut the amounts off.
    QFont f = FuenteDecimas(alto, QStringLiteral("Courier New"));
    f.setFixedPitch(true);
    f.setWeight(peso);
    return f;
}

void Texto(QPainter& p, const QRect& r, const QString& texto, Colocacion c)
{
    int flags = 0;
    switch (c) {
    case Colocacion::Izquierda: flags = Qt::AlignLeft | Qt::AlignTop; break;
    case Colocacion::Derecha: flags = Qt::AlignRight | Qt::AlignTop; break;
    case Colocacion::Centrada: flags = Qt::AlignHCenter | Qt::AlignTop; break;
    case Colocacion::LineaIzquierda: flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine; break;
    case Colocacion::LineaAbajo: flags = Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine; break;
    case Colocacion::LineaCentrada: flags = Qt::AlignCenter | Qt::TextSingleLine; break;
    }
    p.save();
    p.setClipRect(r);
    p.drawText(r, flags, texto);
    p.restore();
}

void LineaHorizontal(QPainter& p, int y, int x1, int x2)
{
    p.drawLine(x1, y, x2, y);
}

void PiePagina(QPainter& p, int pagina)
{
    Texto(p, Rect(0, 2800, 2100, 2900),
          QStringLiteral("Página ") + EnteroConPuntos(pagina),
          Colocacion::LineaCentrada);
}

void PrepararPagina(QPainter& p)
{
    PrepararPaginaDecimasMm(p);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
}

void APdf(const QString& ruta, const QString& titulo, const Dibujo& dibujar)
{
    ::EscribirPdf(ruta, titulo, dibujar);
}

}  // namespace pagina_listado
