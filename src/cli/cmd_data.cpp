#include <QFileInfo>

#include "data/copia_segura.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/workspace.h"
#include "util/errores.h"

namespace {

int cmdCrear(const Args& a)
{
    CrearWorkspace(a[0]);
    out() << "creado " << a[0] << '\n';
    return kExitOk;
}

int cmdActualizar(const Args& a)
{
    Database db = AbrirWorkspace(a[0]);
    out() << "actualizado " << a[0] << " (versión " << db.userVersion() << ")\n";
    return kExitOk;
}

// A backup for a scheduler: the source may be open in the program, so it is read through
// SQLite's online backup and never upgraded or written here.
int cmdCopia(const Args& a)
{
    if (!QFileInfo(a[0]).isFile())
        throw UserError(QStringLiteral("No se encuentra el archivo %1.").arg(a[0]));
    if (!EsWorkspace(a[0]))
        throw UserError(QStringLiteral("El archivo %1 no es un archivo de Rentiva.").arg(a[0]));
    Database origen(a[0], Database::Mode::ReadOnly);
    CopiarBaseA(origen, a[1]);
    out() << "copiado " << a[0] << " en " << a[1] << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> DataSubcommands()
{
    return {
        {"crear", "FICHERO.rtv", 1, 1, cmdCrear, {}, "crea un archivo de trabajo vacío"},
        {"actualizar", "FICHERO.rtv", 1, 1, cmdActualizar, {},
         "pone al día un archivo de una versión anterior"},
        {"copia", "ORIGEN.rtv DESTINO.rtv", 2, 2, cmdCopia, {},
         "copia de seguridad de un archivo, aunque esté abierto"},
    };
}
