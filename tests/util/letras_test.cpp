#include <gtest/gtest.h>

#include <limits>

#include "util/letras.h"

TEST(NumeroANumero, WordsByGender)
{
    const struct { qint64 v; const char *g0, *g1, *g2; } cases[] = {
        {0, " cero", " cero", " cero"},
        {1, " un", " una", " uno"},
        {21, " veintiun", " veintiuna", " veintiuno"},
        {31, " treinta y un", " treinta y una", " treinta y uno"},
        {100, " cien", " cien", " cien"},
        {101, " ciento un", " ciento una", " ciento uno"},
        {200200, " doscientos mil doscientos", " doscientas mil doscientas", " doscientos mil doscientos"},
        {1000, " mil", " mil", " mil"},
        {1100, " mil cien", " mil cien", " mil cien"},
        {21000, " veintiun mil", " veintiuna mil", " veintiuno mil"},
        {1000000, " un millón", " un millón", " un millón"},
        {1001000, " un millón mil", " un millón mil", " un millón mil"},
        {2021500, " dos millones veintiun mil quinientos", " dos millones veintiuna mil quinientas",
         " dos millones veintiuno mil quinientos"},
        {21000000, " veintiun millones", " veintiun millones", " veintiun millones"},
        {16, " dieciséis", " dieciséis", " dieciséis"},
        {40, " cuarenta", " cuarenta", " cuarenta"},
        {99, " noventa y nueve", " noventa y nueve", " noventa y nueve"},
        {2005, " dos mil cinco", " dos mil cinco", " dos mil cinco"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(NumeroANumero(c.v, 0), QString::fromUtf8(c.g0));
        EXPECT_EQ(NumeroANumero(c.v, 1), QString::fromUtf8(c.g1));
        EXPECT_EQ(NumeroANumero(c.v, 2), QString::fromUtf8(c.g2));
        EXPECT_EQ(NumeroANumero(-c.v, 2), QString::fromUtf8(c.g2));   // sign dropped
    }
    // The most negative value has no positive twin in 64 bits; it must not overflow.
    EXPECT_TRUE(NumeroANumero(std::numeric_limits<qint64>::min(), 0)
                    .endsWith(QStringLiteral(" ochocientos ocho")));
}

TEST(NumeroANumero, EveryTenAndEveryHundred)
{
    const char* const kDecenas[] = {"diez", "veinte", "treinta", "cuarenta", "cincuenta",
                                    "sesenta", "setenta", "ochenta", "noventa"};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(10 * (i + 1));
        for (int genero = 0; genero < 3; ++genero)
            EXPECT_EQ(NumeroANumero(10 * (i + 1), genero), u' ' + QString::fromUtf8(kDecenas[i]));
    }
    // Hundreds agree with a feminine noun from two hundred on; one hundred alone is "cien".
    const struct { const char *masculino, *femenino; } kCentenas[] = {
        {"cien", "cien"}, {"doscientos", "doscientas"}, {"trescientos", "trescientas"},
        {"cuatrocientos", "cuatrocientas"}, {"quinientos", "quinientas"},
        {"seiscientos", "seiscientas"}, {"setecientos", "setecientas"},
        {"ochocientos", "ochocientas"}, {"novecientos", "novecientas"},
    };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(100 * (i + 1));
        EXPECT_EQ(NumeroANumero(100 * (i + 1), 0), u' ' + QString::fromUtf8(kCentenas[i].masculino));
        EXPECT_EQ(NumeroANumero(100 * (i + 1), 1), u' ' + QString::fromUtf8(kCentenas[i].femenino));
        EXPECT_EQ(NumeroANumero(100 * (i + 1), 2), u' ' + QString::fromUtf8(kCentenas[i].masculino));
    }
}

TEST(ImporteEnLetras, AmountsRoundedToCents)
{
    const struct { qint64 n; const char* texto; } cases[] = {
        {12'345'600, " mil doscientos treinta y cuatro Euros con cincuenta y seis céntimos"},
        {10'000, " un Euros"},
        {0, "cero Euros"},
        {49, "cero Euros"},
        {-49, "cero Euros"},
        {50, " un céntimos"},
        {19'950, " dos Euros"},
        {9'999'999, " mil Euros"},
        {-12'345'600, "menos  mil doscientos treinta y cuatro Euros con cincuenta y seis céntimos"},
        {10'000'000'000, " un millón Euros"},
        {21'000'100, " dos mil cien Euros con un céntimos"},
        {10'000'000'000'000'000, " un billón Euros"},
        {20'000'030'000'000'000, " dos billones tres millones Euros"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(ImporteEnLetras(Moneda::DeDiezmilesimas(c.n)), QString::fromUtf8(c.texto));
    }
}

TEST(FechaEnLetras, DayMonthAndYear)
{
    const struct { QDate d; const char* texto; } cases[] = {
        {QDate(2005, 1, 1), "uno de enero del  dos mil cinco"},
        {QDate(1999, 3, 15), "quince de marzo de  mil novecientos noventa y nueve"},
        {QDate(2008, 9, 16), "dieciseis de septiembre del  dos mil ocho"},
        {QDate(2021, 12, 31), "treinta y uno de diciembre del  dos mil veintiuno"},
        {QDate(2000, 2, 21), "veintiuno de febrero del  dos mil"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FechaEnLetras(c.d), QString::fromUtf8(c.texto));
    }
    EXPECT_EQ(FechaEnLetras(QDate()), QString());
}

TEST(Meses, NamesAndLookup)
{
    EXPECT_EQ(NombreMes(1), QStringLiteral("enero"));
    EXPECT_EQ(NombreMes(9), QStringLiteral("septiembre"));
    EXPECT_EQ(NombreMes(13), QStringLiteral("--- ERROR EN MES ---"));
    EXPECT_EQ(NombreMes(0), QStringLiteral("--- ERROR EN MES ---"));
    EXPECT_EQ(NombreMesMayusculas(12), QStringLiteral("DICIEMBRE"));
    EXPECT_EQ(NombreMesMayusculas(0), QStringLiteral("ERROR"));
    EXPECT_EQ(NumeroMes(QStringLiteral("Enero")), 0);
    EXPECT_EQ(NumeroMes(QStringLiteral("ENERO")), 1);
    EXPECT_EQ(NumeroMes(QString()), 0);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(NumeroMes(NombreMesMayusculas(m)), m);
}
