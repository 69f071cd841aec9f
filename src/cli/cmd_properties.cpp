#include <QRegularExpression>

#include "cli/cli.h"
#include "data/database.h"
#include "data/record_sets.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "properties/busqueda_inmuebles.h"
#include "properties/ficha_inmueble_impresion.h"
#include "properties/filtro_inmuebles.h"
#include "properties/orden_inmuebles.h"
#include "reports/informe_lineas.h"
#include "reports/listado_inmuebles.h"
#include "reports/salida_archivo.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

// 1 to 12 or the month's name in any case.
int LeerNumeroMes(const QString& texto)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (ok && n >= 1 && n <= 12)
        return n;
    if (const int m = NumeroMes(texto.trimmed().toUpper()); m > 0)
        return m;
    throw UsageError{QStringLiteral("El mes «%1» no es válido: escriba un número del 1 al 12 o el nombre del mes.")
                         .arg(texto)};
}

void Lineas(const QList<ResultadoBusqueda>& r)
{
    for (const ResultadoBusqueda& x : r)
        out() << LineaResultado(x) << '\n';
}

int cmdBuscar(const Args& a)
{
    const bool porMes = a.has(QStringLiteral("--mes"));
    if (porMes == (a.size() == 2))
        throw UsageError{QStringLiteral("Indique un texto a buscar o --mes MES, no los dos.")};
    const CondicionBusqueda c = porMes ? CondicionMesContrato(LeerNumeroMes(a.option(QStringLiteral("--mes"))))
                                       : CondicionTexto(a[1]);
    Database db = AbrirWorkspace(a[0]);
    const QList<ResultadoBusqueda> r = BuscarInmuebles(db, c);
    if (r.isEmpty()) {
        err() << kNingunInmuebleCoincide << '\n';
        return kExitFailure;
    }
    Lineas(r);
    return kExitOk;
}

int cmdOrdenar(const Args& a)
{
    bool ok = false;
    const int n = a[1].toInt(&ok);
    const OrdenInmuebles* o = ok ? BuscarOrdenInmuebles(n) : nullptr;
    if (!o)
        throw UsageError{QStringLiteral("El orden debe ser un número del 1 al 6.")};
    Database db = AbrirWorkspace(a[0]);
    AplicarOrdenInmuebles(db, n);
    EscribirEntero(ajustes::kOpciones, ajustes::kOrden, n);
    out() << QString::fromUtf8(o->rotulo) << '\n';
    return kExitOk;
}

int cmdInmuebles(const Args& a)
{
    Database db = AbrirWorkspace(a[0]);
    CInmuebleSet rs(&db);
    QList<ResultadoBusqueda> r;
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
        r.append({rs.integer(QStringLiteral("ref")), rs.text(QStringLiteral("direccion")),
                  rs.text(QStringLiteral("piso")), rs.text(QStringLiteral("nom_arrendatario")),
                  rs.text(QStringLiteral("arrendador"))});
    Lineas(r);
    return kExitOk;
}

CriteriosInmuebles LeerCriterios(const Args& a)
{
    CriteriosInmuebles c;
    if (a.has(QStringLiteral("--mes")))
        c.mes = NombreMesMayusculas(LeerNumeroMes(a.option(QStringLiteral("--mes"))));
    c.direccion = a.option(QStringLiteral("--direccion"));
    c.piso = a.option(QStringLiteral("--piso"));
    c.localidad = a.option(QStringLiteral("--localidad"));
    c.referencia = a.option(QStringLiteral("--referencia"));
    c.propietario = a.option(QStringLiteral("--propietario"));
    c.inquilino = a.option(QStringLiteral("--inquilino"));
    const QStringList recibos = a.values(QStringLiteral("--recibo"));
    if (recibos.size() > 3)
        throw UsageError{QStringLiteral("Como mucho tres --recibo.")};
    static const QRegularExpression kRecibo(QStringLiteral("^(banco|fisico|numerar):(si|no)$"));
    const QHash<QString, QString> flags = {{QStringLiteral("banco"), QStringLiteral("RECIBO BANCO")},
                                           {QStringLiteral("fisico"), QStringLiteral("RECIBO FÍSICO")},
                                           {QStringLiteral("numerar"), QStringLiteral("NUMERAR RECIBO")}};
    for (int i = 0; i < recibos.size(); ++i) {
        const auto m = kRecibo.match(recibos[i]);
        if (!m.hasMatch())
            throw UsageError{QStringLiteral("--recibo «%1» no es válido: escriba banco, fisico o numerar, dos puntos "
                                            "y si o no (por ejemplo banco:si).")
                                 .arg(recibos[i])};
        c.recibos[size_t(i)] = {flags.value(m.captured(1)), m.captured(2) == QLatin1String("si")};
    }
    return c;
}

int cmdListado(const Args& a)
{
    const CriteriosInmuebles c = LeerCriterios(a);
    ComprobarSalidas({a[0]}, {a[1]});
    Database db = AbrirWorkspace(a[0]);
    PrepararInformeInmuebles(db, c);
    const ListadoInmuebles l = ListadoDeInmuebles(db, c);
    if (a.has(QStringLiteral("--texto")))
        EscribirArchivo(a[1], (QStringList{l.titulo} + l.lineas).join(u'\n').append(u'\n').toUtf8());
    else
        CInformeLineas(l.lineas, l.titulo).APdf(a[1]);
    out() << l.inmuebles << '\n' << MonedaATexto(l.total) << '\n';
    return kExitOk;
}

int cmdFicha(const Args& a)
{
    bool ok = false;
    const qint64 ref = a[1].toLongLong(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("La referencia «%1» no es un número.").arg(a[1])};
    ComprobarSalidas({a[0]}, {a[2]});
    Database db = AbrirWorkspace(a[0]);
    CInmuebleSet rs(&db);
    if (!rs.BuscarInmueble(ref)) {
        err() << kInmuebleNoEncontrado << '\n';
        return kExitFailure;
    }
    const RotulosFicha rotulos{RotuloImpuesto(NombreImpuesto1(), PorcentajeImpuesto1()),
                               RotuloImpuesto(NombreImpuesto2(), PorcentajeImpuesto2())};
    FichaInmuebleAPdf(a[2], LeerInmueble(rs), rotulos);
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> PropertiesSubcommands()
{
    return {
        {"buscar", "FICHERO.rtv (TEXTO | --mes MES)", 1, 2, cmdBuscar, {{"--mes", true}},
         "inmuebles que contienen un texto o cuyo contrato es de un mes"},
        {"ordenar", "FICHERO.rtv N", 2, 2, cmdOrdenar, {}, "orden de los inmuebles (1 a 6)"},
        {"inmuebles", "FICHERO.rtv", 1, 1, cmdInmuebles, {}, "todos los inmuebles en su orden"},
        {"listado",
         "FICHERO.rtv SALIDA [--mes MES] [--direccion D] [--piso P] [--localidad L] [--referencia R]"
         " [--propietario N] [--inquilino T] [--recibo FLAG:si|no]... [--texto]",
         2, 2, cmdListado,
         {{"--mes", true}, {"--direccion", true}, {"--piso", true}, {"--localidad", true}, {"--referencia", true},
          {"--propietario", true}, {"--inquilino", true}, {"--recibo", true}, {"--texto", false}},
         "listado de inmuebles en PDF o texto"},
        {"ficha", "FICHERO.rtv REF SALIDA.pdf", 3, 3, cmdFicha, {}, "ficha de un inmueble en PDF"},
    };
}
