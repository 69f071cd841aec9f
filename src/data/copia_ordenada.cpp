#include "data/copia_ordenada.h"

#include "data/database.h"

int CopiarEnOrden(Database& db, const QString& origen, const QString& destino, const QStringList& columnas,
                  const QStringList& valoresOrigen, const QString& donde, const QVariantList& valores,
                  const QString& orden)
{
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
