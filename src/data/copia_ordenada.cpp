#include "data/copia_ordenada.h"

#include "data/database.h"

namespace {

// A page cache large enough to hold the source table while it is copied in an order other
// than its own: each row is then fetched from the cache rather than read from the file
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

int CopiarEnOrden(Database& db, const QString& origen, const QString& destino, const QStringList& columnas,
                  const QStringList& valoresOrigen, const QString& donde, const QVariantList& valores,
                  const QString& orden)
{
    CacheAmpliada cache(db);
    Savepoint sp(db, "copiar_en_orden");
    db.exec(QStringLiteral("DROP TABLE IF EXISTS temp.orden_copia"));
    Statement ordenados(db, QStringLiteral("CREATE TEMP TABLE orden_copia AS SELECT rowid AS id FROM %1%2 ORDER BY %3")
                                .arg(QuoteIdentifier(origen), donde, orden));
    for (int i = 0; i < valores.size(); ++i)
        ordenados.bind(i + 1, valores[i]);
    ordenados.run();
    // CROSS JOIN keeps the ordered ids as the outer loop: rows are inserted in their order.
    db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM temp.orden_copia o CROSS JOIN %4 t"
                           " ON t.rowid = o.id ORDER BY o.rowid")
                .arg(QuoteIdentifier(destino), columnas.join(QStringLiteral(", ")),
                     valoresOrigen.join(QStringLiteral(", ")), QuoteIdentifier(origen)));
    const int n = db.changes();
    db.exec(QStringLiteral("DROP TABLE temp.orden_copia"));
    sp.release();
    return n;
}
