// The runs and collections of the batch companion: deleting the newest run, recording a
// receipt's collection and listing receipts as the collections list does.
#include <QDate>

#include "billing/cobros.h"
#include "billing/estado_recibo.h"
#include "billing/facturaciones.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/workspace.h"

namespace {

QDate LeerFecha(const QString& texto, const char* opcion)
{
    const QDate d = QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        throw UsageError{QStringLiteral("%1 espera una fecha DD/MM/AAAA, por ejemplo 05/03/2024; \"%2\" no lo es.")
                             .arg(QLatin1String(opcion), texto)};
    return d;
}

int LeerNumero(const QString& texto, const char* que)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 espera un número entero; \"%2\" no lo es.").arg(QLatin1String(que), texto)};
    return n;
}

int cmdEliminarUltima(const Args& a)
{
    std::optional<QDate> mes;
    if (a.has(QStringLiteral("--mes")))
        mes = LeerMes(a.option(QStringLiteral("--mes")));
    Database db = AbrirWorkspace(a[0]);
    const BorradoFacturacion b = EliminarUltimaFacturacion(db, mes);
    out() << b.mes.toString(QStringLiteral("yyyy-MM")) << '\n' << b.recibos << '\n' << b.conEstado << '\n';
    return kExitOk;
}

int cmdCobrar(const Args& a)
{
    bool ok = false;
    const qint64 ref = a[1].toLongLong(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("REF es el número (ref) del recibo; \"%1\" no lo es.").arg(a[1])};
    const int estado = a.has(QStringLiteral("--estado")) ? LeerNumero(a.option(QStringLiteral("--estado")), "--estado")
                                                         : int(kEstadoCobrado);
    if (estado < kEstadoSinEspecificar || estado > kEstadoDudosoCobro)
        throw UsageError{QStringLiteral("--estado va del 0 (SIN ESPECIFICAR) al 5 (DUDOSO COBRO).")};
    const QDate fecha = a.has(QStringLiteral("--fecha")) ? LeerFecha(a.option(QStringLiteral("--fecha")), "--fecha")
                                                        : QDate::currentDate();
    Database db = AbrirWorkspace(a[0]);
    GuardarCobro(db, ref, estado, QDateTime(fecha, QTime(0, 0)));
    out() << LineaCobroDe(db, ref) << '\n';
    return kExitOk;
}

QList<int> LeerEstados(const QString& texto)
{
    QList<int> r;
    for (const QString& parte : texto.split(u',', Qt::SkipEmptyParts)) {
        const int e = LeerNumero(parte, "--estados");
        if (e < 0 || e > 5)
            throw UsageError{QStringLiteral("--estados lleva estados del 0 al 5 separados por comas; %1 no lo es.").arg(e)};
        if (!r.contains(e))
            r << e;
    }
    std::sort(r.begin(), r.end());
    if (r.isEmpty())
        throw UsageError{QStringLiteral("--estados necesita al menos un estado (0 a 5), por ejemplo 0,2,3.")};
    return r;
}

int cmdRecibos(const Args& a)
{
    const QDate hoy = a.has(QStringLiteral("--hoy")) ? LeerFecha(a.option(QStringLiteral("--hoy")), "--hoy")
                                                    : QDate::currentDate();
    bool busqueda = false;
    for (const char* o : {"--desde", "--hasta", "--estados", "--propietario", "--direccion", "--piso", "--inquilino"})
        busqueda = busqueda || a.has(QLatin1String(o));
    FiltroRecibos filtro = FiltroApertura(hoy);
    if (busqueda) {
        BusquedaRecibos b = BusquedaPorDefecto(hoy);
        if (a.has(QStringLiteral("--desde"))) {
            const QDate d = LeerMes(a.option(QStringLiteral("--desde")));
            b.mesDesde = d.month();
            b.anioDesde = d.year();
        }
        if (a.has(QStringLiteral("--hasta"))) {
            const QDate d = LeerMes(a.option(QStringLiteral("--hasta")));
            b.mesHasta = d.month();
            b.anioHasta = d.year();
        }
        if (a.has(QStringLiteral("--estados")))
            b.estados = LeerEstados(a.option(QStringLiteral("--estados")));
        b.propietario = a.option(QStringLiteral("--propietario"), b.propietario);
        b.direccion = a.option(QStringLiteral("--direccion"), b.direccion);
        b.piso = a.option(QStringLiteral("--piso"), b.piso);
        b.inquilino = a.option(QStringLiteral("--inquilino"), b.inquilino);
        filtro = FiltroDeBusqueda(b);
    }
    const int pagina = a.has(QStringLiteral("--pagina")) ? LeerNumero(a.option(QStringLiteral("--pagina")), "--pagina") : 1;
    Database db = AbrirWorkspace(a[0]);
    ConsultaCobros consulta(db, filtro);
    consulta.IrAPagina(pagina - 1);
    out() << consulta.Total() << " recibos, página " << consulta.Pagina() + 1 << " de " << consulta.Paginas() << '\n';
    const std::vector<FilaCobro> lineas = consulta.Lineas();
    if (lineas.empty())
        out() << "No se han encontrado recibos\n";
    for (const FilaCobro& f : lineas)
        out() << f.ref << '\t' << f.linea << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> CobrosSubcommands()
{
    return {
        {"eliminar-ultima", "FICHERO.rtv [--mes AAAA-MM]", 1, 1, cmdEliminarUltima, {{"--mes", true}},
         "elimina la última facturación y sus recibos"},
        {"cobrar", "FICHERO.rtv REF [--estado N] [--fecha DD/MM/AAAA]", 2, 2, cmdCobrar,
         {{"--estado", true}, {"--fecha", true}}, "anota el estado de cobro de un recibo"},
        {"recibos",
         "FICHERO.rtv [--desde AAAA-MM] [--hasta AAAA-MM] [--estados 0,2,...] [--propietario N] "
         "[--direccion T] [--piso P] [--inquilino T] [--pagina N] [--hoy DD/MM/AAAA]",
         1, 1, cmdRecibos,
         {{"--desde", true}, {"--hasta", true}, {"--estados", true}, {"--propietario", true},
          {"--direccion", true}, {"--piso", true}, {"--inquilino", true}, {"--pagina", true}, {"--hoy", true}},
         "lista de cobros: recibos por periodo, estado, propietario, calle e inquilino"},
    };
}
