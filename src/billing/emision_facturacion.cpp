#include "billing/emision_facturacion.h"

#include "billing/edicion_recibo.h"
#include "data/database.h"
#include "data/emision.h"
#include "receipts/llenar_recibo.h"
#include "util/cuentas.h"
#include "util/errores.h"
#include "util/formato.h"

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

int CerrarEmisionBanco(Database& db)
{
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM emision_recibo WHERE COALESCE(is_recibo_seleccionado, 0) = 0"));
    EscribirEmisionEnRecibo(db, false);
    const int n = int(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM emision_recibo")));
    tx.commit();
    return n;
}

int PrepararEmisionInmueble(Database& db, const QString& direccion, const QString& piso)
{
    // An empty floor is stored as one space.
    const QString p = piso.trimmed().isEmpty() ? QStringLiteral(" ") : piso;
    Transaction tx(db);
    VaciarEmision(db);
    const int n = CopiarRecibosAEmision(db,
                                        QStringLiteral("es_fold(direccion) = es_fold(?1)"
                                                       " AND es_fold(COALESCE(piso,' ')) = es_fold(?2)"),
                                        {direccion, p}, QStringLiteral("fecha_facturacion DESC, ref DESC"));
    tx.commit();
    if (n == 0)
        throw UserError(QStringLiteral("Este inmueble no tiene ningún recibo emitido mediante facturación."));
    return n;
}

void BorrarReciboEmitido(Database& db, qint64 ref)
{
    Transaction tx(db);
    Statement(db, "DELETE FROM recibo WHERE ref = ?1").bind(1, ref).run();
    if (db.changes() == 0)
        throw UserError(QStringLiteral("El recibo %1 ya no existe.").arg(ref));
    Statement(db, "DELETE FROM emision_recibo WHERE ref = ?1").bind(1, ref).run();
    tx.commit();
}

namespace {

const char* const kImportesEmitido =
    "COALESCE(renta,0), COALESCE(otro_importe1,0)+COALESCE(otro_importe2,0)+COALESCE(otro_importe3,0),"
    " COALESCE(iva,0), COALESCE(irpf,0)";

}  // namespace

std::vector<FilaEmitido> FilasEmitidas(Database& db)
{
    Statement st(db, QStringLiteral("SELECT ref, fecha_facturacion, COALESCE(nom_arrendatario,''), %1"
                                    " FROM emision_recibo ORDER BY rowid").arg(QLatin1String(kImportesEmitido)));
    std::vector<FilaEmitido> r;
    while (st.next()) {
        const QDate f = st.date(1);
        r.push_back({st.integer(0),
                     f.isValid() ? QStringLiteral("%1/%2").arg(f.month(), 2, 10, QChar(u'0')).arg(f.year())
                                 : QString(),
                     st.text(2), st.money(3) + st.money(4) + st.money(5) + st.money(6)});
    }
    return r;
}

QStringList LineasListadoEmitidos(Database& db)
{
    const QChar sp = u' ';
    QStringList lineas;
    const int anchos[8] = {10, 10, 34, 11, 11, 11, 11, 11};
    const char* const cabecera[8] = {"MES", "RECIBO", "NOMBRE INQUILINO", "RENTA", "OTROS", "IVA", "IRPF", "TOTAL"};
    QString c;
    for (int i = 0; i < 8; ++i)
        c += (i ? QString(sp) : QString()) + Centrar(QString::fromLatin1(cabecera[i]), anchos[i]);
    lineas << c;
    Statement st(db, QStringLiteral("SELECT fecha_facturacion, COALESCE(numero_recibo,0),"
                                    " COALESCE(nom_arrendatario,''), %1 FROM emision_recibo ORDER BY rowid")
                         .arg(QLatin1String(kImportesEmitido)));
    Moneda sumas[5];
    auto importes = [&](QString linea, const Moneda (&m)[5]) {
        for (int i = 0; i < 5; ++i)
            linea = JuntarDerecha(linea + (i ? QString(sp) : QString()), MonedaATexto(m[i]), 11);
        return linea;
    };
    while (st.next()) {
        Moneda m[5] = {st.money(3), st.money(4), st.money(5), st.money(6), Moneda()};
        m[4] = m[0] + m[1] + m[2] + m[3];
        for (int i = 0; i < 5; ++i)
            sumas[i] += m[i];
        lineas << importes(AjustarIzquierda(FechaCorta(st.date(0)), 10) + sp +
                               AjustarDerecha(EnteroConPuntos(st.integer(1)), 10) + sp +
                               AjustarIzquierda(st.text(2), 34) + sp,
                           m);
    }
    lineas << importes(AjustarIzquierda(QStringLiteral("TOTAL"), 56) + sp, sumas);
    return lineas;
}

namespace {

struct CuentaACorregir {
    qint64 ref;
    QString banco, sucursal, dc, ccc;
};

std::vector<CuentaACorregir> CuentasACorregir(Database& db, const QDate& mes, const QString& propietario)
{
    const QDate desde(mes.year(), mes.month(), 1);
    QString sql = QStringLiteral(
        "SELECT r.ref, COALESCE(r.banco,''), COALESCE(r.sucursal,''), COALESCE(r.dc,''), COALESCE(r.ccc,''),"
        " COALESCE(i.banco,''), COALESCE(i.sucursal,''), COALESCE(i.dc,''), COALESCE(i.ccc,'')"
        " FROM recibo r JOIN inmueble i ON i.clave_direccion = es_fold(r.direccion)"
        " AND i.clave_piso IS es_fold(r.piso)"
        " WHERE r.fecha_facturacion >= ?1 AND r.fecha_facturacion < ?2"
        " AND COALESCE(r.is_recibo_banco,0) <> 0 AND COALESCE(r.estado,0) = 0");
    if (!propietario.trimmed().isEmpty())
        sql += QStringLiteral(" AND es_fold(r.arrendador) = es_fold(?3)");
    Statement st(db, sql + QStringLiteral(" ORDER BY r.ref"));
    st.bind(1, desde).bind(2, desde.addMonths(1));
    if (!propietario.trimmed().isEmpty())
        st.bind(3, propietario.trimmed());
    std::vector<CuentaACorregir> r;
    while (st.next()) {
        const bool valida = !st.text(4).isEmpty() && ValidarCcc(st.text(1), st.text(2), st.text(3), st.text(4));
        CuentaACorregir c{st.integer(0), st.text(5), st.text(6), st.text(7), st.text(8)};
        const bool inmuebleValida = c.banco.size() == 4 && c.sucursal.size() == 4 && c.dc.size() == 2 &&
                                    c.ccc.size() == 10 && ValidarCcc(c.banco, c.sucursal, c.dc, c.ccc);
        if (!valida && inmuebleValida)
            r.push_back(c);
    }
    return r;
}

}  // namespace

int ContarCuentasACorregir(Database& db, const QDate& mes, const QString& propietario)
{
    return int(CuentasACorregir(db, mes, propietario).size());
}

int CorregirCuentasRecibos(Database& db, const QDate& mes, const QString& propietario)
{
    Transaction tx(db);
    const std::vector<CuentaACorregir> cuentas = CuentasACorregir(db, mes, propietario);
    Statement up(db, "UPDATE recibo SET banco = ?2, sucursal = ?3, dc = ?4, ccc = ?5 WHERE ref = ?1");
    for (const CuentaACorregir& c : cuentas)
        up.bind(1, c.ref).bind(2, c.banco).bind(3, c.sucursal).bind(4, c.dc).bind(5, c.ccc).run();
    tx.commit();
    return int(cuentas.size());
}
