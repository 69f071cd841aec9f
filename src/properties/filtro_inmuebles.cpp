#include "properties/filtro_inmuebles.h"

#include <QStringList>
#include <QVariantList>

#include "data/copia_ordenada.h"
#include "data/database.h"
#include "data/esquema.h"
#include "data/record_set.h"
#include "util/letras.h"

int PrepararInformeInmuebles(Database& db, const CriteriosInmuebles& c)
{
    QStringList pruebas;
    QVariantList valores;
    const auto prueba = [&](const QString& sql, const QVariant& v) {
        valores << v;
        pruebas << QString(sql).replace(QStringLiteral("?"), QStringLiteral("?%1").arg(valores.size()));
    };
    if (const int mes = NumeroMes(c.mes); mes > 0)
        prueba(QStringLiteral("CAST(strftime('%m', fecha) AS INTEGER) = ?"), qint64(mes));
    const std::pair<const char*, const QString*> iguales[] = {
        {"direccion", &c.direccion}, {"piso", &c.piso}, {"localidad", &c.localidad},
        {"codref", &c.referencia}, {"arrendador", &c.propietario}, {"nom_arrendatario", &c.inquilino}};
    for (const auto& [columna, valor] : iguales) {
        if (!Elegido(*valor))
            continue;
        if (QLatin1String(columna) == QLatin1String("piso"))
            prueba(QStringLiteral("es_fold(piso) LIKE ? ESCAPE '\\'"),
                   QStringLiteral("%") + EscaparLike(PlegarTexto(*valor)) + QStringLiteral("%"));
        else
            prueba(QStringLiteral("es_fold(%1) = es_fold(?)").arg(QLatin1String(columna)), *valor);
    }
    for (const CriteriosInmuebles::Recibo& r : c.recibos)
        if (const char* columna = ColumnaFlagRecibo(r.flag))
            pruebas << QStringLiteral("COALESCE(%1, 0) %2 0").arg(QLatin1String(columna),
                                                                   r.marcado ? QStringLiteral("<>") : QStringLiteral("="));

    const QStringList columnas = NombresColumnas(QStringLiteral("informe_inmueble"));
    QString orden = OrdenIndice(db, QStringLiteral("inmueble"), QStringLiteral("InmueblesIndex"));
    if (orden.isEmpty())
        orden = QStringLiteral("rowid");
    QStringList nombres, origen;
    for (const QString& col : columnas) {
        nombres << QuoteIdentifier(col);
        origen << QStringLiteral("t.") + QuoteIdentifier(col);
    }
    const QString donde = pruebas.isEmpty() ? QString() : QStringLiteral(" WHERE ") + pruebas.join(QStringLiteral(" AND "));
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM informe_inmueble"));
    const int n = CopiarEnOrden(db, QStringLiteral("inmueble"), QStringLiteral("informe_inmueble"), nombres, origen,
                                donde, valores, orden);
    tx.commit();
    return n;
}
