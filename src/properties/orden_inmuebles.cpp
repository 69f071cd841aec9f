#include "properties/orden_inmuebles.h"

#include "data/database.h"
#include "util/errores.h"

namespace {

const OrdenInmuebles kOrdenes[6] = {
    {1, "Ordenar por localidad,dirección,piso", "localidad,direccion,piso"},
    {2, "Ordenar por código postal,dirección,piso", "cp,direccion,piso"},
    {3, "Ordenar por arrendador,localidad,dirección,piso", "arrendador,localidad,direccion,piso"},
    {4, "Ordenar por arrendatario", "nom_arrendatario,ref"},
    {5, "Ordenar por fecha", "fecha,arrendador,ref"},
    {6, "Ordenar por orden de introducción", "ref"},
};

}  // namespace

const OrdenInmuebles (&OrdenesInmuebles())[6]
{
    return kOrdenes;
}

const OrdenInmuebles* BuscarOrdenInmuebles(int numero)
{
    return numero >= 1 && numero <= 6 ? &kOrdenes[numero - 1] : nullptr;
}

void AplicarOrdenInmuebles(Database& db, int numero)
{
    const OrdenInmuebles* o = BuscarOrdenInmuebles(numero);
    if (!o)
        throw UserError(QStringLiteral("El orden %1 no existe: elija un número del 1 al 6.").arg(numero));
    // Dropped and created together: a failure never leaves the table without its order.
    Transaction tx(db);
    db.exec(QStringLiteral("DROP INDEX IF EXISTS InmueblesIndex"));
    db.exec(QStringLiteral("CREATE INDEX InmueblesIndex ON inmueble(%1)").arg(QLatin1String(o->columnas)));
    tx.commit();
}

int OrdenInmueblesActual(Database& db)
{
    QString columnas;
    Statement st(db, "SELECT name FROM pragma_index_info('InmueblesIndex') ORDER BY seqno");
    while (st.next())
        columnas += (columnas.isEmpty() ? QString() : QStringLiteral(",")) + st.text(0).toLower();
    for (const OrdenInmuebles& o : kOrdenes)
        if (columnas == QLatin1String(o.columnas))
            return o.numero;
    return 0;
}
