#pragma once
#include <QString>
#include <functional>

class Database;

// Copies the open workspace to target with SQLite's online backup: written to a temporary
// file beside target, flushed, then renamed over it, so a failure leaves no half file.
// Refuses target == the open workspace. Throws UserError/DbError.
void CopiarBaseA(Database& db, const QString& target);

// Checks that origen is a workspace of ours that opens and passes the integrity check,
// then replaces destino with it atomically. destino is untouched on any refusal.
// appId: the application id a workspace must carry. comprobar, when given, is run on the
// checked copy before it replaces destino (open it as a workspace); what it throws refuses.
void RestaurarArchivo(const QString& origen, const QString& destino, int appId,
                      const std::function<void(const QString&)>& comprobar = {});

// "rentiva.rtv", then "rentiva_0.rtv", "rentiva_1.rtv" ... in carpeta: the first that does not exist.
QString NombreLibre(const QString& carpeta);
