#include "billing/provisional.h"

#include <QFile>

#include "data/esquema.h"
#include "util/errores.h"

namespace provisional {

void CrearWorkspace(const QString& path)
{
    ::CrearWorkspace(path);
}

Database AbrirWorkspace(const QString& path)
{
    return ::AbrirWorkspace(path);
}

}  // namespace provisional
