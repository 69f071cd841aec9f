#pragma once
#include <QString>
#include <functional>

class Database;

// Copies the open workspace to target with SQLite's online backup, after checking that it is
// not damaged (quick_check): written beside target, synced, then put in its place by
// SustituirBase. Refuses a target that is the workspace itself or one of its side files.
// Throws UserError/DbError.
void CopiarBaseA(Database& db, const QString& target);

// Checks that origen is a workspace of ours that opens and passes the integrity check,
// then puts a copy of it in place of destino, which must exist. destino is untouched on
// any refusal. appId: the application id a workspace must carry. comprobar, when given, is
// run on the checked copy before it replaces destino (open it as a workspace); what it
// throws refuses.
void RestaurarArchivo(const QString& origen, const QString& destino, int appId,
                      const std::function<void(const QString&)>& comprobar = {});

// Puts the complete, checked database file `temporal` in place of destino. A journal or WAL
// that a crash left beside destino belongs to the old file: SQLite rolls it back into that
// file first and the lock taken then is held while the copy is renamed in, so it is never
// replayed over the copy and no program writes the old file meanwhile. A kill at any moment
// leaves destino as it was or as the copy. A symbolic link is refused, not written through.
// On failure `temporal` is removed.
void SustituirBase(const QString& temporal, const QString& destino);

// "rentiva.rtv", then "rentiva_0.rtv", "rentiva_1.rtv" ... in carpeta: the first that does not exist.
QString NombreLibre(const QString& carpeta);
