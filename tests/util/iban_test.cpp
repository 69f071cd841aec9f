#include <gtest/gtest.h>

#include <QStringList>

#include "temp_workspace.h"
#include "util/iban.h"
#include "util/texto_sepa.h"

TEST(Iban, ValidatesAnyCountryWithSpacesAndLowerCase)
{
    const struct { const char* iban; bool valido; } casos[] = {
        {"ES9121000418450200051332", true},
        {"es91 2100 0418 4502 0005 1332", true},
        {"DE89370400440532013000", true},
        {"de89 3704 0044 0532 0130 00", true},
        {"GB29NWBK60161331926819", true},
        {"ES9121000418450200051333", false},   // wrong check
        {"ES912100041845020005133", false},    // one short
        {"ES91210004184502000513321", false},  // one long
        {"DE8937040044053201300", false},      // Germany has 22
        {"XX9121000418450200051332", false},   // no such country
        {"ES91-2100-0418-4502-0005-1332", false},
        {"", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.iban);
        EXPECT_EQ(ValidarIban(QString::fromLatin1(c.iban)), c.valido);
        EXPECT_EQ(ProblemaIban(QString::fromLatin1(c.iban)).isEmpty(), c.valido);
    }
    EXPECT_EQ(NormalizarIban(QStringLiteral(" es91 2100 0418 4502 0005 1332 ")),
              QStringLiteral("ES9121000418450200051332"));
    EXPECT_EQ(IbanAgrupado(QStringLiteral("DE89370400440532013000")),
              QStringLiteral("DE89 3704 0044 0532 0130 00"));
}

TEST(Iban, SpanishAccountBothWays)
{
    EXPECT_EQ(IbanDesdeCcc("2100", "0418", "45", "0200051332"), QStringLiteral("ES9121000418450200051332"));
    // Short fields are the zero-padded account they stand for.
    EXPECT_EQ(IbanDesdeCcc("12", "34", "84", "567"), IbanDesdeCcc("0012", "0034", "84", "0000000567"));
    EXPECT_TRUE(ValidarIban(IbanDesdeCcc("0049", "1500", "01", "0512345678")));
    EXPECT_TRUE(IbanDesdeCcc("2100", "0418", "46", "0200051332").isEmpty());
    EXPECT_TRUE(IbanDesdeCcc("2100", "0418", "**", "0200051332").isEmpty());
    EXPECT_TRUE(IbanDesdeCcc("", "", "", "").isEmpty());

    const Ccc c = CccDesdeIban(QStringLiteral("es91 2100 0418 4502 0005 1332"));
    EXPECT_EQ(QStringList({c.banco, c.sucursal, c.dc, c.cuenta}),
              QStringList({"2100", "0418", "45", "0200051332"}));
    EXPECT_TRUE(CccDesdeIban(QStringLiteral("DE89370400440532013000")).EsVacia());
    EXPECT_EQ(EntidadIban(QStringLiteral("ES9121000418450200051332")), QStringLiteral("2100"));
}

TEST(Iban, KeepsTheAccountAndItsIbanInStep)
{
    const QString es = QStringLiteral("ES9121000418450200051332");
    const Ccc ccc{"2100", "0418", "45", "0200051332"};
    // A typed CCC gives its IBAN, replacing an older one.
    CuentaBancaria c = ArmonizarCuenta({ccc, QStringLiteral("DE89370400440532013000")}, false);
    EXPECT_EQ(c.iban, es);
    // A typed Spanish IBAN fills the CCC; a foreign one empties it.
    c = ArmonizarCuenta({Ccc{}, QStringLiteral("es91 2100 0418 4502 0005 1332")}, true);
    EXPECT_EQ(c.ccc.cuenta, ccc.cuenta);
    EXPECT_EQ(c.iban, es);
    c = ArmonizarCuenta({ccc, QStringLiteral("DE89 3704 0044 0532 0130 00")}, true);
    EXPECT_TRUE(c.ccc.EsVacia());
    EXPECT_EQ(c.iban, QStringLiteral("DE89370400440532013000"));
    // A CCC that does not verify leaves no IBAN to debit; an emptied CCC takes its Spanish IBAN along.
    EXPECT_TRUE(ArmonizarCuenta({Ccc{"2100", "0418", "**", "0200051332"}, es}, false).iban.isEmpty());
    EXPECT_TRUE(ArmonizarCuenta({Ccc{}, es}, false).iban.isEmpty());
    EXPECT_EQ(ArmonizarCuenta({Ccc{}, QStringLiteral("DE89370400440532013000")}, false).iban,
              QStringLiteral("DE89370400440532013000"));
}

