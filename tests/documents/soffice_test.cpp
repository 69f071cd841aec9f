// Optional: a word processor reads what we write. Skipped where soffice is not installed
// (libreoffice-writer-nogui is too large for the project's own dependencies).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#include "documents/archivo_documento.h"
#include "data/record_sets.h"
#include "documents/carta_aumento.h"
#include "documents/mailing.h"
#include "documents/modelo_contrato.h"
#include "documents/rtf.h"
#include "documents/texto_contrato.h"
#include "documents_fixture.h"

namespace {

// The text of `rtf` converted to PDF by soffice, then read back by pdftotext.
QString TextoPorSoffice(const QString& soffice, const QString& rtf, const QString& perfil)
{
    const QString carpeta = QFileInfo(rtf).absolutePath();
    QProcess p;
    p.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(perfil).toString(),
                      QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                      QStringLiteral("--outdir"), carpeta, rtf});
    if (!p.waitForFinished(180'000))
        return QStringLiteral("soffice no terminó");
    const QString pdf = carpeta + u'/' + QFileInfo(rtf).completeBaseName() + QStringLiteral(".pdf");
    QProcess t;
    t.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    t.waitForFinished(60'000);
    return QString::fromUtf8(t.readAllStandardOutput()).simplified();
}

}  // namespace

TEST_F(DocumentsTest, WordProcessorReadsTheContractAndTheFilledModel)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "soffice or pdftotext is not installed";
    const QString nombre = QStringLiteral("Ştefan O'Connor {Núñez} \\ Peña");
    DatosContrato d = Abrir({.inquilino = nombre});

    const QString contrato = ws.file(QStringLiteral("contrato.rtf"));
    EscribirArchivoDocumento(contrato, DocumentoRtfTexto(TextoContratoVivienda(d), 10));
    const QString modelo = ws.file(QStringLiteral("modelo.rtf"));
    EscribirArchivoDocumento(modelo, "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times New Roman;}}\\f0 "
                                     "Inquilino: \\b&Nombre\\b0 .\\par Renta: &Renta_.\\par En &Locali, a &Fecha_.}");
    const QString lleno = ws.file(QStringLiteral("lleno.rtf"));
    EscribirArchivoDocumento(lleno, RellenarModelo(LeerArchivoDocumento(modelo), d));

    for (const QString& rtf : {contrato, lleno}) {
        SCOPED_TRACE(rtf.toStdString());
        const QString texto = TextoPorSoffice(soffice, rtf, ws.file(QStringLiteral("perfil")));
        EXPECT_TRUE(texto.contains(nombre)) << texto.left(800).toStdString();
        EXPECT_TRUE(texto.contains(QStringLiteral("seiscientos Euros [600,00 €]"))) << texto.left(800).toStdString();
        EXPECT_TRUE(texto.contains(QStringLiteral("quince de abril del dos mil veinticuatro")));
    }

    // The revision letter: typographic quotes, long dashes and amounts survive the trip.
    const DatosPlantilla datos = LeerDatosCarta(db, d.refInmueble, QDate(2024, 3, 1));
    Aumento a = AbrirAumento(datos);
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("3,45")), AjustesImpuestos{});
    const QString carta = ws.file(QStringLiteral("carta.rtf"));
    EscribirArchivoDocumento(carta, DocumentoRtfTexto(TextoCartaAumento(datos, a, AjustesImpuestos{}), 10));
    const QString texto = TextoPorSoffice(soffice, carta, ws.file(QStringLiteral("perfil")));
    EXPECT_TRUE(texto.contains(QStringLiteral("\u201CLey 29/1994, de 24 de noviembre, de Arrendamientos Urbanos\u201D")))
        << texto.left(800).toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Renta Actual 620,70 €"))) << texto.left(1500).toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("\u2014\u2014\u2014")));
}

TEST_F(DocumentsTest, WordProcessorShowsEachComposedLetterOnItsOwnPage)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "soffice or pdftotext is not installed";
    const QStringList inquilinos = {QStringLiteral("ANA"), QStringLiteral("Ştefan Peña"), QStringLiteral("LUIS")};
    QList<qint64> refs;
    for (const QString& i : inquilinos)
        refs << Inmueble({.inquilino = i});
    QTextDocument plantilla, doc;
    LeerRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Estimado \\b _Nombre_Inquilino_\\b0 :\\par Renta _Renta_.}", plantilla);
    PrepararInformeInmuebles(db, refs);
    CInmuebleSet filas(&db, QStringLiteral("[informe_inmueble]"));
    ASSERT_EQ(ComponerDocumento(doc, plantilla, db, filas, QDate(2024, 3, 1)).copias, 3);
    const QString rtf = ws.file(QStringLiteral("cartas.rtf"));
    EscribirArchivoDocumento(rtf, EscribirRtf(doc));
    // pdftotext ends each page with a form feed; simplified() would hide it, so read it raw.
    TextoPorSoffice(soffice, rtf, ws.file(QStringLiteral("perfil")));
    QProcess t;
    t.start(QStringLiteral("pdftotext"), {ws.file(QStringLiteral("cartas.pdf")), QStringLiteral("-")});
    t.waitForFinished(60'000);
    const QStringList paginas = QString::fromUtf8(t.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(paginas.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(paginas[i].contains(QStringLiteral("Estimado ") + inquilinos[i])) << paginas[i].toStdString();
}
