// The full-page invoice layout of CImpresionRecibo.
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "app/ajustes.h"
#include "data/database.h"
#include "receipts/impresion_recibo.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

// The 700 x 250 banner "FACTURA RENTA": light embossed capitals on a blue gradient, dark frame.
const QImage& Banner()
{
    static const QImage banner = [] {
        QImage img(700, 250, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, 250);
        g.setColorAt(0, QColor(86, 128, 196));
        g.setColorAt(1, QColor(20, 48, 110));
        p.fillRect(img.rect(), g);
        QFont f(QStringLiteral("Times New Roman"));
        f.setPixelSize(70);
        f.setBold(true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
        p.setFont(f);
        const QRect texto = img.rect();
        const int al = Qt::AlignCenter;
        p.setPen(QColor(8, 22, 60));
        p.drawText(texto.translated(3, 3), al, QStringLiteral("FACTURA RENTA"));
        p.setPen(QColor(255, 255, 255, 150));
        p.drawText(texto.translated(-2, -2), al, QStringLiteral("FACTURA RENTA"));
        p.setPen(QColor(222, 232, 250));
        p.drawText(texto, al, QStringLiteral("FACTURA RENTA"));
        p.setPen(QPen(QColor(10, 20, 45), 10));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5, 5, 690, 240));
        return img;
    }();
    return banner;
}

}  // namespace

QString CImpresionRecibo::PeriodoFactura() const
{
    return QStringLiteral("%1 del %2").arg(NombreMesMayusculas(fecha_emision.month()), EnteroConPuntos(fecha_emision.year()));
}

