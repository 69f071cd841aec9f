#include "reports/pagina_listado.h"

#include <QFontMetricsF>
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

namespace pagina_listado {

QFont FuenteCourier(int alto, QFont::Weight peso)
{
    // The layouts give a font by its character cell, as the receipts do, not by its em: sized
    // by the em, 116 columns at 29 units ran past the frame and cut the amounts off.
    static const qreal kCeldaPorEm = [] {
        QFont f(QStringLiteral("Courier New"));
        f.setStyleHint(QFont::TypeWriter);
        f.setPixelSize(1000);
        f.setHintingPreference(QFont::PreferNoHinting);
        return QFontMetricsF(f).height() / 1000.0;
    }();
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(qMax(1, int(std::lround(alto / kCeldaPorEm))));
    f.setHintingPreference(QFont::PreferNoHinting);
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
