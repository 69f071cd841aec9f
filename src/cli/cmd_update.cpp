#include <QDir>

#include "cli/cli.h"
#include "update/actualizacion.h"

namespace {

int cmdBuscarActualizacion(const Args& a)
{
    OpcionesActualizacion o;
    o.servidor = a[0];
    o.carpeta = QDir(a[1]).absolutePath();
    if (!QDir(o.carpeta).exists())
        throw UsageError{QStringLiteral("No existe la carpeta %1.").arg(a[1])};
    bool ok = true;
    if (a.has(QStringLiteral("--version-local")))
        o.versionLocal = a.option(QStringLiteral("--version-local")).toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--version-local espera un número entero.")};
    if (a.has(QStringLiteral("--espera"))) {
        const int s = a.option(QStringLiteral("--espera")).toInt(&ok);
        if (!ok || s <= 0)
            throw UsageError{QStringLiteral("--espera espera un número de segundos mayor que cero.")};
        o.limites.esperaMs = s * 1000;
    }
    // No hand-over: the download stays in CARPETA for whoever asked for it.
    CActualizador actualizador;
    const ResultadoActualizacion r =
        actualizador.ComprobarYEsperar(o, a.option(QStringLiteral("--nombre")).toUpper());
    switch (r.codigo) {
    case kAlDia: out() << "actualizado\n"; return kExitOk;
    case kVersionAnterior: out() << "anterior\n"; return kExitOk;
    case kDescargado:
        out() << "descargado " << r.etiqueta << ' ' << QString::fromLatin1(r.sha256) << '\n';
        return kExitOk;
    default:
        err() << r.motivo << '\n';
        return kExitFailure;
    }
}

}  // namespace

std::vector<Subcommand> UpdateSubcommands()
{
    return {
        {"buscar-actualizacion", "SERVIDOR CARPETA [--nombre NOMBRE] [--version-local N] [--espera S]", 2, 2,
         cmdBuscarActualizacion, {{"--nombre", true}, {"--version-local", true}, {"--espera", true}},
         "busca una versión nueva y la descarga en CARPETA"},
    };
}
