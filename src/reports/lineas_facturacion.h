#pragma once
// The listing of a billing run as the report viewer shows it, built from the staged rows.
#include <QDate>
#include <QStringList>

class Database;

// "Facturación MARZO del 2007." for a run of March 2007.
QString TituloFacturacion(const QDate& fecha);

// A header line, one line per staged row in staged order (number, address and floor,
// tenant, document, total) and the total line; every line 116 characters unless an amount
// is wider than its field. Refuses a closed workspace ("No hay base abierta") and an empty
// staging ("No existen recibos para esta selección.").
QStringList LineasFacturacion(Database& db);
