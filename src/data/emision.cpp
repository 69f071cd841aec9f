#include "data/emision.h"

#include "data/database.h"
#include "data/esquema.h"
#include "util/errores.h"

namespace {

QString ColumnasRecibo()
{
    return NombresColumnas(QStringLiteral("recibo")).join(QStringLiteral(", "));
}

// "a, b" as "r.a, r.b".
QString PrefijarColumnas(const QString& prefijo)
{
    QStringList cols = NombresColumnas(QStringLiteral("recibo"));
    for (QString& c : cols)
        c.prepend(prefijo);
    return cols.join(QStringLiteral(", "));
}

// A page cache large enough to hold the receipts while they are copied in an order other
// than their own: each row is then fetched from the cache rather than read from the file
// again. The connection's own size comes back afterwards, freeing the pages.
class CacheAmpliada {
public:
    explicit CacheAmpliada(Database& db)
        : m_db(db), m_antes(QueryInteger(db, QStringLiteral("PRAGMA cache_size")))
    {
        m_db.exec(QStringLiteral("PRAGMA cache_size = -262144"));   // KiB: at most 256 MiB
    }
    ~CacheAmpliada()
    {
        try {
            m_db.exec(QStringLiteral("PRAGMA cache_size = %1").arg(m_antes));
        } catch (...) {
        }
    }
    CacheAmpliada(const CacheAmpliada&) = delete;
    CacheAmpliada& operator=(const CacheAmpliada&) = delete;

private:
    Database& m_db;
    qint64 m_antes;
};

}  // namespace

void VaciarEmision(Database& db)
{
    db.exec(QStringLiteral("DELETE FROM emision_recibo"));
}

int CopiarRecibosAEmision(Database& db, const QList<qint64>& refs, bool seleccionado)
{
    const QString cols = ColumnasRecibo();
    Savepoint pg(db, "copiar_emision");
    Statement ins(db, QStringLiteral("INSERT INTO emision_recibo (%1, is_recibo_seleccionado)"
                                     " SELECT %1, ?2 FROM recibo WHERE ref = ?1").arg(cols));
    int n = 0;
    for (qint64 ref : refs) {
        ins.bind(1, ref).bind(2, seleccionado).run();
        n += db.changes();
    }
    pg.release();
    return n;
}

int CopiarRecibosAEmision(Database& db, const QString& condicion, const QVariantList& valores,
                          const QString& orden, bool seleccionado)
{
    const QString cols = ColumnasRecibo();
    const QString donde = condicion.trimmed().isEmpty() ? QString() : QStringLiteral(" WHERE ") + condicion;
    if (orden.trimmed().isEmpty() || orden.trimmed() == QLatin1String("ref")) {
        // By ref, the table's own order: no sort.
        Statement st(db, QStringLiteral("INSERT INTO emision_recibo (%1, is_recibo_seleccionado) SELECT %1, %2"
                                        " FROM recibo%3 ORDER BY ref")
                             .arg(cols, seleccionado ? QStringLiteral("1") : QStringLiteral("0"), donde));
        for (int i = 0; i < valores.size(); ++i)
            st.bind(i + 1, valores[i]);
        st.run();
        return db.changes();
    }
    // Sorting whole rows carries every column through the sorter (and to disk on large
    // selections): sort the keys and row ids alone, then copy the rows in that order.
    CacheAmpliada cache(db);
    Savepoint sp(db, "copiar_emision_orden");
    db.exec(QStringLiteral("DROP TABLE IF EXISTS temp.orden_emision"));
    Statement orden_st(db, QStringLiteral("CREATE TEMP TABLE orden_emision AS SELECT rowid AS id FROM recibo%1"
                                          " ORDER BY %2").arg(donde, orden));
    for (int i = 0; i < valores.size(); ++i)
        orden_st.bind(i + 1, valores[i]);
    orden_st.run();
    // CROSS JOIN keeps the ordered ids as the outer loop: rows are inserted in their order.
    Statement st(db, QStringLiteral("INSERT INTO emision_recibo (%1, is_recibo_seleccionado) SELECT %2, %3"
                                    " FROM temp.orden_emision o CROSS JOIN recibo r ON r.rowid = o.id"
                                    " ORDER BY o.rowid")
                         .arg(cols, PrefijarColumnas(QStringLiteral("r.")),
                              seleccionado ? QStringLiteral("1") : QStringLiteral("0")));
    st.run();
    const int n = db.changes();
    db.exec(QStringLiteral("DROP TABLE temp.orden_emision"));
    sp.release();
    return n;
}
