#include <QDate>

#include "billing/emision_facturacion.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "reports/informe_lineas.h"
#include "reports/listado_facturacion.h"

namespace {

// The run listing of the report viewer: the month staged, its title and lines.
int cmdVerFacturacion(const Args& a)
{
    const QDate mes = LeerMes(a[1]);
    const QString pdf = a.option(QStringLiteral("--pdf"));
    if (!pdf.isEmpty())
        ComprobarSalidas({a[0]}, {pdf});
    Database db = AbrirWorkspace(a[0]);
    PrepararEmisionMes(db, mes);
    const QStringList lineas = LineasFacturacion(db);
    const QString titulo = TituloFacturacion(mes);
    out() << titulo << '\n';
    for (const QString& l : lineas)
        out() << l << '\n';
    if (!pdf.isEmpty())
        CInformeLineas(lineas, titulo).APdf(pdf);
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> ReportsSubcommands()
{
    return {
        {"ver-facturacion", "FICHERO.rtv AAAA-MM [--pdf L.pdf]", 2, 2, cmdVerFacturacion,
         {{"--pdf", true}}, "listado de los recibos de una facturación"},
    };
}
