#include "properties/requisitos_menu.h"

#include "data/database.h"

bool HayPropietarios(Database& db)
{
    return QueryInteger(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM propietario)")) != 0;
}

bool HayInmuebles(Database& db)
{
    return QueryInteger(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM inmueble)")) != 0;
}
