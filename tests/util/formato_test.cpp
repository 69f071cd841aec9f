#include <gtest/gtest.h>

#include <limits>

#include "util/formato.h"

namespace {
Moneda M(qint64 n) { return Moneda::DeDiezmilesimas(n); }
}

TEST(MonedaATexto, RoundsHalfAwayFromZeroAndGroups)
{
    const struct { qint64 n; const char* texto; } cases[] = {
        {12'345'600, "1.234,56"}, {0, "0,00"}, {50, "0,01"}, {49, "0,00"},
        {19'950, "2,00"}, {-19'950, "-2,00"}, {99'999'999, "10.000,00"}, {-40, "-0,00"},
        {9'990'000, "999,00"}, {-10'000'000, "-1.000,00"},
        // Report totals beyond 32-bit units still print whole.
        {30'000'000'000'000, "3.000.000.000,00"},
        {std::numeric_limits<qint64>::max(), "922.337.203.685.477,58"},
        {std::numeric_limits<qint64>::min(), "-922.337.203.685.477,58"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(MonedaATexto(M(c.n)), QString::fromUtf8(c.texto));
    }
}

TEST(TextoAMoneda, ReadsSpanishAmountsRoundedToCents)
{
    const struct { const char* texto; qint64 n; } cases[] = {
        {"1.234,56 €", 12'345'600}, {"(12,5)", -125'000}, {"7", 70'000}, {"0,004", 0},
        {"0,0050", 100}, {"-7", -70'000}, {"1.234,56", 12'345'600}, {"612,345", 6'123'500},
        {"0,00995", 100}, {"  3.000.000.000 ", 30'000'000'000'000}, {"12 EUR", 120'000},
        {"-1,995", -20'000}, {"1.234", 12'340'000}, {"1.234.567,8", 12'345'678'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texto);
        bool ok = false;
        EXPECT_EQ(TextoAMoneda(QString::fromUtf8(c.texto), &ok).Diezmilesimas(), c.n);
        EXPECT_TRUE(ok);
    }
}

TEST(TextoAMoneda, RefusesTextThatIsNotAnAmount)
{
    for (const char* texto : {"", "doce", "1,2,3", "12a5", "-", "99999999999999999999",
                              "922337203685478",
                              "12.5", "12.50", "1.2345", "1,5.3", ".5", "1.234.5,00"}) {
        SCOPED_TRACE(texto);
        bool ok = true;
        EXPECT_EQ(TextoAMoneda(QString::fromUtf8(texto), &ok), Moneda());
        EXPECT_FALSE(ok);
    }
}

TEST(TextoAMoneda, RoundTripsWithMonedaATexto)
{
    for (qint64 n : {0LL, 100LL, -100LL, 12'345'600LL, -987'654'321'00LL, 922'337'203'685'400'00LL}) {
        SCOPED_TRACE(n);
        bool ok = false;
        EXPECT_EQ(TextoAMoneda(MonedaATexto(M(n)), &ok), M(n));
        EXPECT_TRUE(ok);
    }
}

TEST(MonedaConSimbolo, AddsFirstCharacterOfTheSymbol)
{
    EXPECT_EQ(MonedaConSimbolo(M(12'345'600), QStringLiteral("Euros")), QStringLiteral("1.234,56 E"));
    EXPECT_EQ(MonedaConSimbolo(M(12'345'600), QString()), QStringLiteral("1.234,56"));
}

TEST(EnteroConPuntos, GroupsByThree)
{
    const struct { qint64 n; const char* texto; } cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1.000"}, {-1000, "-1.000"}, {1234567, "1.234.567"},
        {1'234'567'890'123'456LL, "1.234.567.890.123.456"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(EnteroConPuntos(c.n), QString::fromLatin1(c.texto));
    }
    EXPECT_EQ(EnteroConPuntosCeros(1234, 6), QStringLiteral("01.234"));
    EXPECT_EQ(EnteroATexto(0), QStringLiteral("0"));
    EXPECT_EQ(EnteroATexto(2005), QStringLiteral("2005"));
}

TEST(Fechas, ShortFormsAndLastDayOfMonth)
{
    const QDate d(2007, 3, 5);
    EXPECT_EQ(FechaCorta(d), QStringLiteral("05/03/2007"));
    EXPECT_EQ(FechaMesAnio(d), QStringLiteral("03/2007"));
    EXPECT_EQ(FechaCortaAnio2(d), QStringLiteral("05/03/07"));
    EXPECT_EQ(FechaCortaAnio2(QDate(2010, 12, 31)), QStringLiteral("31/12/10"));
    EXPECT_EQ(FechaCortaAnio2(QDate()), QString());
    EXPECT_EQ(FechaCorta(QDate()), QString());

    const struct { QDate in, out; } cases[] = {
        {QDate(2008, 2, 1), QDate(2008, 2, 29)}, {QDate(2008, 2, 29), QDate(2008, 2, 29)},
        {QDate(2007, 2, 10), QDate(2007, 2, 28)}, {QDate(2007, 12, 5), QDate(2007, 12, 31)},
        {QDate(2007, 4, 30), QDate(2007, 4, 30)}, {QDate(), QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.toString().toStdString());
        EXPECT_EQ(UltimoDiaMes(c.in), c.out);
    }
}

TEST(Ajustes, PaddingCutsAndCentres)
{
    const QString t = QStringLiteral("12345");
    EXPECT_EQ(AjustarDerecha(t, 3), QStringLiteral("345"));
    EXPECT_EQ(AjustarIzquierda(t, 3), QStringLiteral("123"));
    EXPECT_EQ(Centrar(t, 3), QStringLiteral("123"));
    EXPECT_EQ(AjustarDerecha(QStringLiteral("ab"), 5), QStringLiteral("   ab"));
    EXPECT_EQ(AjustarIzquierda(QStringLiteral("ab"), 5), QStringLiteral("ab   "));
    EXPECT_EQ(Centrar(QStringLiteral("ab"), 5), QStringLiteral(" ab  "));
    EXPECT_EQ(Centrar(QStringLiteral("ab"), 6), QStringLiteral("  ab  "));
    EXPECT_EQ(AjustarIzquierda(t, 5), t);
    EXPECT_EQ(Espacios(3), QStringLiteral("   "));
    EXPECT_EQ(Espacios(0), QString());
    EXPECT_EQ(Espacios(-2), QString());
}

TEST(Ajustes, AnAmountIsNeverCut)
{
    const QString millon = MonedaATexto(Moneda::DeCentimos(100'000'000));   // 1.000.000,00
    const struct { const char* linea; QString texto; int ancho; const char* esperado; } cases[] = {
        {"A", QStringLiteral("650,00"), 10, "A    650,00"},
        // Wider: it takes the blanks before it, one blank still separating the fields.
        {"DNI     ", millon, 10, "DNI   1.000.000,00"},
        {"12345678Z ", millon, 10, "12345678Z 1.000.000,00"},
        {"", millon, 10, "1.000.000,00"},
        {"   ", millon, 10, " 1.000.000,00"},
        {"TOTAL", millon, 10, "TOTAL 1.000.000,00"},   // a blank even where there was none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.linea);
        EXPECT_EQ(JuntarDerecha(QString::fromUtf8(c.linea), c.texto, c.ancho), QString::fromUtf8(c.esperado));
    }
}

TEST(EdicionTexto, ReplaceAndSpaceHandling)
{
    EXPECT_EQ(ReemplazarPrimero(QStringLiteral("DE LA DE"), QStringLiteral("DE"), QStringLiteral("X")),
              QStringLiteral("X LA DE"));
    EXPECT_EQ(ReemplazarPrimero(QStringLiteral("abc"), QStringLiteral("z"), QStringLiteral("X")),
              QStringLiteral("abc"));
    EXPECT_EQ(ReemplazarPrimero(QStringLiteral("calle"), QStringLiteral("CALLE"), QString()),
              QStringLiteral("calle"));
    EXPECT_EQ(ReemplazarCaracter(QStringLiteral("1,2,3"), u',', u'.'), QStringLiteral("1.2,3"));
    EXPECT_EQ(QuitarEspacios(QStringLiteral(" a b  c ")), QStringLiteral("abc"));
    EXPECT_EQ(QuitarDoblesEspacios(QStringLiteral("a  b   c ")), QStringLiteral("a b c"));
    EXPECT_EQ(QuitarDoblesEspacios(QStringLiteral(" a")), QStringLiteral(" a"));
    EXPECT_EQ(QuitarDoblesEspacios(QStringLiteral("  a  ")), QStringLiteral(" a"));
    EXPECT_EQ(SoloDigitosYEspacios(QStringLiteral("AV 12 B3")), QStringLiteral(" 12 3"));
    EXPECT_EQ(SinDigitosNiEspacios(QStringLiteral("AV 12 B3")), QStringLiteral("AVB"));
}

TEST(AnadirDerecha, AmountsAreNeverCut)
{
    const struct { const char* linea; const char* texto; int fin; const char* esperado; } casos[] = {
        {"ABC", "1,00", 10, "ABC   1,00"},                        // as AjustarDerecha to 10
        {"ABC", "1.000.000,00", 10, "ABC 1.000.000,00"},          // grows, one blank kept
        {"AB        ", "1.000.000,00", 14, "AB 1.000.000,00"},    // takes the blanks to its left
        {"", "123", 2, "123"},
        {"ABC 1.000.000,00", "0,00", 20, "ABC 1.000.000,00 0,00"},  // the next column takes the shift back
        {"ABC 1.000.000,00", "0,00", 25, "ABC 1.000.000,00     0,00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado);
        QString linea = QString::fromUtf8(c.linea);
        AnadirDerecha(linea, QString::fromUtf8(c.texto), c.fin);
        EXPECT_EQ(linea, QString::fromUtf8(c.esperado));
    }
}
