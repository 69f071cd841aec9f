#include "data/copia_segura.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"

namespace {

int cmdCrear(const Args& a)
{
    CrearWorkspace(a[0]);
    out() << "creado " << a[0] << '\n';
    return kExitOk;
}

// A damaged file is refused before the upgrade touches it, and checked again after it.
int cmdActualizar(const Args& a)
{
    Database db = AbrirWorkspace(a[0], true);
    out() << "actualizado " << a[0] << " (versión " << db.userVersion() << ")\n";
    return kExitOk;
}

// A backup for a scheduler: the source may be open in the program, so it is read through
// SQLite's online backup and never upgraded here (a crash's journal is rolled back first).
int cmdCopia(const Args& a)
{
    ComprobarSalidas({a[0]}, {a[1]});
    Database origen = AbrirWorkspaceSinActualizar(a[0]);
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
