#include "receipts/impresion_recibo.h"

#include <QImage>
#include <QPainter>

#include "data/database.h"
#include "reports/dibujo_texto.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

QString MesYAnio(const QDate& d)
{
    return NombreMesMayusculas(d.month()) + QStringLiteral(" DEL ") + EnteroConPuntos(d.year());
}

// Concept rows by the number of amounts: first row, row height, font height.
struct FilasConceptos {
    int primera, alto, fuente;
};

FilasConceptos Filas(int n)
{
    switch (n) {
    case 0: return {2, 40, 40};
    case 1: case 2: case 3: return {1, 40, 40};
    case 4: return {0, 39, 40};
    case 5: return {0, 34, 40};
    default: return {0, 29, 35};
    }
}

}  // namespace

QString CImpresionRecibo::TextoFechaEmision() const
{
    if (!fecha_emision.isValid())
        return QString();
    return EnteroConPuntos(fecha_emision.day()) + QStringLiteral(" DE ") + MesYAnio(fecha_emision);
}

QString CImpresionRecibo::TextoVencimiento() const
{
    const ReglaVencimiento& v = ajustes.vencimiento;
    switch (v.tipo) {
    case 1:
        return EnteroConPuntos(v.dia) + QStringLiteral(" DE ") + MesYAnio(fecha_emision);
    case 2:
        return v.otro;
    default:
        return QStringLiteral("A   LA   VISTA");
    }
}

QString CImpresionRecibo::TituloNumero() const
{
    switch (ajustes.recibo_factura) {
    case 1: return QStringLiteral("FACTURA NÚMERO");
    case 2: return QStringLiteral("RECIBO / FACTURA NÚMERO");
    case 3: return texto_numero.isEmpty() ? QStringLiteral("RECIBO NÚMERO")
                                          : QStringLiteral("FACTURA NÚMERO");
    default: return QStringLiteral("RECIBO NÚMERO");
    }
}

QString CImpresionRecibo::CabeceraImporte() const
{
    return (QStringLiteral("IMPORTE ") + ajustes.moneda.nombre).toUpper();
}

QString CImpresionRecibo::PeriodoFactura() const
{
    return QStringLiteral("%1 del %2").arg(NombreMesMayusculas(fecha_emision.month()),
                                           EnteroConPuntos(fecha_emision.year()));
}

QString CImpresionRecibo::LineaDireccion() const
{
    QString prefijo;
    if (m_db) {
        try {
            // Bound, so an address with a quote keeps its street type.
            Statement q(*m_db, "SELECT via FROM inmueble WHERE clave_direccion = es_fold(?1)"
                                          " AND clave_piso = es_fold(?2)");
            q.bind(1, direccion).bind(2, piso);
            if (q.next())
                prefijo = q.text(0) + u' ';
        } catch (const std::exception&) {
            // The street type is decoration: print without it.
        }
    }
    return prefijo + direccion + u' ' + piso;
}

QVector<LineaImporte> CImpresionRecibo::LineasImporte(bool factura) const
{
    const QString renta_etiqueta =
        (factura ? QStringLiteral("Renta ") : QStringLiteral("    Renta ")) + MesYAnio(fecha_emision);
    const LineaImporte todas[] = {
        {renta_etiqueta, renta},         {otro_concepto1, otro_importe1},
        {otro_concepto2, otro_importe2}, {otro_concepto3, otro_importe3},
        {ajustes.impuestos.nombre1, iva}, {ajustes.impuestos.nombre2, irpf},
    };
    QVector<LineaImporte> r;
    for (const auto& l : todas)
        if (!l.importe.EsCero())
            r.push_back(l);
    return r;
}

Moneda CImpresionRecibo::Total() const
{
    return renta + iva + irpf + otro_importe1 + otro_importe2 + otro_importe3;
}

