#include <QDate>

#include "billing/demo.h"
#include "billing/facturacion.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/workspace.h"
#include "util/formato.h"

namespace {

int cmdDemo(const Args& a)
{
    int inmuebles = 40;
    if (a.has(QStringLiteral("--inmuebles"))) {
        bool ok = false;
        inmuebles = a.option(QStringLiteral("--inmuebles")).toInt(&ok);
        if (!ok || inmuebles < 0)
            throw UsageError{QStringLiteral("--inmuebles espera un número entero no negativo.")};
    }
    CrearArchivoDemo(a[0], inmuebles);
    out() << "Archivo de demostración creado: " << a[0] << '\n';
    return kExitOk;
}

int cmdFacturar(const Args& a)
{
    const QDate mes = LeerMes(a[1]);
    Database db = AbrirWorkspace(a[0]);
    const ResultadoFacturacion r =
        Facturacion(db).FacturarMes(mes, a.option(QStringLiteral("--notas")));
    out() << r.recibos << '\n' << MonedaATexto(r.total) << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> BillingSubcommands()
{
    return {
        {"demo", "FICHERO.rtv [--inmuebles N]", 1, 1, cmdDemo, {{"--inmuebles", true}},
         "crea un archivo de demostración con datos de ejemplo"},
        {"facturar", "FICHERO.rtv AAAA-MM [--notas TEXTO]", 2, 2, cmdFacturar, {{"--notas", true}},
         "factura un mes: un recibo por inmueble"},
    };
}
