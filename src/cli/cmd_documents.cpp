#include <QFile>
#include <QFileInfo>

#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "documents/archivo_documento.h"
#include "documents/contrato.h"
#include "documents/impresor_texto.h"
#include "documents/modelo_contrato.h"
#include "documents/rtf.h"
#include "documents/texto_contrato.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "util/formato.h"

namespace {

qint64 LeerRef(const QString& texto)
{
    bool ok = false;
    const qint64 ref = texto.toLongLong(&ok);
    if (!ok || ref <= 0)
        throw UsageError{QStringLiteral("REF es el número del inmueble (inmueble.ref), por ejemplo 12.")};
    return ref;
}

int LeerNumero(const Args& a, const char* opcion, int minimo, int maximo, int porDefecto)
{
    const QString nombre = QString::fromLatin1(opcion);
    if (!a.has(nombre))
        return porDefecto;
    bool ok = false;
    const int n = a.option(nombre).toInt(&ok);
    if (!ok || n < minimo || n > maximo)
        throw UsageError{QStringLiteral("%1 espera un número entre %2 y %3.").arg(nombre).arg(minimo).arg(maximo)};
    return n;
}

void PonerEquipo(DatosContrato& d, const QString& lista)
{
    d.amueblado = d.lavadora = d.nevera = d.cocina = d.television = false;
    for (const QString& s : lista.split(u',', Qt::SkipEmptyParts)) {
        const QString e = s.trimmed().toLower();
        if (e == QLatin1String("amueblado"))
            d.amueblado = true;
        else if (e == QLatin1String("lavadora"))
            d.lavadora = true;
        else if (e == QLatin1String("nevera"))
            d.nevera = true;
        else if (e == QLatin1String("cocina"))
            d.cocina = true;
        else if (e == QLatin1String("television") || e == QStringLiteral("televisión"))
            d.television = true;
        else if (e != QLatin1String("ninguno"))
            throw UsageError{QStringLiteral("--equipo: «%1» no es amueblado, lavadora, nevera, cocina,"
                                            " television ni ninguno.").arg(s)};
    }
}

void PonerCoarrendatarios(DatosContrato& d, const QStringList& valores)
{
    if (valores.size() > 3)
        throw UsageError{QStringLiteral("Un contrato admite como mucho tres coarrendatarios.")};
    for (int i = 0; i < valores.size(); ++i) {
        const QStringList p = valores[i].split(u';');
        if (p.size() != 4)
            throw UsageError{QStringLiteral("--coarrendatario se escribe \"NOMBRE;TIPO;NUMERO;NACIONALIDAD\".")};
        d.coarrendatarios[i] = {p[0].trimmed(), p[1].trimmed(), p[2].trimmed(), p[3].trimmed()};
    }
    d.numCoarrendatarios = CompactarCoarrendatarios(d.coarrendatarios);
}

// The dialog's state as it opens, changed by the options as the user would change the form.
DatosContrato Contrato(Database& db, const Args& a, const AjustesContrato& ajustes)
{
    DatosContrato d = AbrirContrato(db, LeerRef(a[1]), ajustes.impuestos);
    if (a.has(QStringLiteral("--equipo"))) {
        PonerEquipo(d, a.option(QStringLiteral("--equipo")));
        PonerMesesFianza(d, d.amueblado ? 2 : 1);   // as the dialog would have opened
    }
    d.otroEquipamiento = a.option(QStringLiteral("--otro-equipo"));
    d.meses = LeerNumero(a, "--meses", 6, 1200, d.meses);
    if (d.meses % 6 != 0)
        throw UsageError{QStringLiteral("--meses espera un múltiplo de 6.")};
    d.ocupantes = LeerNumero(a, "--ocupantes", 0, 1000, d.ocupantes);
    d.formaPago = LeerNumero(a, "--pago", 0, 2, d.formaPago);
    d.avalBanco = a.option(QStringLiteral("--aval-banco"));
    d.avalNumero = a.option(QStringLiteral("--aval-numero"));
    PonerMesesFianza(d, LeerNumero(a, "--fianza", 1, 2, d.mesesFianza));
    PonerOtrosConceptos(d, !a.has(QStringLiteral("--sin-otros-conceptos")));
    MarcarFilas(d, LeerNumero(a, "--pagos", 0, 4, 1));
    PonerRepresentante(db, d, a.option(QStringLiteral("--representante")));
    PonerCoarrendatarios(d, a.values(QStringLiteral("--coarrendatario")));
    return d;
}

int cmdContrato(const Args& a)
{
    const QString salida = a[2];
    ComprobarSalidas({a[0]}, {salida});
    Database db = AbrirWorkspace(a[0]);
    const AjustesContrato ajustes = LeerAjustesContrato();
    const DatosContrato d = Contrato(db, a, ajustes);
    QByteArray datos;
    if (a.has(QStringLiteral("--modelo"))) {
        const QString modelo = a.option(QStringLiteral("--modelo"));
        if (MismoArchivo(modelo, salida))
            throw UserError(QStringLiteral("SALIDA no puede ser el propio modelo %1: elija otro archivo de salida.").arg(modelo));
        datos = RellenarModelo(LeerArchivoDocumento(modelo), d);
    } else {
        const QString texto = TextoContratoVivienda(d);
        datos = salida.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive)
                    ? DocumentoRtfTexto(texto, ajustes.alto_letra) : texto.toUtf8();
    }
    EscribirArchivoDocumento(salida, datos);
    out() << EtiquetaFianza(d) << '\t' << MonedaATexto(d.fianza) << '\n';
    for (int f = 1; f <= 4; ++f)
        if (!d.filas[f - 1].EsCero())
            out() << EtiquetaFila(d, f) << '\t' << MonedaATexto(d.filas[f - 1]) << '\n';
    out() << "TOTAL\t" << MonedaATexto(TotalContrato(d)) << '\n';
    return kExitOk;
}

