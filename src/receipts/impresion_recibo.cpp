#include "receipts/impresion_recibo.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QImage>

#include "app/ajustes.h"
#include "data/database.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

const QString kRecibo = QStringLiteral("Recibo");

}  // namespace

QFont FuenteDecimas(double alto)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(qMax(1, qRound(alto)));
    f.setWeight(QFont::Normal);
    return f;
}

void PrepararPaginaDecimasMm(QPainter& p)
{
    QPaintDevice* d = p.device();
    p.setWindow(0, 0, d->widthMM() * 10, d->heightMM() * 10);
    p.setViewport(0, 0, d->width(), d->height());
}

QString CImpresionRecibo::TextoFechaEmision() const
{
    if (!fecha_emision.isValid())
        return QString();
    return EnteroConPuntos(fecha_emision.day()) + QStringLiteral(" DE ") + NombreMesMayusculas(fecha_emision.month()) +
           QStringLiteral(" DEL ") + EnteroConPuntos(fecha_emision.year());
}

QString CImpresionRecibo::TextoVencimiento() const
{
    switch (LeerEntero(kRecibo, QStringLiteral("Vencimiento_Tipo"), 0)) {
    case 1:
        return EnteroConPuntos(LeerEntero(kRecibo, QStringLiteral("Vencimiento_Dia"), 6)) +
               QStringLiteral(" DE ") + NombreMesMayusculas(fecha_emision.month()) + QStringLiteral(" DEL ") +
               EnteroConPuntos(fecha_emision.year());
    case 2:
        return LeerTexto(kRecibo, QStringLiteral("Vencimiento_Otro"));
    default:
        return QStringLiteral("A   LA   VISTA");
    }
}

QString CImpresionRecibo::TituloNumero() const
{
    switch (LeerEntero(kRecibo, QStringLiteral("ReciboFactura"), 0)) {
    case 1: return QStringLiteral("FACTURA NUMERO");
    case 2: return QStringLiteral("RECIBO / FACTURA NUMERO");
    case 3: return texto_numero.isEmpty() ? QStringLiteral("RECIBO NUMERO")
                                          : QStringLiteral("FACTURA NUMERO");
    default: return QStringLiteral("RECIBO NUMERO");
    }
}

QString CImpresionRecibo::CabeceraImporte() const
{
    return (QStringLiteral("IMPORTE ") + NombreMoneda()).toUpper();
}

QString CImpresionRecibo::LineaDireccion() const
{
    QString prefijo;
    if (m_db) {
        try {
            Statement q(*m_db, "SELECT via FROM inmueble WHERE direccion = ?1 AND piso = ?2");
            q.bind(1, direccion).bind(2, piso);
            if (q.next() && !q.text(0).isEmpty())
                prefijo = q.text(0) + QLatin1Char(' ');
        } catch (const std::exception&) {
            // The street type is decoration: print without it.
        }
    }
    return prefijo + direccion + QLatin1Char(' ') + piso;
}

QVector<LineaImporte> CImpresionRecibo::LineasImporte() const
{
    const QString rentaEtiqueta = QStringLiteral("    Renta ") + NombreMesMayusculas(fecha_emision.month()) +
                                  QStringLiteral(" DEL ") + EnteroConPuntos(fecha_emision.year());
    const LineaImporte todas[] = {
        {rentaEtiqueta, renta},         {otro_concepto1, otro_importe1},
        {otro_concepto2, otro_importe2}, {otro_concepto3, otro_importe3},
        {NombreImpuesto1(), iva},       {NombreImpuesto2(), irpf},
    };
    QVector<LineaImporte> r;
    for (const auto& l : todas)
        if (l.importe != Moneda())
            r.push_back(l);
    return r;
}

Moneda CImpresionRecibo::Total() const
{
    return renta + iva + irpf + otro_importe1 + otro_importe2 + otro_importe3;
}

