#include <QDate>

#include "billing/emision_facturacion.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "receipts/seleccion_recibos.h"
#include "receipts/trabajo_impresion.h"
#include "reports/informe_lineas.h"
#include "settings/ajustes.h"
#include "util/errores.h"

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

QList<qint64> LeerRefs(const QString& texto)
{
    QList<qint64> refs;
    for (const QString& parte : texto.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 ref = parte.trimmed().toLongLong(&ok);
        if (!ok)
            throw UsageError{QStringLiteral("--no lleva números de recibo separados por comas, por ejemplo 12,15; "
                                            "\"%1\" no lo es.").arg(parte)};
        refs << ref;
    }
    return refs;
}

// The paper (or bank) staging of a month as the selection form would show it, with the
// receipts of --no switched to "No"; then the listing, the invoices and the paper receipts.
int cmdSeleccion(const Args& a)
{
    const QDate mes = LeerMes(a[1]);
    const bool banco = a.has(QStringLiteral("--banco"));
    const QString propietario = a.option(QStringLiteral("--propietario"));
    if (banco && propietario.trimmed().isEmpty())
        throw UsageError{QStringLiteral("--banco necesita --propietario NOMBRE: el fichero del banco es de un propietario.")};
    if (banco && a.has(QStringLiteral("--recibos")))
        throw UsageError{QStringLiteral("--recibos imprime recibos en papel; con --banco no se usa "
                                        "(el fichero del banco lo escribe rentiva-cli remesa).")};
    const QList<qint64> no = LeerRefs(a.option(QStringLiteral("--no")));
    const QString listado = a.option(QStringLiteral("--listado"));
    const QString facturas = a.option(QStringLiteral("--facturas"));
    const QString recibos = a.option(QStringLiteral("--recibos"));
    QStringList salidas;
    for (const QString& salida : {listado, facturas, recibos})
        if (!salida.isEmpty())
            salidas << salida;
    ComprobarSalidas({a[0]}, salidas);

    Database db = AbrirWorkspace(a[0]);
    const AjustesRecibo ajustes = LeerAjustesRecibo();
    if (banco)
        PrepararEmisionBanco(db, mes, propietario);
    else
        PrepararEmisionPapel(db, mes, propietario);
    CSeleccionRecibos seleccion(db, banco ? ModoSeleccion::Banco : ModoSeleccion::Papel,
                                QDateTime::currentDateTime());
    seleccion.MarcarNo(no);

    const QStringList lineas = seleccion.LineasListado();
    for (const QString& l : lineas)
        out() << l << '\n';
    if (!listado.isEmpty())
        CInformeLineas(lineas, TituloListadoSeleccion()).APdf(listado);
    if (!facturas.isEmpty()) {
        const auto f = RecibosEmision(db, true, ajustes, QDate(), seleccion.RefsSeleccionados());
        if (f.empty())
            throw UserError(QStringLiteral("No hay ningún recibo marcado con \"Si\": no se escribe %1.").arg(facturas));
        RecibosAPdf(f, facturas, QStringLiteral("Facturas"), true);
    }
    if (!recibos.isEmpty()) {
        seleccion.Confirmar();
        CerrarEmisionRevision(db);
        const auto r = RecibosParaImprimir(db,
                                           propietario.trimmed().isEmpty() ? VarianteImpresion::PapelTodos
                                                                           : VarianteImpresion::PapelPropietario,
                                           mes, ajustes);
        RecibosAPdf(r, recibos, QStringLiteral("Recibos"), true);
    }
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> ReceiptsSubcommands()
{
    return {
        {"recibos-pdf", "FICHERO.rtv AAAA-MM SALIDA.pdf [--factura] [--gris]", 3, 3, cmdRecibosPdf,
         {{"--factura", false}, {"--gris", false}}, "imprime en PDF los recibos de un mes"},
        {"seleccion",
         "FICHERO.rtv AAAA-MM [--propietario NOMBRE] [--banco] [--no REF,...] [--listado L.pdf] "
         "[--facturas F.pdf] [--recibos R.pdf]",
         2, 2, cmdSeleccion,
         {{"--propietario", true}, {"--banco", false}, {"--no", true}, {"--listado", true},
          {"--facturas", true}, {"--recibos", true}},
         "selección de recibos del mes: listado, facturas y recibos en papel"},
    };
}
