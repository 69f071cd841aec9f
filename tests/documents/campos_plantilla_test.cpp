// Template fields: the 43 values of a property, their filling in a rich-text document, and
// the staging of the chosen property.
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

#include "documents/campos_plantilla.h"
#include "documents_fixture.h"
#include "util/errores.h"

namespace {

const QDate kHoy(2024, 3, 1);

QStringList Valores(const DatosPlantilla& d)
{
    QStringList r;
    for (int k = 1; k <= kNumCampos; ++k)
        r << ValorCampo(k, d);
    return r;
}

// The document filled from HTML (for formats) or plain text.
struct Relleno {
    int campos;
    QString texto;
};
Relleno Rellenar(QTextDocument& doc, const DatosPlantilla& d)
{
    const int n = RellenarCampos(doc, d);
    return {n, doc.toPlainText()};
}

bool NegritaEn(QTextDocument& doc, const QString& trozo)
{
    QTextCursor c(&doc);
    c.setPosition(int(doc.toPlainText().indexOf(trozo)) + 1);
    return c.charFormat().fontWeight() == QFont::Bold;
}

}  // namespace

TEST_F(DocumentsTest, TheFortyThreeFieldsOfAProperty)
{
    const DatosPlantilla d = LeerDatosPlantilla(db, Inmueble({}), kHoy);
    const QStringList esperado = {
        "CALLE", "MAYOR 12", "CALLE MAYOR 12", "2º B", "TOLEDO", "28001", "RC-1",
        "quince de abril del  dos mil veinticuatro", "uno de marzo del  dos mil veinticuatro", "GARCIA",
        "CALLE SOL 3", "MADRID", "", " ", "N.I.F. 12345678Z", "", "2100 0418 45 0200051332", "ANA",
        "CALLE MAYOR 12", "", "925111222", "", "3025 0001 15 1234567890", "D.N.I. 87654321X", "española",
        " seiscientos Euros [600,00 €]", " seiscientos Euros", " ciento veintiséis Euros",
        "menos  ciento catorce Euros", " treinta Euros", "cero Euros", "cero Euros",
        " seiscientos cuarenta y dos Euros", "600,00 €", "126,00 €", "-114,00 €", "30,00 €", "0,00 €", "0,00 €",
        "642,00 €", "COMUNIDAD", "", ""};
    const QStringList valores = Valores(d);
    for (int k = 1; k <= kNumCampos; ++k)
        EXPECT_EQ(valores[k - 1], esperado[k - 1]) << NombreCampo(k).toStdString();
    EXPECT_EQ(NombreCampo(0), QStringLiteral("_error_"));
    EXPECT_EQ(NombreCampo(44), QStringLiteral("_error_"));
    EXPECT_EQ(NombreCampo(26), QStringLiteral("_Renta_"));
}

