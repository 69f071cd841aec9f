#include "reports/pagina_listado.h"

#include <QFile>
#include <cstdio>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "util/formato.h"
#include "receipts/impresion_recibo.h"
#include "util/errores.h"

namespace pagina_listado {

QFont FuenteCourier(int alto, QFont::Weight peso)
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(alto);
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
    const QString temporal = ruta + QStringLiteral(".part");
    bool ok = false;
    {
        QPdfWriter pdf(temporal);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setCreator(QStringLiteral("Rentiva"));
        pdf.setTitle(titulo);
        QPainter p;
        if (p.begin(&pdf)) {
            try {
                dibujar(p, pdf);
            } catch (...) {
                p.end();
                QFile::remove(temporal);
                throw;
            }
            ok = p.end();
        }
    }
    if (!ok) {
        QFile::remove(temporal);
        throw UserError(QStringLiteral("No se pudo escribir el PDF %1.").arg(ruta));
    }
    // rename() replaces the old file in one step: there is never a moment without one.
    if (std::rename(QFile::encodeName(temporal).constData(), QFile::encodeName(ruta).constData()) != 0) {
        QFile::remove(temporal);
        throw UserError(QStringLiteral("No se pudo escribir el PDF %1.").arg(ruta));
    }
}

}  // namespace pagina_listado
