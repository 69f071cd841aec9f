#pragma once
#include <QString>

class Database;

// What the main window checks before it opens the owner-dependent screens.
// Both throw DbError when the workspace cannot be read.
bool HayPropietarios(Database& db);
bool HayInmuebles(Database& db);

inline const QString kSinPropietarios = QStringLiteral("Primero debe introducir un propietario.");
inline const QString kErrorPropietarios = QStringLiteral("No es posible encontrar propietarios.");
inline const QString kSinInmuebles = QStringLiteral("Es necesario que introduzca primero un inmueble");
