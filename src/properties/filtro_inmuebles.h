#pragma once
// "Filtro Inmuebles": the properties chosen for the property listing, staged in
// informe_inmueble in browsing order.
#include "reports/listado_inmuebles.h"

class Database;

// Empties informe_inmueble and fills it with the properties that meet every chosen field,
// in browsing order, in one transaction; returns how many. Texts compare ignoring case
// (Spanish letters folded), "Piso" as a part of the floor; a receipt flag that is NULL
// counts as not set. Throws DbError, with the staging as it was, on failure.
int PrepararInformeInmuebles(Database& db, const CriteriosInmuebles& c);
