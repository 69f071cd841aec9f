#include "billing/provisional.h"
#include "util/formato.h"

#include <QFile>
#include <QRegularExpression>

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

QString MonedaATexto(Moneda m)
{
    return ::MonedaATexto(m);
}

Moneda TextoAMoneda(const QString& texto, bool* ok)
{
    return ::TextoAMoneda(texto, ok);
}

}  // namespace provisional
