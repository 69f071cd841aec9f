#include "billing/facturaciones.h"

#include "billing/estado_recibo.h"
#include "data/database.h"
#include "util/errores.h"
#include "util/formato.h"

QString LineaFacturacion(const RunFacturacion& f)
{
    return AjustarIzquierda(Facturacion::NombreMes(f.fecha.month()), 12) +
           AjustarIzquierda(QString::number(f.fecha.year()), 6) + f.notas;
}

namespace {

// The receipts of the run's day, whatever time they carry.
void ContarRecibos(Database& db, BorradoFacturacion& b)
{
    Statement st(db, "SELECT COUNT(*), COALESCE(SUM(COALESCE(estado,0) <> ?3), 0) FROM recibo"
                     " WHERE fecha_facturacion >= ?1 AND fecha_facturacion < ?2");
    st.bind(1, b.mes).bind(2, b.mes.addDays(1)).bind(3, int(kEstadoSinEspecificar));
    if (st.next()) {
        b.recibos = int(st.integer(0));
        b.conEstado = int(st.integer(1));
    }
}

}  // namespace

std::optional<BorradoFacturacion> UltimaFacturacion(Database& db)
{
    Statement st(db, "SELECT MAX(fecha) FROM facturacion");
    if (!st.next() || st.isNull(0))
        return std::nullopt;
    BorradoFacturacion b;
    b.mes = st.date(0);
    ContarRecibos(db, b);
    return b;
}

QString PreguntaEliminarUltima(const BorradoFacturacion& b)
{
    QString texto = QStringLiteral("Se borrará la facturación de %1 de %2 con sus %3 recibos")
                        .arg(Facturacion::NombreMes(b.mes.month()))
                        .arg(b.mes.year())
                        .arg(b.recibos);
    if (b.conEstado > 0)
        texto += QStringLiteral(", de los que %1 no están \"SIN ESPECIFICAR\" (cobrados, enviados al"
                                " cobro u otro estado)").arg(b.conEstado);
    return texto + QStringLiteral(".\n¿Está seguro?");
}

BorradoFacturacion EliminarUltimaFacturacion(Database& db, const std::optional<QDate>& mes)
{
    Transaction tx(db);
    const std::optional<BorradoFacturacion> b = UltimaFacturacion(db);
    if (!b)
        throw UserError(QStringLiteral("No hay ninguna facturación que eliminar."));
    if (mes && (mes->year() != b->mes.year() || mes->month() != b->mes.month()))
        throw UserError(QStringLiteral("Solo se puede eliminar la última facturación, que es la de %1 de %2.")
                            .arg(Facturacion::NombreMes(b->mes.month()))
                            .arg(b->mes.year()));
    Statement(db, "DELETE FROM recibo WHERE fecha_facturacion >= ?1 AND fecha_facturacion < ?2")
        .bind(1, b->mes).bind(2, b->mes.addDays(1)).run();
    Statement(db, "DELETE FROM facturacion WHERE fecha >= ?1 AND fecha < ?2")
        .bind(1, b->mes).bind(2, b->mes.addDays(1)).run();
    tx.commit();
    return *b;
}

QDate ProponerFechaCobro(const QDate& mes, const ReglaVencimiento& regla)
{
    const QDate primero(mes.year(), mes.month(), 1);
    if (regla.tipo == 1)
        return primero.addDays(qBound(1, regla.dia, primero.daysInMonth()) - 1);
    // Qt numbers Monday 1 ... Sunday 7.
    static const int kDia[8] = {0, 8, 8, 8, 8, 11, 10, 9};
    return primero.addDays(kDia[primero.dayOfWeek()] - 1);
}

FechasEmision LeerFechasEmision(int mesFacturacion, int anioFacturacion, int diaCobro, int mesCobro,
                                int anioCobro, bool sinCobro)
{
    FechasEmision f;
    f.cobro = QDate(anioCobro, mesCobro, diaCobro);
    if (!sinCobro && !f.cobro.isValid())
        throw UserError(QStringLiteral("Fecha Cobro Incorrecta"));
    f.facturacion = QDate(anioFacturacion, mesFacturacion, 1);
    if (!f.facturacion.isValid())
        throw UserError(QStringLiteral("Fecha Facturación Incorrecta"));
    return f;
}
