#pragma once
// Stand-in used until the shared workspace schema lands; replaced by it then.
#include <QString>

#include "data/database.h"

namespace provisional {

// Creates a new workspace file with the tables billing uses; refuses an existing file.
void CrearWorkspace(const QString& path);
Database AbrirWorkspace(const QString& path);

}  // namespace provisional