int cmdPrimerPago(const Args& a)
{
    Database db = AbrirWorkspace(a[0]);
    DatosContrato d = AbrirContrato(db, LeerRef(a[1]), LeerAjustesContrato().impuestos);
    PonerOtrosConceptos(d, !a.has(QStringLiteral("--sin-otros-conceptos")));
    const PrimerPago p = GrabarPrimerPago(db, d);
    out() << p.ref << '\t' << p.numeroRecibo << '\t' << MonedaATexto(p.importe) << '\n';
    return kExitOk;
}

int cmdTextoPdf(const Args& a)
{
    ComprobarSalidas({a[0]}, {a[1]});
    int alto = CImpresorTexto::kAltoPorDefecto;
    if (a.has(QStringLiteral("--alto"))) {
        bool ok = false;
        alto = a.option(QStringLiteral("--alto")).toInt(&ok);
        if (!ok || alto < 1 || alto > 200)
            throw UsageError{QStringLiteral("--alto es el tamaño de la letra en puntos, un número de 1 a 200.")};
    }
    QFile entrada(a[0]);
    if (!entrada.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("No se puede leer el archivo %1: %2.").arg(a[0], entrada.errorString()));
    CImpresorTexto impresor(QString::fromUtf8(entrada.readAll()),
                            a.option(QStringLiteral("--titulo"), QStringLiteral("Contrato")),
                            a.has(QStringLiteral("--paginas")));
    impresor.PonerAltoLetra(alto);
    out() << impresor.APdf(a[1]) << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> DocumentsSubcommands()
{
    return {
        {"contrato",
         "FICHERO.rtv REF SALIDA [--modelo M.rtf] [--equipo LISTA] [--otro-equipo T] [--meses N]"
         " [--ocupantes N] [--pago 0|1|2] [--aval-banco T] [--aval-numero T] [--fianza 1|2]"
         " [--pagos 0..4] [--sin-otros-conceptos] [--representante NOMBRE]"
         " [--coarrendatario \"NOMBRE;TIPO;NUMERO;NACIONALIDAD\"]...",
         3, 3, cmdContrato,
         {{"--modelo", true}, {"--equipo", true}, {"--otro-equipo", true}, {"--meses", true},
          {"--ocupantes", true}, {"--pago", true}, {"--aval-banco", true}, {"--aval-numero", true},
          {"--fianza", true}, {"--pagos", true}, {"--sin-otros-conceptos", false},
          {"--representante", true}, {"--coarrendatario", true}},
         "escribe el contrato de alquiler de un inmueble o rellena un modelo"},
        {"primer-pago", "FICHERO.rtv REF [--sin-otros-conceptos]", 2, 2, cmdPrimerPago,
         {{"--sin-otros-conceptos", false}}, "graba el recibo del primer pago del contrato"},
        {"texto-pdf", "ENTRADA.txt SALIDA.pdf [--titulo T] [--paginas] [--alto N]", 2, 2, cmdTextoPdf,
         {{"--titulo", true}, {"--paginas", false}, {"--alto", true}},
         "imprime en PDF un texto (UTF-8)"},
    };
}
