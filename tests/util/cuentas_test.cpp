#include <gtest/gtest.h>

#include "util/cuentas.h"
#include "util/nif.h"
#include "util/texto.h"

TEST(DigitosControlCcc, KnownAccounts)
{
    const struct { const char *banco, *sucursal, *cuenta, *dc; } cases[] = {
        {"1234", "5678", "1234567890", "06"},
        {"0049", "1500", "0512345678", "01"},
        {"12", "34", "567", "84"},            // padded to 0012 0034 0000000567
        {"", "", "", "00"},
        {"0000", "0000", "0000000000", "00"},
        {"2100", "0418", "4502000513", "42"},   // sums 95 and 86, worked by hand
        // second sum 2*6 = 12, remainder 1: d = 10 gives the digit 1, never "10"
        {"0000", "0000", "0000000002", "01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cuenta);
        const QString dc = DigitosControlCcc(QString::fromLatin1(c.banco), QString::fromLatin1(c.sucursal),
                                             QString::fromLatin1(c.cuenta));
        EXPECT_EQ(dc, QString::fromLatin1(c.dc));
        EXPECT_EQ(dc.size(), 2);
        EXPECT_TRUE(ValidarCcc(QString::fromLatin1(c.banco), QString::fromLatin1(c.sucursal),
                               dc, QString::fromLatin1(c.cuenta)));
    }
}

TEST(DigitosControlCcc, NonDigitOrOverlongFieldsHaveNoCheckDigits)
{
    const struct { const char *banco, *sucursal, *cuenta; } cases[] = {
        {"12A4", "5678", "1234567890"}, {"1234", "56-8", "1234567890"},
        {"1234", "5678", "12345X7890"}, {"12345", "5678", "1234567890"},
        {"1234", "5678", "12345678901"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cuenta);
        EXPECT_EQ(DigitosControlCcc(QString::fromLatin1(c.banco), QString::fromLatin1(c.sucursal),
                                    QString::fromLatin1(c.cuenta)),
                  kDcErroneo);
        EXPECT_FALSE(ValidarCcc(QString::fromLatin1(c.banco), QString::fromLatin1(c.sucursal),
                                QStringLiteral("00"), QString::fromLatin1(c.cuenta)));
    }
}

TEST(ValidarCcc, ComparesPaddedCheckDigits)
{
    const QString b = QStringLiteral("1234"), s = QStringLiteral("5678"), c = QStringLiteral("1234567890");
    EXPECT_TRUE(ValidarCcc(b, s, QStringLiteral("06"), c));
    EXPECT_FALSE(ValidarCcc(b, s, QStringLiteral("60"), c));
    EXPECT_FALSE(ValidarCcc(b, s, QStringLiteral("**"), c));
    EXPECT_FALSE(ValidarCcc(b, s, QStringLiteral("07"), c));
    // "5" is compared as "05".
    EXPECT_TRUE(ValidarCcc(QStringLiteral("0049"), QStringLiteral("1500"), QStringLiteral("1"),
                           QStringLiteral("0512345678")));
    EXPECT_TRUE(ValidarCcc(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("84"),
                           QStringLiteral("567")));
}

TEST(LetraNif, TableAndSeparators)
{
    const struct { const char* numero; char letra; } cases[] = {
        {"12345678", 'Z'}, {"0", 'T'}, {"23", 'T'}, {"99999999", 'R'}, {"12.345.678", 'Z'},
        {"1234,9", 'S'}, {"", 'T'}, {"1", 'R'}, {"22", 'E'}, {" 12345678 ", 'Z'},
        {"12 345 678", 'Z'}, {"X0000000", 'T'}, {"y1234567", 'X'}, {"Z7654321", 'H'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.numero);
        EXPECT_EQ(LetraNif(QString::fromLatin1(c.numero)), QChar::fromLatin1(c.letra));
    }
}

TEST(LetraNif, EveryRemainderHasTheOfficialLetter)
{
    // The Ministry of the Interior's table, indexed by the number modulo 23.
    const char kTabla[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    for (int resto = 0; resto < 23; ++resto) {
        const qint64 numero = 23 * 1'234'567 + resto;
        SCOPED_TRACE(numero);
        EXPECT_EQ(LetraNif(QString::number(numero)), QChar::fromLatin1(kTabla[resto]));
    }
}

TEST(LetraNif, InvalidNumbersGiveNoLetter)
{
    for (const char* numero : {"-5", "12345678Z", "X12A", "A1234567", "abc", "99999999999999999999"}) {
        SCOPED_TRACE(numero);
        EXPECT_TRUE(LetraNif(QString::fromLatin1(numero)).isNull());
    }
}

TEST(TextoAEntero, ReadsDigitsUntilComma)
{
    const struct { const char* texto; qint64 n; } cases[] = {
        {"", 0}, {"123", 123}, {"-123", -123}, {"1.234,9", 1234}, {"12-3", 123}, {"a1b2", 12},
        {"3000000000", 3'000'000'000LL}, {"-3000000000", -3'000'000'000LL},
        {"9223372036854775807", std::numeric_limits<qint64>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texto);
        bool ok = false;
        EXPECT_EQ(TextoAEntero(QString::fromLatin1(c.texto), &ok), c.n);
        EXPECT_TRUE(ok);
    }
}

TEST(TextoAEntero, OutOfRangeIsReportedNotWrapped)
{
    for (const char* texto : {"9223372036854775808", "99999999999999999999", "-9223372036854775808"}) {
        SCOPED_TRACE(texto);
        bool ok = true;
        EXPECT_EQ(TextoAEntero(QString::fromLatin1(texto), &ok), 0);
        EXPECT_FALSE(ok);
    }
}

TEST(TextoHelpers, PaddingAndRemoval)
{
    EXPECT_EQ(RellenarCeros(QStringLiteral("123456"), 4), QStringLiteral("3456"));
    EXPECT_EQ(RellenarCeros(QStringLiteral("12"), 4), QStringLiteral("0012"));
    EXPECT_EQ(RellenarCeros(QString(), 2), QStringLiteral("00"));
    EXPECT_EQ(RellenarCeros(QStringLiteral("12"), 0), QString());
    EXPECT_EQ(QuitarCaracteres(QStringLiteral("-/_,. "), QStringLiteral("12.345.678-Z")),
              QStringLiteral("12345678Z"));
    EXPECT_EQ(QuitarCaracteres(QString(), QStringLiteral("a b")), QStringLiteral("a b"));
    EXPECT_EQ(QuitarCaracteres(QStringLiteral("ab"), QStringLiteral("abcabc")), QStringLiteral("cc"));
}

// The form's message names the right check digits, and says nothing where there is nothing
// to say (a right account, no account number yet).
TEST(MensajeCuentaErronea, NamesTheRightDigitsOnlyForAWrongAccount)
{
    const struct { const char *banco, *sucursal, *dc, *cuenta, *correctos; } cases[] = {
        {"2100", "0418", "46", "0200051332", "45"},
        {"2100", "0418", "**", "0200051332", "45"},
        {"1234", "5678", "", "1234567890", "06"},
        {"2100", "0418", "45", "0200051332", nullptr},   // right
        {"2100", "0418", "99", "", nullptr},             // no account number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cuenta);
        const QString m = MensajeCuentaErronea(QString::fromLatin1(c.banco), QString::fromLatin1(c.sucursal),
                                               QString::fromLatin1(c.dc), QString::fromLatin1(c.cuenta));
        if (!c.correctos) {
            EXPECT_TRUE(m.isEmpty()) << m.toStdString();
            continue;
        }
        EXPECT_TRUE(m.contains(QStringLiteral("son %1.").arg(QLatin1String(c.correctos)))) << m.toStdString();
        EXPECT_TRUE(m.contains(QLatin1String(c.cuenta)));
    }
}
