#include "data/emision.h"

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
    QString sql = QStringLiteral("INSERT INTO emision_recibo (%1, is_recibo_seleccionado) SELECT %1, %2"
                                 " FROM recibo").arg(cols, seleccionado ? QStringLiteral("1") : QStringLiteral("0"));
    if (!condicion.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE ") + condicion;
    sql += QStringLiteral(" ORDER BY ") + (orden.trimmed().isEmpty() ? QStringLiteral("ref") : orden);
    Statement st(db, sql);
    for (int i = 0; i < valores.size(); ++i)
        st.bind(i + 1, valores[i]);
    st.run();
    return db.changes();
}
