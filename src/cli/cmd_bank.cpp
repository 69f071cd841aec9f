#include <QDate>

#include "util/formato.h"
#include "bank/remesa.h"
#include "billing/facturaciones.h"
#include "data/workspace.h"
#include "cli/cli.h"
#include "settings/ajustes.h"
#include "data/database.h"
#include "data/rutas_salida.h"

namespace {

int cmdRemesa(const Args& a)
{
    const QDate mes = LeerMes(a[2]);
    const QDate hoy = QDate::currentDate();
    const bool marcar = a.has(QStringLiteral("--marcar"));
    // Marking as the runs list does: the issue dialog proposes the charge date.
    QDate cargo = marcar ? ProponerFechaCobro(mes, LeerAjustesRecibo().vencimiento) : hoy;
    if (a.has(QStringLiteral("--cargo"))) {
        cargo = QDate::fromString(a.option(QStringLiteral("--cargo")), QStringLiteral("dd/MM/yyyy"));
        if (!cargo.isValid())
            throw UsageError{QStringLiteral("La fecha de cargo debe escribirse DD/MM/AAAA, por ejemplo 05/03/2024.")};
        // The bank cannot charge before the file is issued (today).
        if (cargo < hoy)
            throw UsageError{QStringLiteral("La fecha de cargo %1 es anterior a la de emisión del fichero "
                                            "(hoy, %2). Indique hoy o una fecha posterior.")
                                 .arg(cargo.toString(QStringLiteral("dd/MM/yyyy")),
                                      hoy.toString(QStringLiteral("dd/MM/yyyy")))};
    }
    QStringList salidas{a[3]};
    if (a.has(QStringLiteral("--listado")))
        salidas << a.option(QStringLiteral("--listado"));
    ComprobarSalidas({a[0]}, salidas);
    Database db = AbrirWorkspace(a[0]);
    const ResultadoRemesa r = GenerarRemesa(db, a[1], mes, hoy, cargo, LeerAjustesBanco(), a[3],
                                            a.option(QStringLiteral("--listado")), marcar);
    for (const ReciboExcluido& e : r.excluidos)
        err() << "Excluido: " << e.Texto() << '\n';
    out() << r.recibos << '\n' << MonedaATexto(r.total) << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> BankSubcommands()
{
    return {
        {"remesa", "FICHERO.rtv PROPIETARIO AAAA-MM SALIDA [--cargo DD/MM/AAAA] [--listado L.pdf] [--marcar]",
         4, 4, cmdRemesa, {{"--cargo", true}, {"--listado", true}, {"--marcar", false}},
         "fichero de domiciliaciones (Cuaderno 19) de un propietario"},
    };
}
