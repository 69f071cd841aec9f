#include "receipts/trabajo_impresion.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPainter>

#include "data/database.h"
#include "util/formato.h"
#include "util/letras.h"
#include "util/errores.h"

namespace {

const char* const kColumnas =
    "r.arrendador, r.direccion, r.piso, r.localidad, r.nom_arrendatario, "
    "r.doc_arrendatario_tipo, r.doc_arrendatario_num, r.refcatastral, r.direccioninquilino, "
    "r.nota_recibo, r.numero_recibo, r.fecha_facturacion, r.renta, r.iva, r.irpf, "
    "r.otro_importe1, r.otro_importe2, r.otro_importe3, r.otro_concepto1, r.otro_concepto2, "
    "r.otro_concepto3, r.banco, r.sucursal, r.dc, r.ccc";

}  // namespace

void LlenarDesdeFila(CImpresionRecibo& r, Database& db, const Statement& f, bool factura)
{
    r.arrendador = f.text(0);
    r.direccion = f.text(1);
    r.piso = f.text(2);
    r.localidad = f.text(3);
    r.nom_arrendatario = f.text(4);
    r.doc_arrendatario = f.text(5) + u' ' + f.text(6);
    r.refcatastral = f.text(7);
    r.direccioninquilino = f.text(8);
    r.nota_recibo = f.text(9);
    const qint64 numero = f.integer(10);
    r.texto_numero = numero == 0 ? QString() : factura ? EnteroConPuntos(numero) : QString::number(numero);
    r.fecha_emision = f.date(11);
    r.renta = f.money(12);
    r.iva = f.money(13);
    r.irpf = f.money(14);
    r.otro_importe1 = f.money(15);
    r.otro_importe2 = f.money(16);
    r.otro_importe3 = f.money(17);
    r.otro_concepto1 = f.text(18);
    r.otro_concepto2 = f.text(19);
    r.otro_concepto3 = f.text(20);
    r.texto_domiciliacion.clear();
    if (!factura && !f.text(24).isEmpty())
        r.texto_domiciliacion = QStringLiteral(" Domiciliación bancaria: ") + f.text(21) + u' ' +
                                f.text(22) + u' ' + f.text(23) + u' ' + f.text(24);
    r.modelo_impresion = factura ? 2 : 1;

    Statement dueno(db, "SELECT documento_tipo, documento_numero, telefono_casa "
                        "FROM propietario WHERE nombre = ?1");
    dueno.bind(1, r.arrendador);
    if (!dueno.next())
        throw UserError(QStringLiteral("propietario erroneo no encontrado = ") + r.arrendador);
    r.doc_arrendador = dueno.text(0) + u' ' + dueno.text(1);
    r.telefono_arrendador = factura ? dueno.text(2) : QString();
}

std::vector<CImpresionRecibo> RecibosDelMes(Database& db, const QDate& mes, bool factura)
{
    Statement q(db, QStringLiteral("SELECT %1 FROM recibo r LEFT JOIN inmueble i "
                                   "ON i.direccion = r.direccion AND i.piso IS r.piso "
                                   "WHERE substr(r.fecha_facturacion, 1, 7) = ?1 "
                                   "ORDER BY i.ref, r.ref")
                        .arg(QLatin1String(kColumnas)));
    q.bind(1, mes.toString(QStringLiteral("yyyy-MM")));
    std::vector<CImpresionRecibo> r;
    while (q.next()) {
        r.emplace_back(&db);
        LlenarDesdeFila(r.back(), db, q, factura);
    }
    return r;
}

void ImprimirRecibos(QPagedPaintDevice& dispositivo, const std::vector<CImpresionRecibo>& recibos,
                     bool enColor)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        throw UserError(QStringLiteral("No se puede abrir la impresora o el archivo de salida."));
    bool primera = true;
    for (const CImpresionRecibo& r0 : recibos) {
        if (!primera)
            dispositivo.newPage();
        primera = false;
        CImpresionRecibo r = r0;
        r.en_color = enColor ? 1 : 0;
        if (r.modelo_impresion == 2)
            r.DibujarFactura(p);
        else
            r.DibujarRecibo(p);
    }
    p.end();
}

int RecibosMesAPdf(Database& db, const QDate& mes, const QString& ruta, bool factura, bool enColor)
{
    const std::vector<CImpresionRecibo> recibos = RecibosDelMes(db, mes, factura);
    if (recibos.empty())
        throw UserError(QStringLiteral("No hay recibos facturados en %1 de %2.")
                            .arg(NombreMes(mes.month()))
                            .arg(mes.year()));
    // Written beside the target and renamed at the end: a failed run leaves no half file.
    const QString temporal = ruta + QStringLiteral(".part");
    {
        QPdfWriter pdf(temporal);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setCreator(QStringLiteral("Rentiva"));
        pdf.setTitle(factura ? QStringLiteral("Facturas") : QStringLiteral("Recibos"));
        try {
            ImprimirRecibos(pdf, recibos, enColor);
        } catch (...) {
            QFile::remove(temporal);
            throw;
        }
    }
    QFile::remove(ruta);
    if (!QFile::rename(temporal, ruta)) {
        QFile::remove(temporal);
        throw UserError(QStringLiteral("No se puede escribir el archivo %1.").arg(ruta));
    }
    return int(recibos.size());
}
