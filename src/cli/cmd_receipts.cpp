#include <QDate>

#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "receipts/trabajo_impresion.h"
#include "settings/ajustes.h"

namespace {

int cmdRecibosPdf(const Args& a)
{
    const QDate mes = LeerMes(a[1]);
    ComprobarSalidas({a[0]}, {a[2]});
    Database db = AbrirWorkspace(a[0]);
    const int paginas = RecibosMesAPdf(db, mes, a[2], a.has(QStringLiteral("--factura")),
                                       !a.has(QStringLiteral("--gris")), LeerAjustesRecibo());
    out() << paginas << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> ReceiptsSubcommands()
{
    return {
        {"recibos-pdf", "FICHERO.rtv AAAA-MM SALIDA.pdf [--factura] [--gris]", 3, 3, cmdRecibosPdf,
         {{"--factura", false}, {"--gris", false}}, "imprime en PDF los recibos de un mes"},
    };
}
