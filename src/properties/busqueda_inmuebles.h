#pragma once
// The property search: by any text of thirteen columns or by contract month.
#include <QList>
#include <QString>
#include <QVariantList>

class Database;

inline const QString kNingunInmuebleCoincide =
    QStringLiteral("No se ha encontado ningún inmueble que coincida.");
inline const QString kInmuebleNoEncontrado = QStringLiteral("Inmueble no encontrado.");
inline const QString kAyudaBusqueda = QStringLiteral(
    "Busca por el nombre del inquilino, dni, direccion, piso, codigo postal, localidad, email notas, "
    "telefono, refcatastral o nombre del arrendador");

struct ResultadoBusqueda {
    qint64 ref = 0;
    QString direccion, piso, inquilino, arrendador;
};

// A search as the property form can browse it: a condition on inmueble with its bound values.
struct CondicionBusqueda {
    QString sql;
    QVariantList valores;
};

// Any of the thirteen columns holds `texto` (case ignored, Spanish letters folded;
// % _ and \ are plain characters).
CondicionBusqueda CondicionTexto(const QString& texto);
// The contract date falls in month `mes` (1 to 12) of any year.
CondicionBusqueda CondicionMesContrato(int mes);

// The matches in entry order, at most `limite` of them (no limit when negative). Throws
// DbError when the statement fails.
QList<ResultadoBusqueda> BuscarInmuebles(Database& db, const CondicionBusqueda& c, int limite = -1);
// How many properties match.
int ContarInmuebles(Database& db, const CondicionBusqueda& c);
// The refs of every match, in entry order: what the property form browses after a search.
QList<qint64> RefsInmuebles(Database& db, const CondicionBusqueda& c);

// "street floor\nInquilino:  tenant\nArrendador: owner", the text of a result row.
QString TextoResultado(const ResultadoBusqueda& r);
// ref, street, floor, tenant and owner tab-separated.
QString LineaResultado(const ResultadoBusqueda& r);