TEST_F(DocumentsTest, SingleSpacesAndAMissingOwner)
{
    const qint64 ref = Inmueble({.renta = 50000, .iva = 9000, .irpf = -9500, .otro1 = 0,
                                 .arrendador = QStringLiteral("NADIE"), .cp = QStringLiteral(" ")});
    Statement(db, "UPDATE inmueble SET localidad = ' ', nom_arrendatario = ' ', nacionalidad_arrendatario = ' ',"
                  " doc_arrendatario_tipo = ' ', doc_arrendatario_num = ' ', banco = ' ' WHERE ref = ?1")
        .bind(1, ref).run();
    const DatosPlantilla d = LeerDatosPlantilla(db, ref, kHoy);
    EXPECT_FALSE(d.hayPropietario);
    const QStringList v = Valores(d);
    const struct { int k; const char* valor; } casos[] = {
        {5, ""}, {6, ""}, {18, ""}, {25, ""}, {24, " "}, {23, ""}, {40, "495,00 €"},
        {10, " "}, {11, " "}, {12, " "}, {13, " "}, {14, " "}, {15, " "}, {16, ""}, {17, ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(v[c.k - 1], QString::fromUtf8(c.valor)) << NombreCampo(c.k).toStdString();
}

TEST_F(DocumentsTest, FieldsAreFilledInOnePassLongestNameFirst)
{
    const DatosPlantilla d = LeerDatosPlantilla(db, Inmueble({}), kHoy);
    const struct { const char* plantilla; int campos; const char* lleno; } casos[] = {
        {"Sr. _nombre_inquilino_, piso _PISO_inmueble_.", 2, "Sr. ANA, piso 2º B."},
        {"_Renta_Numero_/_Renta_Numero_/_Renta_Numero_", 3, "600,00 €/600,00 €/600,00 €"},
        {"_Piso_Inmueble__CP_Inmueble_", 2, "2º B28001"},
        {"_Renta_Letra_ y _Renta_", 2, " seiscientos Euros y  seiscientos Euros [600,00 €]"},
        {"En _ViaDireccion_Inmueble_ (_Direccion_Inmueble_)", 2, "En CALLE MAYOR 12 (MAYOR 12)"},
        {"_Nada_ _Renta _", 0, "_Nada_ _Renta _"},
        {"", 0, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.plantilla);
        QTextDocument doc;
        doc.setPlainText(QString::fromUtf8(c.plantilla));
        const Relleno r = Rellenar(doc, d);
        EXPECT_EQ(r.campos, c.campos);
        EXPECT_EQ(r.texto, QString::fromUtf8(c.lleno));
    }
}

TEST_F(DocumentsTest, AValueHoldingFieldNamesIsInsertedAsItIs)
{
    const qint64 ref = Inmueble({.inquilino = QStringLiteral("_Nombre_Inquilino_ y _Renta_")});
    const DatosPlantilla d = LeerDatosPlantilla(db, ref, kHoy);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("A: _Nombre_Inquilino_. B: _nombre_inquilino_."));
    const Relleno r = Rellenar(doc, d);
    EXPECT_EQ(r.campos, 2);
    EXPECT_EQ(r.texto, QStringLiteral("A: _Nombre_Inquilino_ y _Renta_. B: _Nombre_Inquilino_ y _Renta_."));
}

TEST_F(DocumentsTest, EachValueTakesTheFormatAtItsField)
{
    const DatosPlantilla d = LeerDatosPlantilla(db, Inmueble({}), kHoy);
    QTextDocument doc;
    doc.setHtml(QStringLiteral("<p>Sr. <b>_Nombre_</b>Inquilino_ del <b>_Piso_Inmueble_</b> y fin</p>"
                               "<p>_Localidad_Inmueble_</p>"));
    const Relleno r = Rellenar(doc, d);
    EXPECT_EQ(r.campos, 3);
    EXPECT_EQ(r.texto, QStringLiteral("Sr. ANA del 2º B y fin\nTOLEDO"));
    EXPECT_TRUE(NegritaEn(doc, QStringLiteral("ANA")));      // split across bold and plain: bold, as it starts
    EXPECT_TRUE(NegritaEn(doc, QStringLiteral("º B")));      // a bold field stays bold to its end
    EXPECT_FALSE(NegritaEn(doc, QStringLiteral(" y fin")));
    EXPECT_FALSE(NegritaEn(doc, QStringLiteral("TOLEDO")));
    doc.undo();   // one step undoes the whole filling
    EXPECT_TRUE(doc.toPlainText().startsWith(QStringLiteral("Sr. _Nombre_Inquilino_ del _Piso_Inmueble_")));
}

TEST_F(DocumentsTest, TheStagingHoldsExactlyTheChosenProperty)
{
    const qint64 uno = Inmueble({});
    const qint64 dos = Inmueble({.inquilino = QStringLiteral("LUIS")});
    PrepararInformeInmueble(db, dos);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM informe_inmueble"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM informe_inmueble i JOIN inmueble p USING (ref)"
                     " WHERE i.nom_arrendatario = 'LUIS' AND i.renta = p.renta AND i.fecha = p.fecha"), 1);
    PrepararInformeInmueble(db, uno);
    EXPECT_THROW(PrepararInformeInmueble(db, 99), UserError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM informe_inmueble"), 1);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT ref FROM informe_inmueble")), uno);
}
