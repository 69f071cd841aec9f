#include "receipts/trabajo_impresion.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "data/database.h"
#include "data/rutas_salida.h"
#include "receipts/salida_pdf.h"
#include "receipts/llenar_recibo.h"
#include "util/letras.h"
#include "util/errores.h"

std::vector<CImpresionRecibo> RecibosDelMes(Database& db, const QDate& mes, bool factura,
                                            const AjustesRecibo& ajustes)
{
    Statement q(db, QStringLiteral("SELECT %1 FROM recibo r LEFT JOIN inmueble i "
                                   "ON i.clave_direccion = es_fold(r.direccion) AND i.clave_piso IS es_fold(r.piso) "
                                   "WHERE substr(r.fecha_facturacion, 1, 7) = ?1 "
                                   "ORDER BY i.ref, r.ref")
                        .arg(QLatin1String(kColumnasReciboImpresion)));
    q.bind(1, mes.toString(QStringLiteral("yyyy-MM")));
    std::vector<CImpresionRecibo> r;
    while (q.next()) {
        r.emplace_back(ajustes, &db);
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
    ImprimirRecibos(p, dispositivo, recibos, enColor);
    if (!p.end())
        throw UserError(QStringLiteral("No se ha podido terminar la impresión de los recibos."));
}

void ImprimirRecibos(QPainter& p, QPagedPaintDevice& dispositivo,
                     const std::vector<CImpresionRecibo>& recibos, bool enColor)
{
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
}

int RecibosMesAPdf(Database& db, const QDate& mes, const QString& ruta, bool factura, bool enColor,
                   const AjustesRecibo& ajustes)
{
    ComprobarSalidas({db.path()}, {ruta});
    const std::vector<CImpresionRecibo> recibos = RecibosDelMes(db, mes, factura, ajustes);
    if (recibos.empty())
        throw UserError(QStringLiteral("No hay recibos facturados en %1 de %2.")
                            .arg(NombreMes(mes.month()))
                            .arg(mes.year()));
    EscribirPdf(ruta, factura ? QStringLiteral("Facturas") : QStringLiteral("Recibos"),
                [&](QPainter& p, QPagedPaintDevice& d) { ImprimirRecibos(p, d, recibos, enColor); });
    return int(recibos.size());
}