TEST(Iban, BicAndCreditorIdentifier)
{
    for (const char* b : {"CAIXESBBXXX", "caixesbb", "BSCH ES MM", "DEUTDEFF500"})
        EXPECT_TRUE(ValidarBic(QString::fromLatin1(b))) << b;
    for (const char* b : {"CAIXESB", "CAIXESBBXX", "CAIX3SBB", "CAIXES1B", "CAIXESBO", ""})
        EXPECT_FALSE(ValidarBic(QString::fromLatin1(b))) << b;

    EXPECT_EQ(IdentificadorAcreedor(QStringLiteral("B12345678")), QStringLiteral("ES97000B12345678"));
    EXPECT_EQ(IdentificadorAcreedor(QStringLiteral("b-12.345.678")), QStringLiteral("ES97000B12345678"));
    EXPECT_TRUE(IdentificadorAcreedor(QStringLiteral("B1234567&")).isEmpty());
    EXPECT_TRUE(ValidarIdentificadorAcreedor(QStringLiteral("ES97000B12345678")));
    // The business code is outside the check.
    EXPECT_TRUE(ValidarIdentificadorAcreedor(QStringLiteral("ES97ZZZB12345678")));
    EXPECT_FALSE(ValidarIdentificadorAcreedor(QStringLiteral("ES98000B12345678")));
    EXPECT_FALSE(ValidarIdentificadorAcreedor(QStringLiteral("ES97000B12345679")));
}

TEST(TextoSepa, LatinSetAndIdentifiers)
{
    EXPECT_EQ(TransliterarSepa(QStringLiteral("Peña Ibáñez, Mª")), QStringLiteral("Pena Ibanez, Ma"));
    EXPECT_EQ(TransliterarSepa(QStringLiteral("1º ÁÉÍÓÚÜ çÇ")), QStringLiteral("1o AEIOUU cC"));
    EXPECT_TRUE(CaracterNoSepa(QStringLiteral("Peña Ibáñez, Mª")).isNull());
    EXPECT_EQ(CaracterNoSepa(QStringLiteral("López & Hijos")), QChar(u'&'));
    EXPECT_EQ(TextoLibreSepa(QStringLiteral("C/ Mayor nº 5 — 2º \"A\""), 140),
              QStringLiteral("C/ Mayor no 5 2o A"));
    EXPECT_EQ(TextoLibreSepa(QString(200, u'x'), 140).size(), 140);

    EXPECT_TRUE(ProblemaIdentificadorSepa(QStringLiteral("RTV-2024/03.1")).isEmpty());
    for (const char* id : {"", "A B", "/AB", "AB/", "A//B", "AÑO", "123456789012345678901234567890123456"})
        EXPECT_FALSE(ProblemaIdentificadorSepa(QString::fromUtf8(id)).isEmpty()) << id;
}

TEST(CliSepa, IbanHelpersExitCodes)
{
    const struct { QStringList args; int rc; const char* salida; } casos[] = {
        {{"iban", "2100", "0418", "45", "0200051332"}, 0, "ES9121000418450200051332\n"},
        {{"iban", "2100", "0418", "46", "0200051332"}, 1, ""},
        {{"iban-valida", "ES9121000418450200051332"}, 0, "valida\n"},
        {{"iban-valida", "es91", "2100", "0418", "4502", "0005", "1332"}, 0, "valida\n"},
        {{"iban-valida", "DE89370400440532013000"}, 0, "valida\n"},
        {{"iban-valida", "DE89370400440532013001"}, 1, "no valida\n"},
        {{"id-acreedor", "B12345678"}, 0, "ES97000B12345678\n"},
        {{"id-acreedor", "B1234567&"}, 1, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        QString out, err;
        EXPECT_EQ(RunCli(c.args, &out, &err), c.rc);
        EXPECT_EQ(out, QString::fromUtf8(c.salida));
        EXPECT_EQ(err.isEmpty(), c.rc == 0 && c.args[0] != QLatin1String("id-acreedor"));
    }
}
