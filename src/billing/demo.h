#pragma once
#include <QString>

class Database;

// Fills a new, empty workspace with believable Spanish data: a few owners with valid
// tax numbers and accounts, and `inmuebles` properties with tenants, rents, concepts,
// taxes, accounts and mixed receipt flags. The same seed gives the same data.
// One transaction; refuses a workspace that already has owners or properties.
void LlenarDemo(Database& db, int inmuebles = 40, quint32 semilla = 20240601);

// Creates the workspace file `ruta` (refusing an existing file) and fills it.
void CrearArchivoDemo(const QString& ruta, int inmuebles = 40);
