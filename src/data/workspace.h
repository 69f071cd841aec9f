#pragma once
// Opening and creating a workspace file, with the checks of its header.
#include <QString>

#include "data/database.h"

// A new workspace at ruta; refuses an existing file. Throws UserError/DbError.
Database CrearWorkspace(const QString& ruta);
// Opens a workspace of ours and upgrades it. A missing, foreign or damaged file is refused
// with a Spanish UserError and left exactly as it was.
Database AbrirWorkspace(const QString& ruta);
// True when the file carries our mark (read from its header without opening it).
bool EsWorkspace(const QString& ruta);
