// Composing a template for many properties: copies, pages, order, staging, and rentiva-cli.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

#include "data/record_sets.h"
#include "documents/archivo_documento.h"
#include "documents/mailing.h"
#include "documents/rtf.h"
#include "documents_fixture.h"

namespace {

const QDate kHoy(2024, 3, 1);

// A template of two paragraphs, the second centred.
void Plantilla(QTextDocument& doc)
{
    LeerRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Estimado \\b _nombre_inquilino_\\b0 :\\par\\qc Renta _Renta_Numero_\\par}", doc);
}

}  // namespace

class MailingTest : public DocumentsTest {
protected:
    QList<qint64> TresInquilinos()
    {
        return {Inmueble({.inquilino = QStringLiteral("ANA")}), Inmueble({.inquilino = QStringLiteral("LUIS")}),
                Inmueble({.arrendador = QStringLiteral("NADIE"), .inquilino = QStringLiteral("EVA")})};
    }
};

TEST_F(MailingTest, EachPropertyGetsItsOwnCopyOnItsOwnPage)
{
    const QList<qint64> refs = TresInquilinos();
    QTextDocument plantilla, doc;
    Plantilla(plantilla);
    // Staged in the order asked for, not in the table's.
    PrepararInformeInmuebles(db, {refs[2], refs[0], refs[1]});
    CInmuebleSet filas(&db, QStringLiteral("[informe_inmueble]"));
    const Composicion c = ComponerDocumento(doc, plantilla, db, filas, kHoy);
    EXPECT_EQ(c.copias, 3);
    EXPECT_TRUE(c.error.isEmpty());
    ASSERT_EQ(c.avisos.size(), 1);
    EXPECT_TRUE(c.avisos[0].contains(u"NADIE"));
    EXPECT_EQ(TextoPorParrafos(doc), QStringLiteral("Estimado EVA:\nRenta 600,00 €\n\n"
                                                    "\fEstimado ANA:\nRenta 600,00 €\n\n"
                                                    "\fEstimado LUIS:\nRenta 600,00 €\n"));
    // Each copy keeps the template's formats; the page breaks survive the file.
    int centrados = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        centrados += b.text().startsWith(u"Renta") && (b.blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(centrados, 3);
    QTextDocument leido;
    LeerRtf(EscribirRtf(doc), leido);
    EXPECT_EQ(TextoPorParrafos(leido), TextoPorParrafos(doc));

    // Nothing staged: an empty document; the template is not in it.
    PrepararInformeInmuebles(db, {});
    CInmuebleSet vacio(&db, QStringLiteral("[informe_inmueble]"));
    EXPECT_EQ(ComponerDocumento(doc, plantilla, db, vacio, kHoy).copias, 0);
    EXPECT_TRUE(doc.isEmpty());
}

TEST_F(MailingTest, StagingRefusesAnUnknownPropertyAndKeepsTheTable)
{
    const QList<qint64> refs = TresInquilinos();
    PrepararInformeInmuebles(db, {refs[1]});
    EXPECT_THROW(PrepararInformeInmuebles(db, {refs[0], 999}), UserError);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT ref FROM informe_inmueble")), refs[1]);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM informe_inmueble"), 1);
}

TEST_F(MailingTest, ADatabaseErrorStopsComposingAndKeepsTheCopiesMade)
{
    TresInquilinos();
    PrepararInformeInmuebles(db, RefsInmuebles(db));
    CInmuebleSet filas(&db, QStringLiteral("[informe_inmueble]"));
    QTextDocument plantilla;
    Plantilla(plantilla);
    int n = 0;
    const Composicion c = RecorrerCopias(plantilla, db, filas, kHoy, [&n](const QTextDocument&, const DatosPlantilla&) {
        if (++n == 2)
            throw DbError(QStringLiteral("disco desconectado"), 10);
    });
    EXPECT_EQ(c.copias, 1);
    EXPECT_TRUE(c.error.contains(u"disco desconectado"));
}

TEST_F(MailingTest, CliCombinesIntoOneFileOrOneFilePerProperty)
{
    const QList<qint64> refs = TresInquilinos();
    QTextDocument plantilla;
    Plantilla(plantilla);
    const QString rtf = ws.file(QStringLiteral("plantilla.rtf"));
    EscribirArchivoDocumento(rtf, EscribirRtf(plantilla));
    const QString salida = ws.file(QStringLiteral("cartas.rtf"));
    const QString lista = QStringLiteral("%1,%2").arg(refs[1]).arg(refs[0]);
    QString out, err;
    ASSERT_EQ(RunCli({"combinar", ws.workspacePath(), rtf, salida, "--inmuebles", lista, "--hoy", "2024-03-01"}, &out, &err), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("2\n"));
    ASSERT_EQ(RunCli({"rtf-texto", salida}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Estimado LUIS:\nRenta 600,00 €\n\n\fEstimado ANA:\nRenta 600,00 €\n"));

    // Every property by default; one file each.
    const QString carpeta = ws.file(QStringLiteral("cartas"));
    ASSERT_EQ(RunCli({"combinar", ws.workspacePath(), rtf, carpeta, "--por-inmueble"}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("3\n"));
    EXPECT_TRUE(err.contains(u"NADIE"));
    const QStringList archivos = QDir(carpeta).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(archivos.size(), 3);
    EXPECT_EQ(archivos[0], QStringLiteral("0001_%1_MAYOR_12_2º_B.rtf").arg(refs[0]));
    ASSERT_EQ(RunCli({"rtf-texto", QDir(carpeta).filePath(archivos[2])}, &out), 0);
    EXPECT_TRUE(out.startsWith(u"Estimado EVA:\n"));

    // A PDF of the same pages.
    const QString pdf = ws.file(QStringLiteral("cartas.pdf"));
    ASSERT_EQ(RunCli({"combinar", ws.workspacePath(), rtf, pdf}, &out, &err), 0) << err.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));

    const struct {
        QStringList args;
        int codigo;
    } errores[] = {
        {{"combinar", ws.workspacePath(), ws.file(QStringLiteral("falta.rtf")), salida}, 1},
        {{"combinar", ws.workspacePath(), rtf, salida, "--inmuebles", "999"}, 1},
        {{"combinar", ws.workspacePath(), rtf, ws.file(QStringLiteral("no/hay/carpeta.rtf"))}, 1},
        {{"combinar", ws.workspacePath(), rtf, ws.file(QStringLiteral("cartas.doc"))}, 2},
        {{"combinar", ws.workspacePath(), rtf, salida, "--inmuebles", "uno"}, 2},
        {{"combinar", ws.workspacePath(), rtf}, 2},
        {{"rtf-texto", ws.file(QStringLiteral("falta.rtf"))}, 1},
    };
    for (const auto& e : errores) {
        SCOPED_TRACE(e.args.join(u' ').toStdString());
        EXPECT_EQ(RunCli(e.args, &out, &err), e.codigo);
        EXPECT_FALSE(err.isEmpty());
    }
    EXPECT_TRUE(QFile::exists(salida));
}
