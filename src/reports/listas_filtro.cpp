#include "reports/listas_filtro.h"

#include <QSet>
#include <QVariantList>

#include "data/database.h"
#include "reports/seleccion_informe.h"

namespace {

// The first column of `sql` over the values, each text once (ignoring case).
QStringList Lista(Database& db, const QString& sql, const QVariantList& valores = {})
{
    Statement st(db, sql);
    for (int i = 0; i < valores.size(); ++i)
        st.bind(i + 1, valores[i]);
    QStringList r;
    QSet<QString> vistos;
    while (st.next()) {
        const QString v = st.text(0);
        if (!vistos.contains(PlegarTexto(v))) {
            vistos.insert(PlegarTexto(v));
            r << v;
        }
    }
    return r;
}

// "AND es_fold(columna) = ?n" for each chosen value.
QString Condiciones(const QList<std::pair<const char*, QString>>& campos, QVariantList& valores)
{
    QString sql;
    for (const auto& [columna, valor] : campos) {
        if (!FiltroElegido(valor))
            continue;
        valores << PlegarTexto(valor);
        sql += QStringLiteral(" AND es_fold(%1) = ?%2").arg(QLatin1String(columna)).arg(valores.size());
    }
    return sql;
}

}  // namespace

QStringList PropietariosFiltro(Database& db)
{
    return Lista(db, QStringLiteral("SELECT nombre FROM propietario ORDER BY es_fold(nombre), nombre"));
}

QStringList LocalidadesFiltro(Database& db)
{
    return Lista(db, QStringLiteral("SELECT DISTINCT localidad FROM inmueble WHERE localidad IS NOT NULL"
                                    " AND trim(localidad) <> '' ORDER BY es_fold(localidad), localidad"));
}

QStringList DireccionesFiltro(Database& db, const QString& localidad, const QString& propietario)
{
    QVariantList valores;
    const QString donde = Condiciones({{"localidad", localidad}, {"arrendador", propietario}}, valores);
    return Lista(db, QStringLiteral("SELECT DISTINCT direccion FROM inmueble WHERE direccion IS NOT NULL"
                                    "%1 ORDER BY es_fold(direccion), direccion").arg(donde), valores);
}

QStringList PisosFiltro(Database& db, const QString& direccion, const QString& localidad,
                        const QString& propietario)
{
    if (!FiltroElegido(direccion))
        return {};
    QVariantList valores;
    const QString donde = Condiciones(
        {{"direccion", direccion}, {"localidad", localidad}, {"arrendador", propietario}}, valores);
    return Lista(db, QStringLiteral("SELECT piso FROM inmueble WHERE 1%1 ORDER BY ref").arg(donde), valores);
}
