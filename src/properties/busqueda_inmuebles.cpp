#include "properties/busqueda_inmuebles.h"

#include <QStringList>

#include "data/database.h"

namespace {

const char* const kColumnasBusqueda[] = {
    "direccion", "piso", "cp", "localidad", "arrendador", "nom_arrendatario", "doc_arrendatario_num",
    "telefono_casa", "telefono_movil", "notas", "refcatastral", "email", "direccioninquilino"};

Statement Preparar(Database& db, const QString& select, const CondicionBusqueda& c, const QString& resto = {})
{
    Statement st(db, QStringLiteral("%1 FROM inmueble WHERE %2%3").arg(select, c.sql, resto));
    for (int i = 0; i < c.valores.size(); ++i)
        st.bind(i + 1, c.valores[i]);
    return st;
}

}  // namespace

CondicionBusqueda CondicionTexto(const QString& texto)
{
    // SQLite's LIKE already ignores the case of ASCII letters: a plain ASCII text needs no
    // folding of the columns, which keeps the search fast on long notes. Any other text is
    // looked for in the folded columns, all thirteen in one call a row.
    bool ascii = true;
    for (const QChar c : texto)
        ascii = ascii && c.unicode() < 0x80;
    QStringList columnas;
    for (const char* columna : kColumnasBusqueda)
        columnas << QLatin1String(columna);
    if (!ascii)
        return {QStringLiteral("es_contiene(?1, %1)").arg(columnas.join(QStringLiteral(", "))), {PlegarTexto(texto)}};
    for (QString& c : columnas)
        c += QStringLiteral(" LIKE ?1 ESCAPE '\\'");
    return {columnas.join(QStringLiteral(" OR ")), {QStringLiteral("%") + EscaparLike(texto) + QStringLiteral("%")}};
}

CondicionBusqueda CondicionMesContrato(int mes)
{
    return {QStringLiteral("CAST(strftime('%m', fecha) AS INTEGER) = ?1"), {qint64(mes)}};
}

QList<ResultadoBusqueda> BuscarInmuebles(Database& db, const CondicionBusqueda& c, int limite)
{
    Statement st = Preparar(db, QStringLiteral("SELECT ref, direccion, piso, nom_arrendatario, arrendador"), c,
                            QStringLiteral(" ORDER BY ref, rowid LIMIT %1").arg(limite < 0 ? -1 : limite));
    QList<ResultadoBusqueda> r;
    while (st.next())
        r.append({st.integer(0), st.text(1), st.text(2), st.text(3), st.text(4)});
    return r;
}

int ContarInmuebles(Database& db, const CondicionBusqueda& c)
{
    Statement st = Preparar(db, QStringLiteral("SELECT COUNT(*)"), c);
    return st.next() ? int(st.integer(0)) : 0;
}

QList<qint64> RefsInmuebles(Database& db, const CondicionBusqueda& c)
{
    Statement st = Preparar(db, QStringLiteral("SELECT ref"), c, QStringLiteral(" ORDER BY ref, rowid"));
    QList<qint64> r;
    while (st.next())
        r.append(st.integer(0));
    return r;
}

QString TextoResultado(const ResultadoBusqueda& r)
{
    return QStringLiteral("%1 %2\nInquilino:  %3\nArrendador: %4").arg(r.direccion, r.piso, r.inquilino, r.arrendador);
}

QString LineaResultado(const ResultadoBusqueda& r)
{
    return QStringList{QString::number(r.ref), r.direccion, r.piso, r.inquilino, r.arrendador}.join(u'\t');
}
