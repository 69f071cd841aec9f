// Template documents for many properties: combinar, and rtf-texto to read what our reader reads.
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QTextDocument>

#include "cli/cli.h"
#include "data/database.h"
#include "data/record_sets.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "documents/archivo_documento.h"
#include "documents/mailing.h"
#include "documents/rtf.h"
#include "reports/salida_pdf.h"
#include "util/errores.h"

namespace {

// "todos" (or no option): every property in list order; else the refs as given.
QList<qint64> Refs(const Args& a, Database& db)
{
    const QString lista = a.option(QStringLiteral("--inmuebles"), QStringLiteral("todos")).trimmed();
    if (lista.compare(QLatin1String("todos"), Qt::CaseInsensitive) == 0)
        return RefsInmuebles(db);
    QList<qint64> r;
    for (const QString& s : lista.split(u',')) {
        bool ok = false;
        const qint64 ref = s.trimmed().toLongLong(&ok);
        if (!ok || ref <= 0)
            throw UsageError{QStringLiteral("--inmuebles espera «todos» o números de inmueble separados por comas, por ejemplo 3,1,7.")};
        r << ref;
    }
    return r;
}

// The template as our editor opens it; what it cannot keep is told on the error stream.
void LeerPlantilla(const QString& ruta, QTextDocument& plantilla)
{
    QByteArray datos;
    try {
        datos = LeerArchivoDocumento(ruta);
    } catch (const UserError& e) {
        throw UserError(ruta + QStringLiteral(":") + TextoError(e));
    }
    const LecturaRtf l = LeerRtf(datos, plantilla);
    if (!l.Aviso().isEmpty())
        err() << ruta << ": " << l.Aviso() << '\n';
}

int cmdCombinar(const Args& a)
{
    const QString plantillaRuta = a[1], salida = a[2];
    const bool porInmueble = a.has(QStringLiteral("--por-inmueble"));
    const QString ext = QFileInfo(salida).suffix().toLower();
    if (!porInmueble && ext != QLatin1String("rtf") && ext != QLatin1String("pdf"))
        throw UsageError{QStringLiteral("SALIDA termina en .rtf o .pdf (o es una carpeta con --por-inmueble).")};
    const QDate hoy = LeerHoy(a);
    if (!porInmueble)
        ComprobarSalidas({a[0], plantillaRuta}, {salida});
    else if (QFileInfo(salida).exists() && !QFileInfo(salida).isDir())
        throw UserError(QStringLiteral("%1 no es una carpeta: con --por-inmueble, SALIDA es la carpeta que recibe los archivos.").arg(salida));

    QTextDocument plantilla;
    LeerPlantilla(plantillaRuta, plantilla);
    Database db = AbrirWorkspace(a[0]);
    const QList<qint64> refs = Refs(a, db);
    PrepararInformeInmuebles(db, refs);
    CInmuebleSet filas(&db, QStringLiteral("[informe_inmueble]"));

    Composicion c;
    if (porInmueble) {
        c = ComponerArchivos(salida, plantilla, db, filas, hoy);
    } else {
        QTextDocument documento;
        c = ComponerDocumento(documento, plantilla, db, filas, hoy);
        if (c.error.isEmpty()) {
            if (ext == QLatin1String("pdf"))
                EscribirPdf(salida, QFileInfo(plantillaRuta).completeBaseName(), [&documento](QPagedPaintDevice& p) {
                    documento.print(&p);
                    return 0;
                });
            else
                EscribirArchivoDocumento(salida, EscribirRtf(documento));
        }
    }
    for (const QString& aviso : c.avisos)
        err() << aviso << '\n';
    if (!c.error.isEmpty())
        throw UserError(QStringLiteral("Se detuvo tras %1 copias: %2").arg(c.copias).arg(c.error));
    out() << c.copias << '\n';
    return kExitOk;
}

int cmdRtfTexto(const Args& a)
{
    QTextDocument documento;
    LeerPlantilla(a[0], documento);
    out() << TextoPorParrafos(documento);
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> MailingSubcommands()
{
    return {
        {"combinar",
         "FICHERO.rtv PLANTILLA.rtf SALIDA [--inmuebles REF,...|todos] [--por-inmueble] [--hoy AAAA-MM-DD]",
         3, 3, cmdCombinar, {{"--inmuebles", true}, {"--por-inmueble", false}, {"--hoy", true}},
         "una copia rellena de la plantilla por inmueble, en RTF o PDF, o un RTF por inmueble"},
        {"rtf-texto", "FICHERO.rtf", 1, 1, cmdRtfTexto, {},
         "el texto de un RTF, una línea por párrafo y un salto de página \\f"},
    };
}
