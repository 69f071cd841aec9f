#include "billing/cobros.h"

#include "billing/estado_recibo.h"
#include "data/database.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/texto.h"

namespace {

bool SinCondicion(const QString& t)
{
    const QString s = t.trimmed();
    return s.isEmpty() || s == QLatin1String("TODOS") || s == QLatin1String("TODAS");
}

QString Condicion(const QString& t)
{
    return SinCondicion(t) ? QString() : t.trimmed();
}

const char* const kTotal = "COALESCE(renta,0)+COALESCE(iva,0)+COALESCE(irpf,0)+COALESCE(otro_importe1,0)"
                           "+COALESCE(otro_importe2,0)+COALESCE(otro_importe3,0)";

QString ColumnasLinea()
{
    return QStringLiteral("ref, fecha_facturacion, estado, fecha_cobro, COALESCE(direccion,''),"
                          " COALESCE(piso,''), %1").arg(QLatin1String(kTotal));
}

FilaCobro LeerFila(const Statement& st)
{
    return {st.integer(0), LineaCobro(st.date(1), int(st.integer(2)), st.date(3), st.text(4), st.text(5),
                                      st.money(6))};
}

}  // namespace

FiltroRecibos FiltroApertura(const QDate& hoy)
{
    FiltroRecibos f;
    // addYears keeps 29 February valid (28 February a year back).
    f.desde = hoy.addYears(-1);
    f.hasta = UltimoDiaMes(QDate(hoy.year(), hoy.month(), 1).addMonths(12));
    f.estados = {0, 2, 3, 4, 5};
    return f;
}

FiltroRecibos FiltroTodos()
{
    FiltroRecibos f;
    f.todos = true;
    return f;
}

BusquedaRecibos BusquedaPorDefecto(const QDate& hoy)
{
    BusquedaRecibos b;
    b.mesDesde = b.mesHasta = hoy.month();
    b.anioDesde = hoy.year() - 1;
    b.anioHasta = hoy.year();
    return b;
}

FiltroRecibos FiltroDeBusqueda(const BusquedaRecibos& b)
{
    if (b.estados.isEmpty())
        throw UserError(QStringLiteral("Marque al menos un estado de recibo."));
    for (int e : b.estados)
        if (e < 0 || e > 5)
            throw UserError(QStringLiteral("El estado %1 no existe: los estados van del 0 al 5.").arg(e));
    FiltroRecibos f;
    f.desde = QDate(b.anioDesde, b.mesDesde, 1);
    f.hasta = UltimoDiaMes(QDate(b.anioHasta, b.mesHasta, 1));
    if (!f.desde.isValid() || !f.hasta.isValid())
        throw UserError(QStringLiteral("El periodo de la búsqueda no es válido: revise los meses y los años."));
    f.estados = b.estados;
    f.propietario = Condicion(b.propietario);
    f.direccion = Condicion(b.direccion);
    f.piso = Condicion(b.piso);
    f.inquilino = Condicion(b.inquilino);
    return f;
}

QString LineaCobro(const QDate& facturacion, int estado, const QDate& cobro, const QString& direccion,
                   const QString& piso, Moneda total)
{
    const QChar sp = u' ';
    const QString inicio = AjustarDerecha(FechaCortaAnio2(facturacion), 9) + sp +
                           AjustarIzquierda(NombreEstadoRecibo(estado), 17) + sp +
                           AjustarIzquierda(FechaCortaAnio2(cobro), 8) + sp +
                           AjustarIzquierda(direccion + sp + piso, 47) + sp;
    return JuntarDerecha(inicio, MonedaATexto(total), 11);
}

ConsultaCobros::ConsultaCobros(Database& db, const FiltroRecibos& filtro) : m_db(db), m_filtro(filtro)
{
    if (!m_filtro.todos && m_filtro.estados.isEmpty())
        throw UserError(QStringLiteral("Marque al menos un estado de recibo."));
    Recontar();
}

QString ConsultaCobros::Donde() const
{
    if (m_filtro.todos)
        return QString();
    // Half-open: the last day is included whatever time its receipts carry.
    QString w = QStringLiteral(" WHERE fecha_facturacion >= ?1 AND fecha_facturacion < ?2");
    QStringList estados;
    for (int e : m_filtro.estados)
        estados << QString::number(int(e));   // integers of the program, not user text
    w += QStringLiteral(" AND COALESCE(estado,0) IN (%1)").arg(estados.join(u','));
    if (!m_filtro.propietario.isEmpty())
        w += QStringLiteral(" AND es_fold(arrendador) = es_fold(?3)");
    if (!m_filtro.direccion.isEmpty())
        w += QStringLiteral(" AND es_fold(direccion) LIKE ?4 ESCAPE '\\'");
    if (!m_filtro.piso.isEmpty())
        w += QStringLiteral(" AND es_fold(piso) = es_fold(?5)");
    if (!m_filtro.inquilino.isEmpty())
        w += QStringLiteral(" AND es_fold(nom_arrendatario) LIKE ?6 ESCAPE '\\'");
    return w;
}

