#include <QFileInfo>

#include "data/copia_segura.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/esquema.h"
#include "data/workspace.h"
#include "util/errores.h"

namespace {

// The copy must be a workspace of ours that opens (and upgrades, on the copy) before it
// replaces the target; the replacement is atomic. A target that is not ours is never
// overwritten; a damaged one of ours may be, which is what a restore is for.
int cmdRestaurar(const Args& a)
{
    if (QFileInfo::exists(a[1]) && !EsWorkspace(a[1]))
        throw UserError(MensajeNoEsWorkspace(a[1]));
    RestaurarArchivo(a[0], a[1], kAplicacionId, [](const QString& copia) { AbrirWorkspace(copia).close(); });
    out() << "restaurado " << a[1] << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> AppSubcommands()
{
    return {
        {"restaurar", "COPIA.rtv FICHERO.rtv", 2, 2, cmdRestaurar, {},
         "sustituye el archivo por una copia comprobada"},
    };
}
