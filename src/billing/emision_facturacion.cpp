#include "billing/emision_facturacion.h"

#include "billing/edicion_recibo.h"
#include "data/database.h"
#include "data/emision.h"
#include "receipts/llenar_recibo.h"
#include "util/errores.h"

namespace {

const QString kSinRecibos = QStringLiteral("Para este mes no existen recibos o facturas emitidas");
const QString kSinRecibosPropietario =
    QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas");

QString ComprobarPropietario(Database& db, const QString& nombre)
{
    const auto p = BuscarDatosPropietario(db, nombre.trimmed());
    if (!p)
        throw PropietarioNoEncontrado(nombre);
    return p->nombre;
}

// Empties the staging and copies the month's receipts that meet `extra`; ?1 and ?2 are the
// month's bounds, ?3 the owner when given.
int Preparar(Database& db, const QDate& mes, const QString& propietario, const QString& extra)
{
    const QDate desde(mes.year(), mes.month(), 1);
    QString condicion = QStringLiteral("fecha_facturacion >= ?1 AND fecha_facturacion < ?2");
    QVariantList valores{QVariant::fromValue(desde), QVariant::fromValue(desde.addMonths(1))};
    if (!propietario.isNull()) {
        condicion += QStringLiteral(" AND arrendador = ?3 COLLATE ES_NOCASE");
        valores << propietario;
    }
    if (!extra.isEmpty())
        condicion += QStringLiteral(" AND ") + extra;
    Savepoint sp(db, "preparar_emision");
    VaciarEmision(db);
    const int n = CopiarRecibosAEmision(db, condicion, valores, QStringLiteral("ref"));
    sp.release();
    return n;
}

}  // namespace

int PrepararEmisionPapel(Database& db, const QDate& mes, const QString& propietario)
{
    const bool todos = propietario.trimmed().isEmpty();
    const QString nombre = todos ? QString() : ComprobarPropietario(db, propietario);
    Transaction tx(db);
    const int n = Preparar(db, mes, nombre, QString());
    db.exec(QStringLiteral("UPDATE emision_recibo SET is_recibo_seleccionado = 0"
                           " WHERE COALESCE(is_recibo_fisico, 0) = 0"));
    tx.commit();
    if (n == 0)
        throw UserError(todos ? kSinRecibos : kSinRecibosPropietario);
    return n;
}

int PrepararEmisionBanco(Database& db, const QDate& mes, const QString& propietario)
{
    const QString nombre = ComprobarPropietario(db, propietario);
    const int n = Preparar(db, mes, nombre,
                           QStringLiteral("COALESCE(is_recibo_banco, 0) <> 0 AND length(banco) = 4"
                                          " AND length(sucursal) = 4 AND length(dc) = 2"
                                          " AND length(ccc) = 10"));
    if (n == 0)
        throw UserError(kSinRecibosPropietario);
    return n;
}

int PrepararEmisionMes(Database& db, const QDate& mes)
{
    return Preparar(db, mes, QString(), QString());
}

int CerrarEmisionRevision(Database& db)
{
    Transaction tx(db);
    EscribirEmisionEnRecibo(db, true);
    db.exec(QStringLiteral("DELETE FROM emision_recibo WHERE COALESCE(is_recibo_seleccionado, 0) = 0"));
    const int n = int(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM emision_recibo")));
    tx.commit();
    return n;
}
