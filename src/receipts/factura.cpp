// The full-page invoice layout of CImpresionRecibo.
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "data/database.h"
#include "reports/dibujo_texto.h"
#include "receipts/impresion_recibo.h"
#include "receipts/llenar_recibo.h"
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

// The banner for a grey printer: the same picture in shades of grey, so that a grey job
// (`en_color` 0) puts no colour on the page.
const QImage& BannerGris()
{
    static const QImage gris = Banner().convertToFormat(QImage::Format_Grayscale8);
    return gris;
}

}  // namespace

void CImpresionRecibo::DibujarFactura(QPainter& p)
{
    QString i_via, i_cp, i_localidad;
    if (m_db) {
        const std::optional<DatosPropietario> dueno = BuscarDatosPropietario(*m_db, arrendador);
        if (!dueno)
            return;   // the owner went away since the job checked it: blank page
        via_arrendador = dueno->via;
        direccion_arrendador = dueno->direccion;
        piso_arrendador = dueno->piso;
        cp_arrendador = dueno->cp;
        localidad_arrendador = dueno->localidad;
        doc_arrendador = dueno->Documento();
        try {
            // Bound, so an address with a quote still finds its street type and town.
            Statement i(*m_db, "SELECT via, cp, localidad FROM inmueble "
                               "WHERE clave_direccion = es_fold(?1) AND clave_piso = es_fold(?2)");
            i.bind(1, direccion).bind(2, piso);
            if (i.next()) {
                i_via = i.text(0);
                i_cp = i.text(1);
                i_localidad = i.text(2);
            }
        } catch (const std::exception&) {
            // Printing goes on without the street type, postcode and town.
        }
    }

    const QString fecha = TextoFechaEmision();
    const QString raya58(58, u'_');
    QString cabecera;
    if (telefono_arrendador.isEmpty())
        cabecera = QStringLiteral("%1\n%2 %3 %4\n%5 - %6\n%7\n\nFACTURA Nº %8\n\n")
                       .arg(arrendador, via_arrendador, direccion_arrendador, piso_arrendador,
                            cp_arrendador, localidad_arrendador, doc_arrendador, texto_numero);
    else
        cabecera = QStringLiteral("%1\nTeléfono %2\n%3 %4 %5\n\n%6\n\n%7 - %8\nFACTURA Nº %9\n\n")
                       .arg(arrendador, telefono_arrendador, via_arrendador, direccion_arrendador,
                            piso_arrendador, doc_arrendador, cp_arrendador, localidad_arrendador,
                            texto_numero);
    cabecera += QStringLiteral("Fecha de Emisión: ") + fecha + u'\n' + raya58;

    const QString a = QStringLiteral("%1 %2 %3").arg(i_via, direccion, piso);
    QString cliente;
    if (!direccioninquilino.isEmpty())
        cliente = QStringLiteral("CLIENTE:\n%1\n%2\n%3").arg(nom_arrendatario, direccioninquilino,
                                                             doc_arrendatario);
    else if (i_cp.isEmpty())
        cliente = QStringLiteral("CLIENTE:\n%1\n%2\n%3\n%4").arg(nom_arrendatario, a, i_localidad,
                                                                 doc_arrendatario);
    else
        cliente = QStringLiteral("CLIENTE:\n%1\n%2\n%3 %4\n%5").arg(nom_arrendatario, a, i_cp,
                                                                    i_localidad, doc_arrendatario);
    const QString descripcion =
        i_localidad.isEmpty()
            ? QStringLiteral("Corresponde al alquiler del mes de %1, del inmueble sito en: %2")
                  .arg(PeriodoFactura(), a)
            : QStringLiteral("Corresponde al alquiler del mes de %1, del inmueble sito en: %2 %3, %4")
                  .arg(PeriodoFactura(), a, i_localidad, i_cp);

    p.save();
    PrepararPaginaDecimasMm(p);
    p.drawImage(Caja(1100, 100, 1800, 350), en_color == 1 ? Banner() : BannerGris());
    p.setFont(FuenteDecimas(45));

    auto marco = [&](int l, int t, int r, int b) {
        p.save();
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::white);
        p.drawRect(Caja(l, t, r, b));
        p.restore();
    };
    auto columna = [](int l, int r, int alto, int fila) {
        return QRect(l, 950 + 50 * fila, r - l, alto);
    };
    auto ancha = [&](int f) { return columna(100, 1650, 150, f); };
    auto etiqueta = [&](int f) { return columna(200, 1650, 250, f); };
    auto cifra = [&](int f) { return columna(1700, 1900, 150, f); };
    auto completa = [&](int f) { return columna(100, 1900, 250, f); };
    const Qt::Alignment der = Qt::AlignRight | Qt::AlignTop;

    TextoLineas(p, Caja(100, 100, 1100, 800), cabecera);

    marco(80, 940, 1920, 1760);
    TextoEnvuelto(p, ancha(0), descripcion);
    if (!refcatastral.isEmpty())
        TextoEnvuelto(p, ancha(2), QStringLiteral("REFERENCIA CATASTRAL: %1.").arg(refcatastral));
    TextoEnvuelto(p, ancha(3),
                  QStringLiteral("El pago de este recibo no supone el pago de los anteriores."));
    marco(80, 1190, 1920, 1810);
    TextoLinea(p, ancha(5), QStringLiteral("CONCEPTO"), Qt::AlignHCenter | Qt::AlignTop);
    TextoLinea(p, cifra(5), QStringLiteral("IMPORTE"), Qt::AlignHCenter | Qt::AlignTop);
    TextoLinea(p, completa(6), QString(149, u'_'));

    const QString puntos(149, u'.');
    const QString guiones(149, u'-');
    int r = 7;
    auto linea = [&](const QString& texto, Moneda m) {
        TextoLinea(p, etiqueta(r), texto + puntos);
        TextoLinea(p, cifra(r), MonedaConSimbolo(m, ajustes.moneda.simbolo), der);
        ++r;
    };
    auto raya = [&] {
        TextoLinea(p, cifra(r), guiones, der);
        ++r;
    };
    const LineaImporte conceptos[] = {{LineasImporte(true).value(0).etiqueta, renta},
                                      {otro_concepto1, otro_importe1},
                                      {otro_concepto2, otro_importe2},
                                      {otro_concepto3, otro_importe3}};
    for (const LineaImporte& c : conceptos)
        if (!c.importe.EsCero())
            linea(c.etiqueta, c.importe);
    if (!iva.EsCero() || !irpf.EsCero()) {
        raya();
        linea(QStringLiteral("BASE"), renta + otro_importe1 + otro_importe2 + otro_importe3);
    }
    if (!iva.EsCero())
        linea(ajustes.impuestos.nombre1, iva);
    if (!irpf.EsCero())
        linea(ajustes.impuestos.nombre2, irpf);
    raya();
    linea(QStringLiteral("TOTAL"), Total());

    r = 19;
    // The currency word of the currency settings; the old invoice read a value nothing
    // wrote and so always said "Euros".
    const QString& moneda = ajustes.moneda.nombre;
    if (!moneda.isEmpty()) {
        TextoLinea(p, etiqueta(r), QStringLiteral("Importes en %1.").arg(moneda));
        ++r;
    }
    TextoLinea(p, etiqueta(r + 1), nota_recibo);
    const int t = 950 + 50 * (r + 3);
    TextoEnvuelto(p, Caja(200, t, 1800, t + 800), QStringLiteral("\n\nARRENDADOR.\n%1").arg(arrendador));

    p.setFont(FuenteDecimas(30));
    marco(80, 580, 920, 800);
    TextoEnvuelto(p, Caja(100, 600, 900, 900), cliente);
    p.restore();
}
