#include "receipts/trabajo_impresion.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPainter>

#include "data/database.h"
#include "receipts/llenar_recibo.h"
#include "util/letras.h"
#include "util/errores.h"

std::vector<CImpresionRecibo> RecibosDelMes(Database& db, const QDate& mes, bool factura,
                                            const AjustesRecibo& ajustes)
{
    Statement q(db, QStringLiteral("SELECT %1 FROM recibo r LEFT JOIN inmueble i "
                                   "ON i.direccion = r.direccion AND i.piso IS r.piso "
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

int RecibosMesAPdf(Database& db, const QDate& mes, const QString& ruta, bool factura, bool enColor,
                   const AjustesRecibo& ajustes)
{
    const std::vector<CImpresionRecibo> recibos = RecibosDelMes(db, mes, factura, ajustes);
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
