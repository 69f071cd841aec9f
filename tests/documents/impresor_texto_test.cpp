#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "documents/impresor_texto.h"
#include "temp_workspace.h"
#include "texto_pdf.h"
#include "util/errores.h"

namespace {

// Numbered words, so that a lost or repeated stretch of text shows.
QString TextoLargo(int palabras)
{
    QString t;
    for (int i = 1; i <= palabras; ++i) {
        t += QStringLiteral("palabra%1").arg(i);
        t += i % 11 == 0 ? QStringLiteral("\n") : i % 97 == 0 ? QStringLiteral("\n\n") : QStringLiteral(" ");
    }
    return t;
}

QStringList Palabras(const QString& s)
{
    static const QRegularExpression kPalabra(QStringLiteral("palabra\\d+"));
    QStringList r;
    for (auto it = kPalabra.globalMatch(s); it.hasNext();)
        r << it.next().captured();
    return r;
}

QString Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

TEST(ImpresorTexto, ALongTextReadsBackWholeInOrderWithHeaderAndPageNumbers)
{
    TempWorkspace ws;
    const QString texto = TextoLargo(6000);
    CImpresorTexto impresor(texto, QStringLiteral("Contrato"), true);
    const QString pdf = ws.file(QStringLiteral("largo.pdf"));
    const int paginas = impresor.APdf(pdf);
    ASSERT_GT(paginas, 5);
    EXPECT_EQ(PaginasDePdf(pdf), paginas);
    // Every page goes on exactly after the last word of the one before.
    EXPECT_EQ(Palabras(TextoPdf(pdf, 1, 0, false)), Palabras(texto));
    for (int p : {1, paginas}) {
        const QString t = TextoPdf(pdf, p, p);
        EXPECT_TRUE(t.contains(QStringLiteral("Rentiva Contrato"))) << p;
        EXPECT_TRUE(t.trimmed().endsWith(QString::number(p))) << p;
    }
    // A larger font takes more pages.
    impresor.PonerAltoLetra(14);
    EXPECT_GT(impresor.APdf(ws.file(QStringLiteral("grande.pdf"))), paginas);
}

TEST(ImpresorTexto, AWordLongerThanALineIsBrokenAndNothingIsLost)
{
    TempWorkspace ws;
    const QString largo = QString(500, u'x');
    CImpresorTexto impresor(QStringLiteral("inicio ") + largo + QStringLiteral(" fin"), QStringLiteral("T"), false);
    const QString pdf = ws.file(QStringLiteral("palabra.pdf"));
    EXPECT_EQ(impresor.APdf(pdf), 1);
    const QString t = TextoPdf(pdf, 1, 0, false);
    EXPECT_EQ(QString(t).remove(QRegularExpression(QStringLiteral("[^x]"))).size(), 500);
    EXPECT_TRUE(t.contains(QStringLiteral("fin")));
}

TEST(ImpresorTexto, EmptyTextAndTooLargeAFontWriteNothing)
{
    TempWorkspace ws;
    const QString pdf = ws.file(QStringLiteral("nada.pdf"));
    EXPECT_EQ(CImpresorTexto(QString(), QStringLiteral("T"), true).APdf(pdf), 0);
    EXPECT_FALSE(QFile::exists(pdf));

    CImpresorTexto enorme(QStringLiteral("hola"), QStringLiteral("T"), true);
    enorme.PonerAltoLetra(900);
    EXPECT_THROW(enorme.APdf(pdf), UserError);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(ImpresorTexto, AFailedSaveKeepsTheOldFile)
{
    TempWorkspace ws;
    const QString ruta = ws.file(QStringLiteral("texto.txt"));
    GuardarTexto(ruta, QStringLiteral("primera versión\n"));
    EXPECT_EQ(Leer(ruta), QStringLiteral("primera versión\n"));
    // The file cannot be replaced where its temporary copy cannot be written: a name at the
    // length limit leaves no room for the temporary name.
    const QString largo = ws.file(QString(250, u'n'));
    GuardarTexto(largo, QStringLiteral("vieja"));
    try {
        GuardarTexto(largo, QStringLiteral("nueva"));
        ADD_FAILURE() << "the save must fail";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral(" No ha sido posible guardar el fichero"));
    }
    EXPECT_EQ(Leer(largo), QStringLiteral("vieja"));
}

TEST(ImpresorTexto, CliWritesThePdfAndPrintsThePageCount)
{
    TempWorkspace ws;
    const QString entrada = ws.file(QStringLiteral("entrada.txt"));
    GuardarTexto(entrada, TextoLargo(3000));
    const QString salida = ws.file(QStringLiteral("salida.pdf"));
    QString out, err;
    ASSERT_EQ(RunCli({QStringLiteral("texto-pdf"), entrada, salida, QStringLiteral("--titulo"),
                      QStringLiteral("Carta"), QStringLiteral("--paginas"), QStringLiteral("--alto"),
                      QStringLiteral("12")}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out.trimmed().toInt(), PaginasDePdf(salida));
    EXPECT_TRUE(TextoPdf(salida, 1, 1).contains(QStringLiteral("Rentiva Carta")));

    const QString vacio = ws.file(QStringLiteral("vacio.txt"));
    GuardarTexto(vacio, QString());
    EXPECT_EQ(RunCli({QStringLiteral("texto-pdf"), vacio, ws.file(QStringLiteral("v.pdf"))}, &out, &err), 0);
    EXPECT_EQ(out.trimmed(), QStringLiteral("0"));
    EXPECT_FALSE(QFile::exists(ws.file(QStringLiteral("v.pdf"))));
    // The input is never overwritten.
    EXPECT_EQ(RunCli({QStringLiteral("texto-pdf"), entrada, entrada}, &out, &err), 1);
    EXPECT_TRUE(Leer(entrada).startsWith(QStringLiteral("palabra1 ")));
}