void ConsultaCobros::Enlazar(Statement& st) const
{
    if (m_filtro.todos)
        return;
    st.bind(1, m_filtro.desde).bind(2, m_filtro.hasta.addDays(1));
    if (!m_filtro.propietario.isEmpty())
        st.bind(3, m_filtro.propietario);
    if (!m_filtro.direccion.isEmpty())
        st.bind(4, EscaparLike(PlegarTexto(m_filtro.direccion)) + u'%');
    if (!m_filtro.piso.isEmpty())
        st.bind(5, m_filtro.piso);
    if (!m_filtro.inquilino.isEmpty())
        st.bind(6, EscaparLike(PlegarTexto(m_filtro.inquilino)) + u'%');
}

int ConsultaCobros::Paginas() const
{
    return qMax(1, int((qint64(m_total) + kPorPagina - 1) / kPorPagina));
}

void ConsultaCobros::IrAPagina(int p)
{
    m_pagina = qBound(0, p, Paginas() - 1);
}

void ConsultaCobros::Recontar()
{
    Statement st(m_db, QStringLiteral("SELECT COUNT(*) FROM recibo") + Donde());
    Enlazar(st);
    m_total = st.next() ? int(st.integer(0)) : 0;
    IrAPagina(m_pagina);
}

std::vector<FilaCobro> ConsultaCobros::Lineas() const
{
    // Newest first: the list's order (billing date, owner, town, street, floor) backwards.
    // Past the middle the page is read from the other end, which keeps the sort short.
    const qint64 desde = qint64(m_pagina) * kPorPagina;
    const bool alReves = desde * 2 > m_total;
    const QString sentido = alReves ? QString() : QStringLiteral(" DESC");
    QString orden;
    for (const char* c : {"fecha_facturacion", "arrendador", "localidad", "direccion", "piso", "ref"})
        orden += (orden.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1String(c) + sentido;
    const qint64 cuantos = qMin<qint64>(kPorPagina, m_total - desde);
    if (cuantos <= 0)
        return {};
    Statement st(m_db, QStringLiteral("SELECT %1 FROM recibo%2 ORDER BY %3 LIMIT ?7 OFFSET ?8")
                           .arg(ColumnasLinea(), Donde(), orden));
    Enlazar(st);
    st.bind(7, cuantos).bind(8, alReves ? m_total - desde - cuantos : desde);
    std::vector<FilaCobro> r;
    r.reserve(size_t(cuantos));
    while (st.next())
        r.push_back(LeerFila(st));
    if (alReves)
        std::reverse(r.begin(), r.end());
    return r;
}

QString LineaCobroDe(Database& db, qint64 ref)
{
    Statement st(db, QStringLiteral("SELECT %1 FROM recibo WHERE ref = ?1").arg(ColumnasLinea()));
    st.bind(1, ref);
    if (!st.next())
        throw UserError(QStringLiteral("El recibo %1 no existe.").arg(ref));
    return LeerFila(st).linea;
}

void GuardarCobro(Database& db, qint64 ref, int estado, const QDateTime& fecha)
{
    if (estado < kEstadoSinEspecificar || estado > kEstadoDudosoCobro)
        throw UserError(QStringLiteral("El estado %1 no existe: los estados van del 0 al 5.").arg(estado));
    Transaction tx(db);
    Statement(db, "UPDATE recibo SET estado = ?2, fecha_cobro = ?3 WHERE ref = ?1")
        .bind(1, ref).bind(2, estado).bind(3, fecha).run();
    if (db.changes() == 0)
        throw UserError(QStringLiteral("El recibo %1 no existe.").arg(ref));
    tx.commit();
}

std::pair<int, QDateTime> LeerCobro(Database& db, qint64 ref)
{
    Statement st(db, "SELECT COALESCE(estado,0), fecha_cobro FROM recibo WHERE ref = ?1");
    st.bind(1, ref);
    if (!st.next())
        throw UserError(QStringLiteral("El recibo %1 no existe.").arg(ref));
    return {int(st.integer(0)), st.dateTime(1)};
}

namespace {

QStringList Distintos(Database& db, const char* columna, const QString& propietario, const QString& direccion)
{
    QString sql = QStringLiteral("SELECT DISTINCT %1 FROM inmueble WHERE %1 IS NOT NULL").arg(QLatin1String(columna));
    if (!propietario.isEmpty())
        sql += QStringLiteral(" AND es_fold(arrendador) = es_fold(?1)");
    if (!direccion.isEmpty())
        sql += QStringLiteral(" AND es_fold(direccion) = es_fold(?2)");
    Statement st(db, sql + QStringLiteral(" ORDER BY 1"));
    if (!propietario.isEmpty())
        st.bind(1, propietario);
    if (!direccion.isEmpty())
        st.bind(2, direccion);
    QStringList r;
    while (st.next())
        r << st.text(0);
    return r;
}

}  // namespace

ListasBusqueda ListasBuscarRecibos(Database& db, const QString& propietario, const QString& direccion)
{
    const QString p = Condicion(propietario);
    const QString d = Condicion(direccion);
    ListasBusqueda l;
    l.propietarios << QStringLiteral("TODOS");
    Statement st(db, "SELECT nombre FROM propietario ORDER BY ref");
    while (st.next())
        l.propietarios << st.text(0);
    l.direcciones = Distintos(db, "direccion", p, QString()) << QStringLiteral("TODAS");
    l.inquilinos = Distintos(db, "nom_arrendatario", p, d) << QStringLiteral("TODOS");
    l.pisos = Distintos(db, "piso", p, d) << QStringLiteral("TODOS");
    return l;
}
