#include "documents/modelo_contrato.h"
#include "documents/rtf.h"
#include "documents/texto_contrato.h"
#include "documents_fixture.h"
#include "lector_rtf.h"
#include "util/formato.h"

namespace {

const QString kNombreRaro = QStringLiteral("Ştefan O'Connor {Núñez} \\ Peña \"€\"");

bool SoloAscii(const QByteArray& b)
{
    return std::all_of(b.begin(), b.end(), [](char c) { return uchar(c) < 0x80; });
}

}  // namespace

TEST_F(DocumentsTest, ModelFieldsKnownUnknownEmptyAndAtTheEnd)
{
    DatosContrato d = Abrir({.cp = QStringLiteral(" ")});
    const struct { const char* modelo; const char* salida; } casos[] = {
        {"Inquilino: &Nombre.", "Inquilino: {\\uc1 ANA}."},
        {"&Descon y &Nombre", "&Descon y {\\uc1 ANA}"},
        {"CP:&CP____!", "CP:!"},                                  // empty value: nothing left
        {"R&D &Nombre", "R&D {\\uc1 ANA}"},                        // a field right after an unknown "&"
        {"\\b&Nombre\\b0", "\\b{\\uc1 ANA}\\b0"},                  // never joins the control word
        {"fin &Nombr", "fin &Nombr"},                              // fewer than six bytes: as it is
        {"fin &", "fin &"},
        {"&Nombre", "{\\uc1 ANA}"},
        {"&&Nombre&", "&{\\uc1 ANA}&"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(RellenarModelo(QByteArray(c.modelo), d), QByteArray(c.salida)) << c.modelo;

    EXPECT_EQ(CamposModelo().size(), 23);
    for (const QByteArray& campo : CamposModelo())
        EXPECT_FALSE(ValorCampoModelo(campo, d).isNull()) << campo.constData();
    EXPECT_TRUE(ValorCampoModelo("Descon", d).isNull());
}

TEST_F(DocumentsTest, ValuesAreEscapedAndReadBackWhateverTheModelsCodePage)
{
    DatosContrato d = Abrir();
    d.inquilino = kNombreRaro;
    d.otroEquipamiento = QStringLiteral("horno\tmicroondas");
    const QByteArray modelo = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\b&Nombre\\b0 |&Equipa|}";
    const QByteArray salida = RellenarModelo(modelo, d);
    EXPECT_TRUE(SoloAscii(salida));
    EXPECT_TRUE(salida.contains("\\u350?tefan")) << salida.constData();
    EXPECT_TRUE(salida.contains("\\u8364?"));
    bool ok = false;
    const QString texto = TextoDeRtf(salida, &ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(texto.startsWith(kNombreRaro + QStringLiteral("|El apartamento se arrienda amueblado,")))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("horno\tmicroondas")));

    // Every field at once keeps the braces balanced, multi-line tables included.
    QByteArray todos = "{\\rtf1 ";
    for (const QByteArray& campo : CamposModelo())
        todos += '&' + campo + "\\par ";
    todos += '}';
    TextoDeRtf(RellenarModelo(todos, d), &ok);
    EXPECT_TRUE(ok);
}

TEST_F(DocumentsTest, MonthlyTableUsesTheTaxNamesAndAddsUp)
{
    DatosContrato d = AbrirContrato(db, Inmueble({}), AjustesImpuestos{QStringLiteral("IVA 21%"), QStringLiteral("IRPF 19%"), 21, 19});
    QString t = ValorCampoModelo("CImtes", d);
    EXPECT_TRUE(t.contains(QStringLiteral("  IVA 21%")));
    EXPECT_TRUE(t.contains(QStringLiteral("  IRPF 19%")));
    EXPECT_TRUE(t.contains(QStringLiteral("  COMUNIDAD")));
    EXPECT_FALSE(t.contains(QStringLiteral("16%")));
    EXPECT_TRUE(t.contains(AjustarDerecha(QStringLiteral("642,00 €"), 20) + u'\n'));
    // Without the other concepts the table lists the rent alone and its total is the rent.
    PonerOtrosConceptos(d, false);
    t = ValorCampoModelo("CImtes", d);
    EXPECT_FALSE(t.contains(QStringLiteral("IVA")));
    EXPECT_FALSE(t.contains(QStringLiteral("COMUNIDAD")));
    const QString mensual = t.section(QStringLiteral("DETALLE DEL PAGO"), 0, 0);
    EXPECT_EQ(mensual.count(QStringLiteral("600,00 €")), 2);
}

TEST_F(DocumentsTest, WaysOfPayingAndTelephones)
{
    DatosContrato d = Abrir();
    const struct { int forma; const char* texto; } casos[] = {
        {0, " mediante domiciliación bancaria en la cuenta del arrendatario número 3025 0001 15 1234567890"},
        {1, " en el domicilio del arrendador CALLE SOL 3 (MADRID)"},
        {2, " mediante ingreso en la cuenta del arrendador número 2100 0418 45 0200051332"},
        {3, ""},
    };
    for (const auto& c : casos) {
        d.formaPago = c.forma;
        EXPECT_EQ(ValorCampoModelo("FPago_", d), QString::fromUtf8(c.texto));
    }
    d.ccc.clear();
    d.cuentaPropietario.clear();
    d.formaPago = 0;
    EXPECT_EQ(ValorCampoModelo("FPago_", d), QStringLiteral(" mediante domiciliación bancaria,"));
    d.formaPago = 2;
    EXPECT_EQ(ValorCampoModelo("FPago_", d), QStringLiteral(" mediante ingreso en la cuenta del arrendador"));
    EXPECT_EQ(ValorCampoModelo("ATelef", d), QStringLiteral(" telefono 925111222"));
    d.telefonoMovil = QStringLiteral("600000000");
    EXPECT_EQ(ValorCampoModelo("ATelef", d), QStringLiteral(" telefonos 925111222 y 600000000"));
    EXPECT_TRUE(ValorCampoModelo("Reunid", d).contains(QStringLiteral(", telefonos 925111222 y 600000000.\n\n")));
}

TEST_F(DocumentsTest, LargeModelsAreFilledWhole)
{
    const DatosContrato d = Abrir();
    QByteArray modelo(300'000, 'x');
    modelo += "&Nombre";
    const QByteArray salida = RellenarModelo(modelo, d);
    EXPECT_EQ(salida.size(), 300'000 + QByteArray("{\\uc1 ANA}").size());
    EXPECT_TRUE(salida.endsWith("{\\uc1 ANA}"));
}

TEST(Rtf, PlainTextDocumentKeepsEveryLine)
{
    const QString texto = QStringLiteral("CONTRATO\r\n\r\nÑandú {1} \\ 2\r\núltima");
    const QByteArray rtf = DocumentoRtfTexto(texto, 12);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("Courier New"));
    EXPECT_TRUE(rtf.contains("\\fs24 "));
    EXPECT_EQ(rtf.count("\\par\r\n"), 3);
    bool ok = false;
    EXPECT_EQ(TextoDeRtf(rtf, &ok), QStringLiteral("CONTRATO\n\nÑandú {1} \\ 2\núltima"));
    EXPECT_TRUE(ok);
    // Characters beyond the 16-bit range go as two units.
    EXPECT_EQ(TextoDeRtf(GrupoRtf(QStringLiteral("a😀b"))), QStringLiteral("a😀b"));
}