void CImpresionRecibo::DibujarRecibo(QPainter& p) const
{
    p.save();
    PrepararPaginaDecimasMm(p);

    const QString color = LeerTexto(kRecibo, QStringLiteral("Color"));
    const QString fondo = LeerTexto(kRecibo, QStringLiteral("Fondo"));
    const QColor relleno(LeerEntero(kRecibo, QStringLiteral("Color_R"), 180),
                         LeerEntero(kRecibo, QStringLiteral("Color_G"), 230),
                         LeerEntero(kRecibo, QStringLiteral("Color_B"), 254));
    const int tipoIzq = LeerEntero(kRecibo, QStringLiteral("TipoCuadroIzquierdo"), 0);

    // Band background: solid or cross-hatched over a second colour.
    if (color != QStringLiteral("TRANSPARENTE")) {
        const QRect banda(0, 0, 2030, 859);
        p.fillRect(banda, en_color == 1 ? QColor(155, 155, 255) : QColor(150, 150, 150));
        p.setPen(en_color == 1 ? QPen(QColor(200, 200, 200), 1) : QPen(Qt::NoPen));
        p.setBrush(QBrush(relleno, fondo == QStringLiteral("SOLIDO") ? Qt::SolidPattern
                                                                     : Qt::DiagCrossPattern));
        p.drawRect(banda);
    }

    // Text cells are filled with the current background colour, as an opaque text mode would.
    QColor fondoTexto = en_color == 1 ? QColor(Qt::white) : QColor(150, 150, 150);
    auto texto = [&](const QRect& r, const QString& s, int align = Qt::AlignLeft | Qt::AlignTop) {
        if (s.isEmpty())
            return;
        p.save();
        p.setClipRect(r);
        const QRect usado = p.boundingRect(r, align | Qt::TextSingleLine, s).intersected(r);
        p.fillRect(usado, fondoTexto);
        p.setPen(Qt::black);
        p.drawText(r, align | Qt::TextSingleLine, s);
        p.restore();
    };
    auto rect = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); };
    auto caja = [&](int l, int t, int r, int b) {
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::white);
        p.drawRect(QRect(l, t, r - l, b - t));
    };

    caja(350, 30, 730, 115);
    caja(730, 30, 1600, 115);
    caja(1600, 30, 2000, 115);
    caja(350, 115, 1165, 200);
    caja(1165, 115, 2000, 200);
    caja(350, 200, 2000, 450);
    if (refcatastral.isEmpty()) {
        caja(350, 450, 2000, 535);
    } else {
        caja(350, 450, 1550, 535);
        caja(1450, 450, 2000, 535);
    }
    caja(350, 580, 1150, 810);
    caja(1170, 580, 2000, 810);

    p.setFont(FuenteDecimas(20));
    auto titulo = [&](int x, int y, const QString& s) { texto(QRect(x, y, 2030 - x, 30), s); };
    titulo(365, 35, TituloNumero());
    titulo(775, 35, QStringLiteral("LOCALIDAD DE EXPEDICION"));
    titulo(1645, 35, CabeceraImporte());
    titulo(395, 120, QStringLiteral("FECHA DE EXPEDICION"));
    titulo(1210, 120, QStringLiteral("VENCIMIENTO"));
    titulo(395, 455, QStringLiteral("DOMICILIO"));
    if (!refcatastral.isEmpty())
        titulo(1675, 455, QStringLiteral("REFERENCIA CATRASTAL"));

    p.setFont(FuenteDecimas(40));
    const Qt::Alignment der = Qt::AlignRight | Qt::AlignTop;
    const Qt::Alignment cen = Qt::AlignHCenter | Qt::AlignTop;
    texto(rect(420, 65, 680, 110), texto_numero, der);
    texto(rect(700, 65, 1600, 110), localidad, cen);
    texto(rect(1400, 65, 1980, 110), MonedaATexto(Total()) + SimboloMoneda(), der);
    texto(rect(1050, 155, 2000, 205), TextoVencimiento(), cen);
    texto(rect(350, 150, 1165, 195), TextoFechaEmision(), cen);

    const QString lineaDireccion = LineaDireccion();
    const QVector<LineaImporte> lineas = LineasImporte();
    const int n = lineas.size();
    const int s = n == 0 ? 2 : n <= 3 ? 1 : 0;
    const int h = n <= 4 ? (n == 4 ? 39 : 40) : n == 5 ? 34 : 29;
    p.setFont(FuenteDecimas(n == 6 ? 35 : 40));
    int fila = s;
    auto filaRect = [&](int l, int r) { return rect(l, 235 + (fila - 1) * h, r, 235 + fila * h); };
    texto(filaRect(370, 1630), lineaDireccion);
    auto importe = [&](const QString& etiqueta, Moneda m) {
        ++fila;
        texto(filaRect(370, 1630), etiqueta);
        texto(filaRect(1630, 1980), MonedaATexto(m), der);
    };
    for (const LineaImporte& l : lineas)
        importe(l.etiqueta, l.importe);
    if (n >= 2)
        importe(QStringLiteral("TOTAL"), Total());

    p.setFont(FuenteDecimas(40));
    texto(rect(370, 480, refcatastral.isEmpty() ? 2000 : 1460, 520),
          texto_domiciliacion.isEmpty() ? lineaDireccion : texto_domiciliacion);
    texto(rect(1460, 480, 2000, 520), refcatastral);
    texto(rect(370, 540, 1900, 590), nota_recibo);
    texto(rect(370, 590, 1900, 640), QStringLiteral("Arrendatario:"));
    texto(rect(370, 630, 1900, 680), nom_arrendatario);
    texto(rect(370, 670, 1900, 720), doc_arrendatario);
    texto(rect(370, 710, 1900, 760), direccioninquilino.isEmpty() ? lineaDireccion
                                                                   : direccioninquilino);

    fondoTexto = QColor(200, 255, 255);
    QString calle, pueblo, cp;
    if (m_db) {
        try {
            Statement q(*m_db, "SELECT direccion, localidad, cp FROM propietario WHERE nombre = ?1");
            q.bind(1, arrendador);
            if (q.next()) {
                calle = q.text(0);
                pueblo = q.text(1);
                cp = q.text(2);
            }
        } catch (const std::exception&) {
            // Without the owner's address the receipt still prints.
        }
    }
    texto(rect(1190, 590, 2000, 640), QStringLiteral("Arrendador:"));
    texto(rect(1190, 630, 2000, 680), arrendador);
    texto(rect(1190, 670, 2000, 720), doc_arrendador);
    texto(rect(1190, 710, 2000, 760), calle);
    if (!pueblo.isEmpty())
        texto(rect(1190, 750, 2000, 800),
              cp.isEmpty() ? pueblo : QStringLiteral("%1, (%2)").arg(pueblo, cp));

    if (tipoIzq == 1) {
        caja(20, 30, 320, 780);
        const QString lineasIzq[] = {LeerTexto(kRecibo, QStringLiteral("Texto1")),
                                     LeerTexto(kRecibo, QStringLiteral("Texto2")),
                                     LeerTexto(kRecibo, QStringLiteral("Texto3"))};
        const int izq[] = {50, 130, 210};
        for (int i = 0; i < 3; ++i) {
            if (lineasIzq[i].isEmpty())
                continue;
            texto(rect(izq[i], 40, izq[i] + 150, 770), lineasIzq[i],
                  Qt::AlignHCenter | Qt::AlignBottom);
        }
    } else if (tipoIzq == 2) {
        const QImage logo(LeerTexto(kRecibo, QStringLiteral("FileLogo")));
        if (!logo.isNull()) {
            const QRect fuente(0, 0, qMin(logo.width(), 300), qMin(logo.height(), 750));
            p.drawImage(QRect(20, 30, fuente.width(), fuente.height()), logo, fuente);
        }
    }
    p.restore();
}
