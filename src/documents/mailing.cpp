#include "documents/mailing.h"

#include <QDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <memory>

#include "data/database.h"
#include "data/esquema.h"
#include "data/record_sets.h"
#include "documents/archivo_documento.h"
#include "documents/campos_plantilla.h"
#include "documents/rtf.h"
#include "util/errores.h"

namespace {

// The pictures a copy names must be resources of the document it goes into.
void CopiarImagenes(const QTextDocument& desde, QTextDocument& hacia)
{
    for (QTextBlock b = desde.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl nombre(f.toImageFormat().name());
            const QVariant r = desde.resource(QTextDocument::ImageResource, nombre);
            if (r.isValid())
                hacia.addResource(QTextDocument::ImageResource, nombre, r);
        }
}

}  // namespace

void PrepararInformeInmuebles(Database& db, const QList<qint64>& refs)
{
    QStringList columnas;
    for (const QString& c : NombresColumnas(QStringLiteral("inmueble")))
        columnas << QuoteIdentifier(c);
    const QString lista = columnas.join(QStringLiteral(", "));
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM informe_inmueble"));
    Statement insertar(db, QStringLiteral("INSERT INTO informe_inmueble (%1) SELECT %1 FROM inmueble WHERE ref = ?1").arg(lista));
    for (qint64 ref : refs) {
        insertar.bind(1, ref).run();
        if (db.changes() != 1)
            throw UserError(QStringLiteral("El inmueble %1 no existe; compruebe la referencia.").arg(ref));
    }
    tx.commit();
}

QList<qint64> RefsInmuebles(Database& db)
{
    QList<qint64> r;
    CInmuebleSet set(&db);
    for (set.moveFirst(); !set.isEOF(); set.moveNext())
        r << set.integer(QStringLiteral("ref"));
    return r;
}

Composicion RecorrerCopias(const QTextDocument& plantilla, Database& db, RecordSet& filas, const QDate& hoy,
                           const std::function<void(const QTextDocument& copia, const DatosPlantilla& d)>& copia)
{
    Composicion r;
    try {
        for (filas.moveFirst(); !filas.isEOF(); filas.moveNext()) {
            const DatosPlantilla d = DatosPlantillaDe(db, filas, hoy);
            if (!d.hayPropietario) {
                const QString aviso = TextoError(PropietarioNoEncontrado(d.arrendador));
                if (!r.avisos.contains(aviso))
                    r.avisos << aviso;
            }
            // Each copy is filled alone, so composing stays linear in the number of copies.
            const std::unique_ptr<QTextDocument> lleno(plantilla.clone());
            CopiarImagenes(plantilla, *lleno);
            RellenarCampos(*lleno, d);
            copia(*lleno, d);
            ++r.copias;
        }
    } catch (const std::exception& e) {
        r.error = TextoError(e);
    }
    return r;
}

Composicion ComponerDocumento(QTextDocument& destino, const QTextDocument& plantilla, Database& db,
                              RecordSet& filas, const QDate& hoy)
{
    destino.clear();
    destino.setDefaultFont(plantilla.defaultFont());
    CopiarImagenes(plantilla, destino);
    QTextCursor c(&destino);
    c.beginEditBlock();
    const Composicion r = RecorrerCopias(plantilla, db, filas, hoy, [&c](const QTextDocument& copia, const DatosPlantilla&) {
        const bool primera = c.position() == 0 && c.document()->characterCount() <= 1;
        if (!primera)
            c.insertBlock();
        const int inicio = c.position();
        c.insertFragment(QTextDocumentFragment(&copia));
        // The copy's first paragraph keeps its own format and starts the page.
        QTextCursor p(c.document());
        p.setPosition(inicio);
        QTextBlockFormat f = copia.begin().blockFormat();
        if (!primera)
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        p.setBlockFormat(f);
        c.movePosition(QTextCursor::End);
    });
    c.endEditBlock();
    return r;
}

Composicion ComponerArchivos(const QString& carpeta, const QTextDocument& plantilla, Database& db,
                             RecordSet& filas, const QDate& hoy)
{
    if (!QDir().mkpath(carpeta))
        throw UserError(QStringLiteral("No se puede crear la carpeta %1: elija otra.").arg(carpeta));
    int n = 0;
    return RecorrerCopias(plantilla, db, filas, hoy, [&](const QTextDocument& copia, const DatosPlantilla& d) {
        EscribirArchivoDocumento(QDir(carpeta).filePath(NombreArchivoCopia(++n, d)), EscribirRtf(copia));
    });
}

QString NombreArchivoCopia(int n, const DatosPlantilla& d)
{
    QString direccion = UnirConEspacio(d.direccion, d.piso);
    for (QChar& c : direccion)
        if (c.isSpace() || c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' ||
            c == u'<' || c == u'>' || c == u'|' || c.unicode() < 0x20)
            c = u'_';
    return QStringLiteral("%1_%2_%3.rtf").arg(n, 4, 10, QLatin1Char('0')).arg(d.ref).arg(direccion.left(80));
}
