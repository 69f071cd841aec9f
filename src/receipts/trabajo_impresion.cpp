#include "receipts/trabajo_impresion.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QSet>

#include "data/database.h"
#include "data/rutas_salida.h"
#include "reports/salida_pdf.h"
#include "receipts/llenar_recibo.h"
#include "reports/pagina_listado.h"
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

std::vector<CImpresionRecibo> RecibosEmision(Database& db, bool factura, const AjustesRecibo& ajustes,
                                             const QDate& fechaEmision,
                                             const std::optional<QList<qint64>>& refs)
{
    QSet<qint64> elegidos;
    if (refs)
        elegidos = QSet<qint64>(refs->begin(), refs->end());
    // LlenarDesdeFila refuses a missing owner; all records are filled before any page is
    // drawn, so such a receipt stops the job before it starts.
    Statement q(db, QStringLiteral("SELECT %1, r.ref FROM emision_recibo r ORDER BY r.rowid")
                        .arg(QLatin1String(kColumnasReciboImpresion)));
    const int colRef = q.columnCount() - 1;
    std::vector<CImpresionRecibo> r;
    while (q.next()) {
        if (refs && !elegidos.contains(q.integer(colRef)))
            continue;
        r.emplace_back(ajustes, &db);
        LlenarDesdeFila(r.back(), db, q, factura);
        if (!factura && fechaEmision.isValid())
            r.back().fecha_emision = fechaEmision;
    }
    return r;
}

std::vector<CImpresionRecibo> RecibosParaImprimir(Database& db, VarianteImpresion variante,
                                                  const QDate& fechaFacturacion,
                                                  const AjustesRecibo& ajustes)
{
    if (!db.isOpen())
        throw UserError(QStringLiteral("No hay base abierta"));
    const bool revision = variante == VarianteImpresion::Revision;
    std::vector<CImpresionRecibo> r =
        RecibosEmision(db, false, ajustes, revision ? QDate() : fechaFacturacion);
    if (r.empty() && variante == VarianteImpresion::PapelTodos)
        throw UserError(QStringLiteral("Para este mes no existen recibos o facturas emitidas"));
    if (r.empty() && variante == VarianteImpresion::PapelPropietario)
        throw UserError(QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas"));
    return r;
}

int ImprimirRecibos(QPagedPaintDevice& dispositivo, const std::vector<CImpresionRecibo>& recibos,
                    bool enColor)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        throw UserError(QStringLiteral("No se puede abrir la impresora o el archivo de salida."));
    int impresas = 0;
    for (const CImpresionRecibo& r0 : recibos) {
        if (impresas > 0 && !dispositivo.newPage()) {
            p.end();
            throw UserError(QStringLiteral("La impresora ha fallado: se imprimieron %1 de %2 recibos "
                                           "(los primeros de la lista). Compruebe la impresora y "
                                           "vuelva a imprimir los que faltan.")
                                .arg(impresas)
                                .arg(recibos.size()));
        }
        CImpresionRecibo r = r0;
        r.en_color = enColor ? 1 : 0;
        if (r.modelo_impresion == 2)
            r.DibujarFactura(p);
        else
            r.DibujarRecibo(p);
        ++impresas;
    }
    if (!p.end())
        throw UserError(QStringLiteral("No se ha podido terminar la impresión de los recibos."));
    return impresas;
}

int RecibosAPdf(const std::vector<CImpresionRecibo>& recibos, const QString& ruta, const QString& titulo,
                bool enColor)
{
    if (recibos.empty())
        throw UserError(QStringLiteral("No hay ningún recibo que imprimir: no se escribe %1.").arg(ruta));
    return EscribirPdf(ruta, titulo, [&](QPagedPaintDevice& d) { return ImprimirRecibos(d, recibos, enColor); });
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
    return RecibosAPdf(recibos, ruta, factura ? QStringLiteral("Facturas") : QStringLiteral("Recibos"),
                       enColor);
}
