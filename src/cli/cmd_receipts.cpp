#include <QDate>
#include <QRegularExpression>

#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "receipts/trabajo_impresion.h"

namespace {

int cmdRecibosPdf(const Args& a)
{
    static const QRegularExpression kMes(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto m = kMes.match(a[1]);
    const QDate mes = m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), 1) : QDate();
    if (!mes.isValid())
        throw UsageError{QStringLiteral("El mes debe escribirse AAAA-MM, por ejemplo 2024-03.")};
    ComprobarSalidas({a[0]}, {a[2]});
    Database db = AbrirWorkspace(a[0]);
    const int paginas = RecibosMesAPdf(db, mes, a[2], a.has(QStringLiteral("--factura")),
                                       !a.has(QStringLiteral("--gris")));
    out() << paginas << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> ReceiptsSubcommands()
{
    return {
        {"recibos-pdf", "FICHERO.rtv AAAA-MM SALIDA.pdf [--factura] [--gris]", 3, 3, cmdRecibosPdf,
         {{"--factura", false}, {"--gris", false}}},
    };
}
