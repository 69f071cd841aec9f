#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "bank/fichero_cuaderno19.h"
#include "reports/informe_lineas.h"
#include "bank_fixture.h"
#include "temp_workspace.h"

namespace {

// The text of a PDF's pages `desde`..`hasta` (0: to the end), as laid out on the page.
QString TextoPdf(const QString& ruta, int desde = 1, int hasta = 0)
{
    QProcess p;
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(desde)};
    if (hasta > 0)
        args << QStringLiteral("-l") << QString::number(hasta);
    p.start(QStringLiteral("pdftotext"), args << ruta << QStringLiteral("-"));
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasPdf(const QString& ruta)
{
    return int(TextoPdf(ruta).count(u'\f'));
}

}  // namespace

TEST(ListadoRemesa, PagesKeepRoomForTheTotals)
{
    const struct { int lineas; std::vector<std::pair<int, bool>> paginas; } casos[] = {
        {0, {{0, true}}},
        {3, {{3, true}}},
        {33, {{33, true}}},
        {34, {{34, false}, {0, true}}},
        {40, {{40, false}, {0, true}}},
        {44, {{44, false}, {0, true}}},
        {45, {{44, false}, {1, true}}},
        {88, {{44, false}, {44, false}, {0, true}}},
        {600, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.lineas);
        const auto paginas = CFicheroCuaderno19::PaginarListado(c.lineas);
        int siguiente = 0;
        for (size_t i = 0; i < paginas.size(); ++i) {
            EXPECT_EQ(paginas[i].primera, siguiente);
            siguiente += paginas[i].lineas;
            EXPECT_EQ(paginas[i].totales, i + 1 == paginas.size());
            if (!c.paginas.empty()) {
                ASSERT_EQ(paginas.size(), c.paginas.size());
                EXPECT_EQ(paginas[i].lineas, c.paginas[i].first);
                EXPECT_EQ(paginas[i].totales, c.paginas[i].second);
            }
        }
        EXPECT_EQ(siguiente, c.lineas);   // every line is listed, none twice
    }
}

TEST(ListadoRemesa, LineOfAReceipt)
{
    ReciboBanco r = ReciboSimple(1, 65000, QStringLiteral("PÉREZ LÓPEZ ANA"));
    r.codref = QStringLiteral("R-7");
    r.banco = QStringLiteral("49");
    r.sucursal = QStringLiteral("1");
    r.dc = QStringLiteral("5");
    r.ccc = QStringLiteral("1234");
    EXPECT_EQ(CFicheroCuaderno19::LineaListado(r),
              QStringLiteral("R-7           PÉREZ LÓPEZ ANA                           "
                             "0049 0001 05 0000001234      650,00\r\n"));
}

TEST(ListadoRemesa, PdfListsEveryReceiptAndTheSuffixWritten)
{
    TempWorkspace ws;
    AjustesBanco ajustes;
    ajustes.sufijo = 2;
    CFicheroCuaderno19 f = FicheroPrueba(ajustes);
    const int n = 600;   // more than the 500 lines an old listing kept
    for (int i = 1; i <= n; ++i)
        ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(i, 10000, QStringLiteral("INQUILINO %1 FIN").arg(i))));
    const QString ruta = ws.file(QStringLiteral("listado.pdf"));
    f.ListadoAPdf(ruta);
    const QString texto = TextoPdf(ruta);
    for (int i = 1; i <= n; ++i)
        ASSERT_TRUE(texto.contains(QStringLiteral("INQUILINO %1 FIN ").arg(i))) << i;
    EXPECT_EQ(PaginasPdf(ruta), 14);   // 13 pages of 44 lines, 28 lines and the totals on the 14th
    EXPECT_TRUE(texto.contains(QStringLiteral("NIF/Sufijo= 50001774G/ 002")));
    EXPECT_FALSE(texto.contains(QStringLiteral("/ 001")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Página 14")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Fecha Presentación 5/3/2007")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Fecha Facturación 10/3/2007")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Datos Bancarios 2080 8802 18 3071876575")));
    const QString ultima = TextoPdf(ruta, 14, 14);
    EXPECT_TRUE(ultima.contains(QStringLiteral("REGISTROS TOTALES")));
    EXPECT_TRUE(ultima.contains(QStringLiteral("60.000,00")));
    EXPECT_TRUE(TextoPdf(ruta, 1, 13).count(QStringLiteral("REGISTROS TOTALES")) == 0);
}

TEST(ListadoRemesa, FortyReceiptsPutTheTotalsAloneOnPageTwo)
{
    TempWorkspace ws;
    for (int n : {33, 40}) {
        SCOPED_TRACE(n);
        CFicheroCuaderno19 f = FicheroPrueba();
        for (int i = 1; i <= n; ++i)
            ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(i, 10000)));
        const QString ruta = ws.file(QStringLiteral("l%1.pdf").arg(n));
        f.ListadoAPdf(ruta);
        ASSERT_EQ(PaginasPdf(ruta), n == 33 ? 1 : 2);
        const QString ultima = TextoPdf(ruta, n == 33 ? 1 : 2, n == 33 ? 1 : 2);
        EXPECT_TRUE(ultima.contains(QStringLiteral("REGISTROS TOTALES")));
        EXPECT_EQ(ultima.count(QStringLiteral("INQUILINO")), n == 33 ? 33 : 0);
    }
}

TEST(ListadoRemesa, ATotalOfAMillionIsPrintedWhole)
{
    TempWorkspace ws;
    CFicheroCuaderno19 f = FicheroPrueba();
    ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(1, 60'000'000)));
    ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(2, 60'000'000)));
    const QString ruta = ws.file(QStringLiteral("millon.pdf"));
    f.ListadoAPdf(ruta);
    const QString texto = TextoPdf(ruta);
    EXPECT_TRUE(texto.contains(QRegularExpression(QStringLiteral("Soporte: +1\\.200\\.000,00\\n"))))
        << texto.toStdString();
}

TEST(InformeLineas, FiftyBodyLinesAPageAndTheHeaderOnEach)
{
    TempWorkspace ws;
    const struct { int cuerpo; int paginas; } casos[] = {{0, 1}, {50, 1}, {51, 2}, {120, 3}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cuerpo);
        QStringList lineas{QStringLiteral("CABECERA DE COLUMNAS\r\n")};
        for (int i = 1; i <= c.cuerpo; ++i)
            lineas << QStringLiteral("LINEA %1 FIN\r\n").arg(i);
        CInformeLineas informe(lineas, QStringLiteral("Informe Facturación"));
        const QString ruta = ws.file(QStringLiteral("i%1.pdf").arg(c.cuerpo));
        informe.APdf(ruta);
        ASSERT_EQ(PaginasPdf(ruta), c.paginas);
        for (int p = 1; p <= c.paginas; ++p) {
            const QString t = TextoPdf(ruta, p, p);
            EXPECT_TRUE(t.contains(QStringLiteral("CABECERA DE COLUMNAS"))) << p;
            EXPECT_TRUE(t.contains(QStringLiteral("Informe Facturación"))) << p;
            EXPECT_TRUE(t.contains(QStringLiteral("Página %1").arg(p))) << p;
            const int enPagina = qMin(50, c.cuerpo - 50 * (p - 1));
            EXPECT_EQ(t.count(QStringLiteral(" FIN")), enPagina) << p;
        }
        if (c.cuerpo > 0) {
            EXPECT_TRUE(TextoPdf(ruta).contains(QStringLiteral("LINEA %1 FIN").arg(c.cuerpo)));
        }
    }
}
