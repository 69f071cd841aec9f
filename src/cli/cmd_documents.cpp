#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "documents/archivo_documento.h"
#include "documents/campos_plantilla.h"
#include "documents/carta_aumento.h"
#include "documents/carta_requerimiento.h"
#include "documents/cartas.h"
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

QDate LeerHoy(const Args& a)
{
    if (!a.has(QStringLiteral("--hoy")))
        return QDate::currentDate();
    const QDate d = QDate::fromString(a.option(QStringLiteral("--hoy")), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        throw UsageError{QStringLiteral("--hoy espera una fecha AAAA-MM-DD, por ejemplo 2024-03-01.")};
    return d;
}

namespace {

Moneda LeerImporteOpcion(const QString& texto, const QString& opcion)
{
    bool ok = false;
    const Moneda m = TextoAMoneda(texto, &ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1: «%2» no es un importe; escríbalo como 1.234,56.").arg(opcion, texto)};
    return m;
}

// --mes N[=IMPORTE] (N 1 to 6, 1 the current month) and --concepto TEXTO=IMPORTE, as the
// form would be filled.
Requerimiento LeerRequerimiento(const Args& a, const DatosPlantilla& d)
{
    Requerimiento r = AbrirRequerimiento(d.hoy);
    for (const QString& v : a.values(QStringLiteral("--mes"))) {
        const qsizetype igual = v.indexOf(u'=');
        bool ok = false;
        const int n = v.left(igual).toInt(&ok);
        if (!ok || n < 1 || n > 6)
            throw UsageError{QStringLiteral("--mes espera N o N=IMPORTE, con N de 1 (el mes actual) a 6.")};
        MarcarMes(r, n - 1, true, d.importes.Total());
        if (igual >= 0)
            r.meses[size_t(n - 1)].importe = LeerImporteOpcion(v.mid(igual + 1), QStringLiteral("--mes"));
    }
    const QStringList conceptos = a.values(QStringLiteral("--concepto"));
    if (conceptos.size() > 4)
        throw UsageError{QStringLiteral("Una carta de requerimiento admite como mucho cuatro conceptos.")};
    for (qsizetype i = 0; i < conceptos.size(); ++i) {
        const qsizetype igual = conceptos[i].lastIndexOf(u'=');
        if (igual < 0)
            throw UsageError{QStringLiteral("--concepto se escribe \"TEXTO=IMPORTE\".")};
        r.conceptos[size_t(i)] = {conceptos[i].left(igual).trimmed(),
                                  LeerImporteOpcion(conceptos[i].mid(igual + 1), QStringLiteral("--concepto"))};
    }
    return r;
}

QByteArray BytesCarta(const QString& texto, const QString& salida, int alto)
{
    return salida.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive) ? DocumentoRtfTexto(texto, alto)
                                                                         : texto.toUtf8();
}

int cmdCarta(const Args& a)
{
    const QString tipo = a[2], salida = a[3];
    const QStringList tipos = {QStringLiteral("aumento"), QStringLiteral("requerimiento"),
                               QStringLiteral("aviso-rescision"), QStringLiteral("rescision")};
    if (!tipos.contains(tipo))
        throw UsageError{QStringLiteral("TIPO es aumento, requerimiento, aviso-rescision o rescision.")};
    const bool aumento = tipo == tipos[0], requerimiento = tipo == tipos[1];
    if (!aumento && (a.has(QStringLiteral("--ipc")) || a.has(QStringLiteral("--confirmar"))))
        throw UsageError{QStringLiteral("--ipc y --confirmar son de la carta de aumento.")};
    if (aumento && !a.has(QStringLiteral("--ipc")))
        throw UsageError{QStringLiteral("La carta de aumento necesita el índice: --ipc 3,45.")};
    if (!requerimiento && (a.has(QStringLiteral("--mes")) || a.has(QStringLiteral("--concepto"))))
        throw UsageError{QStringLiteral("--mes y --concepto son de la carta de requerimiento.")};
    const QDate hoy = LeerHoy(a);
    ComprobarSalidas({a[0]}, {salida});
    Database db = AbrirWorkspace(a[0]);
    const AjustesContrato ajustes = LeerAjustesContrato();
    const qint64 ref = LeerRef(a[1]);
    const DatosPlantilla d = LeerDatosCarta(db, ref, hoy);

    if (aumento) {
        Aumento au = AbrirAumento(d);
        AplicarIndice(au, LeerIndiceIpc(a.option(QStringLiteral("--ipc"))), ajustes.impuestos);
        const QByteArray datos = BytesCarta(TextoCartaAumento(d, au, ajustes.impuestos), salida, ajustes.alto_letra);
        if (a.has(QStringLiteral("--confirmar"))) {
            // The revision and the letter go together: the letter is written inside the
            // transaction, and removed if the revision cannot be committed.
            Transaction tx(db);
            ConfirmarAumento(db, ref, au, hoy);
            EscribirArchivoDocumento(salida, datos);
            try {
                tx.commit();
            } catch (...) {
                QFile::remove(salida);
                throw;
            }
        } else {
            EscribirArchivoDocumento(salida, datos);
        }
        out() << au.indice.texto << '\n';
        for (const FilaAumento& f : FilasAumento(d, au, ajustes.impuestos, true))
            out() << f.concepto << '\t' << MonedaATexto(f.antiguo) << '\t' << MonedaATexto(f.nuevo) << '\n';
        out() << "TOTAL\t" << MonedaATexto(au.antiguo.Total()) << '\t' << MonedaATexto(au.nuevo.Total()) << '\n';
        return kExitOk;
    }
    if (requerimiento) {
        const Requerimiento r = LeerRequerimiento(a, d);
        EscribirArchivoDocumento(salida, BytesCarta(TextoCartaRequerimiento(d, r), salida, ajustes.alto_letra));
        out() << MonedaATexto(TotalRequerimiento(r)) << '\n';
        return kExitOk;
    }
    const QString texto = tipo == tipos[2] ? TextoAvisoRescision(d) : TextoRescisionContrato(d);
    EscribirArchivoDocumento(salida, BytesCarta(texto, salida, ajustes.alto_letra));
    return kExitOk;
}

// The template fields of a property; a missing owner is named, and its fields stay blank.
DatosPlantilla DatosCampos(Database& db, const Args& a)
{
    const DatosPlantilla d = LeerDatosPlantilla(db, LeerRef(a[1]), LeerHoy(a));
    if (!d.hayPropietario)
        err() << PropietarioNoEncontrado(d.arrendador).Mensaje() << '\n';
    return d;
}

int cmdCampos(const Args& a)
{
    Database db = AbrirWorkspace(a[0]);
    const DatosPlantilla d = DatosCampos(db, a);
    for (int k = 1; k <= kNumCampos; ++k)
        out() << k << '\t' << NombreCampo(k) << '\t' << ValorCampo(k, d) << '\n';
    return kExitOk;
}

int cmdRellenar(const Args& a)
{
    const QString plantilla = a[2], salida = a[3];
    ComprobarSalidas({a[0], plantilla}, {salida});
    if (MismoArchivo(plantilla, salida))
        throw UserError(QStringLiteral("SALIDA no puede ser la propia plantilla %1: elija otro archivo de salida.").arg(plantilla));
    Database db = AbrirWorkspace(a[0]);
    const DatosPlantilla d = DatosCampos(db, a);
    const QString texto = QString::fromUtf8(LeerArchivoDocumento(plantilla));
    QTextDocument documento;
    documento.setPlainText(texto);
    const int campos = RellenarCampos(documento, d);
    // The raw text keeps what plain text would turn into spaces; paragraphs end as the template's lines did.
    QString lleno = documento.toRawText();
    lleno.replace(QChar::ParagraphSeparator, texto.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    EscribirArchivoDocumento(salida, lleno.toUtf8());
    out() << campos << '\n';
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
        {"carta",
         "FICHERO.rtv REF TIPO SALIDA [--hoy AAAA-MM-DD] [--ipc TEXTO] [--confirmar] [--mes N[=IMPORTE]]..."
         " [--concepto TEXTO=IMPORTE]...",
         4, 4, cmdCarta,
         {{"--hoy", true}, {"--ipc", true}, {"--confirmar", false}, {"--mes", true}, {"--concepto", true}},
         "escribe una carta al inquilino: aumento, requerimiento, aviso-rescision o rescision"},
        {"campos", "FICHERO.rtv REF [--hoy AAAA-MM-DD]", 2, 2, cmdCampos, {{"--hoy", true}},
         "los 43 campos de plantilla de un inmueble con su valor"},
        {"rellenar", "FICHERO.rtv REF PLANTILLA.txt SALIDA.txt [--hoy AAAA-MM-DD]", 4, 4, cmdRellenar,
         {{"--hoy", true}}, "rellena los campos de una plantilla de texto (UTF-8)"},
    };
}
