#pragma once
// Opening and creating a workspace file.
#include <QString>
#include <functional>

#include "data/database.h"

// A new workspace at ruta, filled by `llenar` when given, built beside ruta and given its
// name only when complete: a failure or a kill leaves nothing at ruta. Refuses an existing
// file. Throws UserError/DbError.
Database CrearWorkspace(const QString& ruta, const std::function<void(Database&)>& llenar = {});
// Opens a workspace of ours and upgrades it. SQLite first recovers a file a crash left in the
// middle of a write; only then is the file judged. A missing, foreign or damaged file is
// refused with a Spanish UserError and left as it was. comprobarIntegridad: a full integrity
// check before the upgrade (which checks the file after its steps whenever it has any).
Database AbrirWorkspace(const QString& ruta, bool comprobarIntegridad = false);
// The same without the upgrade: for reading a workspace as it is (a backup of it).
Database AbrirWorkspaceSinActualizar(const QString& ruta, bool comprobarIntegridad = false);
// Opens ruta read-write when the file and its folder allow it (read-only otherwise) and reads
// its header, which makes SQLite roll back a journal left by a crash. Throws DbError.
Database AbrirRecuperando(const QString& ruta);
// True when the file carries our mark (read from its header without opening it).
bool EsWorkspace(const QString& ruta);
// What PRAGMA integrity_check (completa) or quick_check finds; empty when the file is sound.
QString ProblemaIntegridad(Database& db, bool completa);
// "El archivo ... está dañado ..." with what was found.
QString MensajeDanado(const QString& ruta, const QString& detalle);