void CImpresionRecibo::DireccionArrendador(QString& calle, QString& pueblo, QString& cp) const
{
    calle.clear();
    pueblo.clear();
    cp.clear();
    if (!m_db)
        return;
    try {
        Statement q(*m_db, "SELECT direccion, localidad, cp FROM propietario "
                           "WHERE clave_nombre = es_fold(?1)");
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

void CImpresionRecibo::DibujarRecibo(QPainter& p) const
{
    const DisenoRecibo& d = ajustes.diseno;
    const QColor relleno(qBound(0, d.rojo, 255), qBound(0, d.verde, 255), qBound(0, d.azul, 255));
    const bool a_color = en_color == 1;

    p.save();
    PrepararPaginaDecimasMm(p);

    if (d.color != QStringLiteral("TRANSPARENTE")) {
        // The hatch's gaps show the second colour, as a brush over an opaque background does.
        const QRect banda = Caja(0, 0, 2030, 859);
        p.fillRect(banda, a_color ? QColor(155, 155, 255) : QColor(150, 150, 150));
        p.setPen(a_color ? QPen(QColor(200, 200, 200), 1) : QPen(Qt::NoPen));
        p.setBrush(QBrush(relleno, d.fondo == QStringLiteral("SOLIDO") ? Qt::SolidPattern
                                                                     : Qt::DiagCrossPattern));
        p.drawRect(banda);
    }

    QColor fondo_texto = a_color ? QColor(Qt::white) : QColor(150, 150, 150);
    auto texto = [&](const QRect& r, const QString& s, Qt::Alignment al = Qt::AlignLeft | Qt::AlignTop) {
        TextoLinea(p, r, s, al, fondo_texto);
    };
    auto recuadro = [&](int l, int t, int r, int b) {
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::white);
        p.drawRect(Caja(l, t, r, b));
    };

    recuadro(350, 30, 730, 115);
    recuadro(730, 30, 1600, 115);
    recuadro(1600, 30, 2000, 115);
    recuadro(350, 115, 1165, 200);
    recuadro(1165, 115, 2000, 200);
    recuadro(350, 200, 2000, 450);
    if (refcatastral.isEmpty()) {
        recuadro(350, 450, 2000, 535);
    } else {
        recuadro(350, 450, 1550, 535);
        recuadro(1450, 450, 2000, 535);
    }
    recuadro(350, 580, 1150, 810);
    recuadro(1170, 580, 2000, 810);

    p.setFont(FuenteDecimas(20));
    auto titulo = [&](int x, int y, const QString& s) { texto(Caja(x, y, 2030, y + 40), s); };
    titulo(365, 35, TituloNumero());
    titulo(775, 35, QStringLiteral("LOCALIDAD DE EXPEDICIÓN"));
    titulo(1645, 35, CabeceraImporte());
    titulo(395, 120, QStringLiteral("FECHA DE EXPEDICIÓN"));
    titulo(1210, 120, QStringLiteral("VENCIMIENTO"));
    titulo(395, 455, QStringLiteral("DOMICILIO"));
    if (!refcatastral.isEmpty())
        titulo(1675, 455, QStringLiteral("REFERENCIA CATASTRAL"));

    p.setFont(FuenteDecimas(40));
    const Qt::Alignment der = Qt::AlignRight | Qt::AlignTop;
    const Qt::Alignment cen = Qt::AlignHCenter | Qt::AlignTop;
    texto(Caja(420, 65, 680, 110), texto_numero, der);
    texto(Caja(700, 65, 1600, 110), localidad, cen);
    texto(Caja(1400, 65, 1980, 110), MonedaATexto(Total()) + ajustes.moneda.simbolo, der);
    texto(Caja(1050, 155, 2000, 205), TextoVencimiento(), cen);
    texto(Caja(350, 150, 1165, 195), TextoFechaEmision(), cen);

    const QString linea_direccion = LineaDireccion();
    const QVector<LineaImporte> lineas = LineasImporte();
    const int n = lineas.size();
    const FilasConceptos filas = Filas(n);
    p.setFont(FuenteDecimas(filas.fuente));
    int fila = filas.primera;
    auto en_fila = [&](int l, int r) {
        return Caja(l, 235 + (fila - 1) * filas.alto, r, 235 + fila * filas.alto);
    };
    texto(en_fila(370, 1630), linea_direccion);
    auto importe = [&](const QString& etiqueta, Moneda m) {
        ++fila;
        texto(en_fila(370, 1630), etiqueta);
        texto(en_fila(1630, 1980), MonedaATexto(m), der);
    };
    for (const LineaImporte& l : lineas)
        importe(l.etiqueta, l.importe);
    if (n >= 2)
        importe(QStringLiteral("TOTAL"), Total());

    p.setFont(FuenteDecimas(40));
    texto(Caja(370, 480, refcatastral.isEmpty() ? 2000 : 1460, 520),
          texto_domiciliacion.isEmpty() ? linea_direccion : texto_domiciliacion);
    texto(Caja(1460, 480, 2000, 520), refcatastral);
    texto(Caja(370, 540, 1900, 590), nota_recibo);
    texto(Caja(370, 590, 1900, 640), QStringLiteral("Arrendatario:"));
    texto(Caja(370, 630, 1900, 680), nom_arrendatario);
    texto(Caja(370, 670, 1900, 720), doc_arrendatario);
    texto(Caja(370, 710, 1900, 760), direccioninquilino.isEmpty() ? linea_direccion
                                                                  : direccioninquilino);

    fondo_texto = QColor(200, 255, 255);
    QString calle, pueblo, cp;
    DireccionArrendador(calle, pueblo, cp);
    texto(Caja(1190, 590, 2000, 640), QStringLiteral("Arrendador:"));
    texto(Caja(1190, 630, 2000, 680), arrendador);
    texto(Caja(1190, 670, 2000, 720), doc_arrendador);
    texto(Caja(1190, 710, 2000, 760), calle);
    if (!pueblo.isEmpty())
        texto(Caja(1190, 750, 2000, 800),
              cp.isEmpty() ? pueblo : QStringLiteral("%1, (%2)").arg(pueblo, cp));

    if (d.tipo_cuadro_izquierdo == 1) {
        recuadro(20, 30, 320, 780);
        // The design put the three lines side by side, 8 mm apart but 15 mm wide, so that
        // they overprinted each other: each gets a row of its own at the foot of the stub,
        // centred across it and cut at its sides.
        for (int i = 0; i < 3; ++i) {
            const int fondo = 770 - (2 - i) * 50;
            texto(Caja(30, fondo - 50, 310, fondo), d.textos[i], Qt::AlignHCenter | Qt::AlignBottom);
        }
    } else if (d.tipo_cuadro_izquierdo == 2) {
        // Any picture format Qt reads; a file that cannot be read leaves the stub empty.
        const QImage logo(d.logo);
        if (!logo.isNull()) {
            const QRect origen(0, 0, qMin(logo.width(), 300), qMin(logo.height(), 750));
            p.drawImage(QRect(20, 30, origen.width(), origen.height()), logo, origen);
        }
    }
    p.restore();
}