void CImpresionRecibo::DibujarFactura(QPainter& p) const
{
    QString oVia, oDireccion, oPiso, oCp, oLocalidad, docArrendador = doc_arrendador;
    QString iVia, iCp, iLocalidad;
    if (m_db) {
        Statement o(*m_db, "SELECT via, direccion, piso, cp, localidad, documento_tipo, "
                           "documento_numero FROM propietario WHERE nombre = ?1");
        o.bind(1, arrendador);
        if (!o.next())
            return;   // the owner went away since the job checked it: blank page
        oVia = o.text(0);
        oDireccion = o.text(1);
        oPiso = o.text(2);
        oCp = o.text(3);
        oLocalidad = o.text(4);
        docArrendador = o.text(5) + u' ' + o.text(6);
        try {
            Statement i(*m_db, "SELECT via, cp, localidad FROM inmueble "
                               "WHERE direccion = ?1 AND piso = ?2");
            i.bind(1, direccion).bind(2, piso);
            if (i.next()) {
                iVia = i.text(0);
                iCp = i.text(1);
                iLocalidad = i.text(2);
            }
        } catch (const std::exception&) {
            // Printing goes on without the street type, postcode and town.
        }
    }

    const QString fecha = TextoFechaEmision();
    const QString rayas58(58, u'_');
    QString cabecera;
    if (telefono_arrendador.isEmpty())
        cabecera = QStringLiteral("%1\n%2 %3 %4\n%5 - %6\n%7\n\nFACTURA Nº %8\n\n")
                       .arg(arrendador, oVia, oDireccion, oPiso, oCp, oLocalidad, docArrendador,
                            texto_numero) +
                   QStringLiteral("Fecha de Emisión: ") + fecha + u'\n' + rayas58;
    else
        cabecera = QStringLiteral("%1\nTeléfono %2\n%3 %4 %5\n\n%6\n\n%7 - %8\nFACTURA Nº %9\n\n")
                       .arg(arrendador, telefono_arrendador, oVia, oDireccion, oPiso,
                            docArrendador, oCp, oLocalidad, texto_numero) +
                   QStringLiteral("Fecha de Emisión: ") + fecha + u'\n' + rayas58;

    const QString a = QStringLiteral("%1 %2 %3").arg(iVia, direccion, piso);
    QString cliente;
    if (!direccioninquilino.isEmpty())
        cliente = QStringLiteral("CLIENTE:\n%1\n%2\n%3").arg(nom_arrendatario, direccioninquilino,
                                                             doc_arrendatario);
    else if (iCp.isEmpty())
        cliente = QStringLiteral("CLIENTE:\n%1\n%2\n%3\n%4").arg(nom_arrendatario, a, iLocalidad,
                                                                 doc_arrendatario);
    else
        cliente = QStringLiteral("CLIENTE:\n%1\n%2\n%3 %4\n%5").arg(nom_arrendatario, a, iCp,
                                                                    iLocalidad, doc_arrendatario);
    const QString descripcion =
        iLocalidad.isEmpty()
            ? QStringLiteral("Corresponde al alquiler del mes de %1, del inmueble sito en: %2")
                  .arg(PeriodoFactura(), a)
            : QStringLiteral("Corresponde al alquiler del mes de %1, del inmueble sito en: %2 %3, %4")
                  .arg(PeriodoFactura(), a, iLocalidad, iCp);

    p.save();
    PrepararPaginaDecimasMm(p);
    p.drawImage(QRect(1100, 100, 700, 250), Banner());
    p.setFont(FuenteDecimas(45));
    p.setPen(Qt::black);

    auto cortado = [&](const QRect& r, const QString& s, int al = Qt::AlignLeft | Qt::AlignTop) {
        p.save();
        p.setClipRect(r);
        p.drawText(r, al, s);
        p.restore();
    };
    auto envuelto = [&](const QRect& r, const QString& s) {
        cortado(r, s, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    };
    auto marco = [&](int l, int t, int r, int b) {
        p.save();
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::white);
        p.drawRect(QRect(l, t, r - l, b - t));
        p.restore();
    };
    auto columna = [](int l, int r, int alto, int fila) {
        return QRect(l, 950 + 50 * fila, r - l, alto);
    };
    auto ancha = [&](int f) { return columna(100, 1650, 150, f); };
    auto etiqueta = [&](int f) { return columna(200, 1650, 250, f); };
    auto cifra = [&](int f) { return columna(1700, 1900, 150, f); };
    auto completa = [&](int f) { return columna(100, 1900, 250, f); };

    cortado(QRect(100, 100, 1000, 700), cabecera);

    marco(80, 940, 1920, 1760);
    envuelto(ancha(0), descripcion);
    if (!refcatastral.isEmpty())
        envuelto(ancha(2), QStringLiteral("REFERENCIA CATASTRAL: %1.").arg(refcatastral));
    envuelto(ancha(3), QStringLiteral("El pago de este recibo no supone el pago de los anteriores."));
    marco(80, 1190, 1920, 1810);
    cortado(ancha(5), QStringLiteral("CONCEPTO"), Qt::AlignHCenter | Qt::AlignTop);
    cortado(cifra(5), QStringLiteral("IMPORTE"), Qt::AlignHCenter | Qt::AlignTop);
    cortado(completa(6), QString(149, u'_'));

    const QString puntos(149, u'.');
    const QString guiones(149, u'-');
    int r = 7;
    auto linea = [&](const QString& texto, Moneda m) {
        cortado(etiqueta(r), texto + puntos, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
        cortado(cifra(r), MonedaConSimbolo(m), Qt::AlignRight | Qt::AlignTop);
        ++r;
    };
    auto raya = [&] {
        cortado(cifra(r), guiones, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine);
        ++r;
    };
    const QString rentaEtiqueta = QStringLiteral("Renta ") + NombreMesMayusculas(fecha_emision.month()) +
                                  QStringLiteral(" DEL ") + EnteroConPuntos(fecha_emision.year());
    const std::pair<QString, Moneda> conceptos[] = {{rentaEtiqueta, renta},
                                                    {otro_concepto1, otro_importe1},
                                                    {otro_concepto2, otro_importe2},
                                                    {otro_concepto3, otro_importe3}};
    for (const auto& [texto, m] : conceptos)
        if (m != Moneda())
            linea(texto, m);
    if (iva != Moneda() || irpf != Moneda()) {
        raya();
        linea(QStringLiteral("BASE"), renta + otro_importe1 + otro_importe2 + otro_importe3);
    }
    if (iva != Moneda())
        linea(NombreImpuesto1(), iva);
    if (irpf != Moneda())
        linea(NombreImpuesto2(), irpf);
    raya();
    linea(QStringLiteral("TOTAL"), Total());

    r = 19;
    // The currency word comes from the currency settings (the old value nobody wrote said "Euros").
    const QString moneda = NombreMoneda();
    if (!moneda.isEmpty()) {
        cortado(etiqueta(r), QStringLiteral("Importes en %1.").arg(moneda));
        ++r;
    }
    cortado(etiqueta(r + 1), nota_recibo);
    const int t = 950 + 50 * (r + 3);
    envuelto(QRect(200, t, 1600, 800), QStringLiteral("\n\nARRENDADOR.\n%1").arg(arrendador));

    p.setFont(FuenteDecimas(30));
    marco(80, 580, 920, 800);
    envuelto(QRect(100, 600, 800, 300), cliente);
    p.restore();
}
