#include "data/emision.h"

#include "data/copia_ordenada.h"
#include "data/database.h"
#include "data/esquema.h"
#include "util/errores.h"

namespace {

QString ColumnasRecibo()
{
    return NombresColumnas(QStringLiteral("recibo")).join(QStringLiteral(", "));
}


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
    QStringList destino = NombresColumnas(QStringLiteral("recibo"));
    QStringList origen;
    for (const QString& c : destino)
        origen << QStringLiteral("t.") + c;
    destino << QStringLiteral("is_recibo_seleccionado");
    origen << (seleccionado ? QStringLiteral("1") : QStringLiteral("0"));
    return CopiarEnOrden(db, QStringLiteral("recibo"), QStringLiteral("emision_recibo"), destino, origen, donde,
                         valores, orden);
}
