#pragma once
// Stand-ins used by billing until the shared workspace schema and money formatting
// land; each is replaced by the shared one then. Nothing else should call them.
#include <QString>

#include "data/database.h"
#include "util/moneda.h"

namespace provisional {

// Creates a new workspace file with the tables billing uses; refuses an existing file.
void CrearWorkspace(const QString& path);
Database AbrirWorkspace(const QString& path);

// 1.234,56 and back; `ok` false on text that is not an amount.
QString MonedaATexto(Moneda m);
Moneda TextoAMoneda(const QString& texto, bool* ok = nullptr);

}  // namespace provisional
