#include "app/copia_segura.h"
#include "cli/cli.h"
#include "data/database.h"
#include "util/errores.h"

namespace {

// The copy must carry the same mark as the workspace it replaces; the replacement is atomic.
int cmdRestaurar(const Args& a)
{
    int appId = 0;
    try {
        Database destino(a[1], Database::Mode::ReadOnly);
        appId = destino.applicationId();
    } catch (const DbError&) {
    }
    if (appId == 0)
        throw UserError(QStringLiteral("El archivo %1 no es un archivo de Rentiva.").arg(a[1]));
    RestaurarArchivo(a[0], a[1], appId);
    out() << "restaurado " << a[1] << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> AppSubcommands()
{
    return {
        {"restaurar", "COPIA.rtv FICHERO.rtv", 2, 2, cmdRestaurar},
    };
}
