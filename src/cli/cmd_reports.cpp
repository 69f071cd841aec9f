#include <QDate>

#include "billing/emision_facturacion.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "reports/exportacion_facturacion.h"
#include "reports/informe_lineas.h"
#include "reports/lineas_facturacion.h"
#include "reports/listado_facturacion.h"
#include "reports/salida_archivo.h"
#include "reports/salida_pdf.h"
#include "reports/seleccion_informe.h"
#include "reports/vistas_informe.h"
#include "settings/ajustes.h"
#include "util/formato.h"

namespace {

const std::vector<OptionSpec> kOpcionesFiltro = {
    {"--hasta", true}, {"--propietario", true}, {"--localidad", true}, {"--direccion", true}, {"--piso", true}};

FiltroInforme LeerFiltro(const Args& a)
{
    FiltroInforme f;
    f.desde = LeerMes(a[1]);
    f.hasta = a.has(QStringLiteral("--hasta")) ? LeerMes(a.option(QStringLiteral("--hasta"))) : f.desde;
    f.propietario = a.option(QStringLiteral("--propietario"));
    f.localidad = a.option(QStringLiteral("--localidad"));
    f.direccion = a.option(QStringLiteral("--direccion"));
    f.piso = a.option(QStringLiteral("--piso"));
    f.soloIva = a.has(QStringLiteral("--solo-iva"));
    return f;
}

AjustesImpuestos Impuestos()
{
    AjustesImpuestos i;
    i.nombre1 = NombreImpuesto(1);
    i.nombre2 = NombreImpuesto(2);
    return i;
}

void Resultado(int recibos, Moneda total)
{
    out() << recibos << '\n' << MonedaATexto(total) << '\n';
}

int cmdInforme(const Args& a)
{
    const FiltroInforme f = LeerFiltro(a);
    const QString vista = a.option(QStringLiteral("--vista"));
    const QStringList vistas = {QStringLiteral("listado"), QStringLiteral("detalle"),
                                QStringLiteral("inmueble"), QStringLiteral("inquilino")};
    if (a.has(QStringLiteral("--vista")) && !vistas.contains(vista))
        throw UsageError{QStringLiteral("La vista debe ser listado, detalle, inmueble o inquilino.")};
    ComprobarSalidas({a[0]}, {a[2]});
    Database db = AbrirWorkspace(a[0]);
    if (vista.isEmpty() || vista == vistas[0]) {
        const ListadoFacturacion l = ListadoFacturacionDe(db, f, Impuestos());
        if (vista.isEmpty())
            EscribirPdf(a[2], QStringLiteral("Informe Recibos"),
                        [&l](QPainter& p, QPagedPaintDevice& d) { DibujarListado(p, d, l); });
        else
            EscribirArchivo(a[2], ListadoATexto(l).toUtf8());
        Resultado(l.recibos, l.total.Total());
        return kExitOk;
    }
    const VistaInforme tipo = vista == vistas[1]   ? VistaInforme::Detalle
                              : vista == vistas[2] ? VistaInforme::ResumenInmueble
                                                   : VistaInforme::ResumenInquilino;
    const VistaCompuesta v = VistaFacturacionDe(db, f, tipo, Impuestos());
    EscribirArchivo(a[2], v.texto.toUtf8());
    Resultado(v.recibos, v.total);
    return kExitOk;
}

int cmdExportar(const Args& a)
{
    const FiltroInforme f = LeerFiltro(a);
    ComprobarSalidas({a[0]}, {a[2]});
    Database db = AbrirWorkspace(a[0]);
    const ResultadoExportacion r = ExportarFacturacion(
        db, f, a[2], a.has(QStringLiteral("--utf8")) ? CodificacionCsv::Utf8ConBom : CodificacionCsv::Cp1252);
    Resultado(r.recibos, r.total);
    return kExitOk;
}

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

std::vector<OptionSpec> Opciones(std::vector<OptionSpec> mas)
{
    mas.insert(mas.begin(), kOpcionesFiltro.begin(), kOpcionesFiltro.end());
    return mas;
}

}  // namespace

std::vector<Subcommand> ReportsSubcommands()
{
    return {
        {"ver-facturacion", "FICHERO.rtv AAAA-MM [--pdf L.pdf]", 2, 2, cmdVerFacturacion,
         {{"--pdf", true}}, "listado de los recibos de una facturación"},
        {"informe",
         "FICHERO.rtv AAAA-MM SALIDA [--hasta AAAA-MM] [--propietario N] [--localidad L] [--direccion D]"
         " [--piso P] [--solo-iva] [--vista listado|detalle|inmueble|inquilino]",
         3, 3, cmdInforme, Opciones({{"--solo-iva", false}, {"--vista", true}}),
         "informe de facturación: listado en PDF o vistas en texto"},
        {"exportar",
         "FICHERO.rtv AAAA-MM SALIDA.csv [--hasta AAAA-MM] [--propietario N] [--localidad L]"
         " [--direccion D] [--piso P] [--utf8]",
         3, 3, cmdExportar, Opciones({{"--utf8", false}}), "exportación de la facturación a CSV"},
    };
}
