// The letters: the index as typed, the revised amounts, the texts, and the revision stored.
#include "documents/carta_aumento.h"
#include "documents/carta_requerimiento.h"
#include "documents/cartas.h"
#include "documents_fixture.h"
#include "util/errores.h"
#include "util/formato.h"

namespace {

const QDate kHoy(2024, 3, 1);

// A line of the amount table: label in 40 columns, amount right-aligned in 20.
QString Fila(const char* etiqueta, const char* importe)
{
    return QStringLiteral("  ") + QString::fromUtf8(etiqueta).leftJustified(40)
         + QString::fromUtf8(importe).rightJustified(20) + QStringLiteral("\r\n");
}

}  // namespace

TEST(IndiceIpc, KeepsDigitsSeparatorAndALeadingMinus)
{
    const struct { const char* tecleado; qint64 p; const char* texto; } casos[] = {
        {"3,456", 345, "3,45 %"}, {"-1,5", -150, "-1,50 %"}, {"1.5", 150, "1,50 %"},
        {"abc", 0, "0,00 %"},     {"", 0, "0,00 %"},         {"3,", 300, "3,00 %"},
        {"3,45 %", 345, "3,45 %"}, {"-1,50 %", -150, "-1,50 %"}, {"1-5", 1500, "15,00 %"},
        {"x-2a,b5", -250, "-2,50 %"}, {"007,1", 710, "7,10 %"}, {"-", 0, "0,00 %"},
        {"1,2,3", 123, "1,23 %"}, {"12345678,9", 12345690, "123456,90 %"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado);
        const IndiceIpc i = LeerIndiceIpc(QString::fromUtf8(c.tecleado));
        EXPECT_EQ(i.centesimas, c.p);
        EXPECT_EQ(i.texto, QString::fromUtf8(c.texto));
    }
}

TEST_F(DocumentsTest, TheIndexRevisesRentConceptsAndTaxesOnTheFormsBase)
{
    const AjustesImpuestos impuestos;   // 21 % and 19 %
    Aumento a = AbrirAumento(LeerDatosCarta(db, Inmueble({}), kHoy));
    EXPECT_EQ(a.nuevo.Total(), a.antiguo.Total());
    EXPECT_TRUE(a.conIva && a.conIrpf);

    // 600 x 1,0345 = 620,70 and 30 x 1,0345 = 31,035, rounded at once; taxes on 651,74.
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("3,456")), impuestos);
    EXPECT_EQ(a.nuevo.renta, Euros(62070));
    EXPECT_EQ(a.nuevo.otro_importe1, Euros(3104));
    EXPECT_EQ(a.nuevo.iva, Euros(13687));
    EXPECT_EQ(a.nuevo.irpf, Euros(-12383));
    EXPECT_EQ(a.nuevo.Total(), Euros(66478));

    // A negative index lowers the rent.
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("-1,5")), impuestos);
    EXPECT_EQ(a.nuevo.renta, Euros(59100));

    // A box cleared takes its tax out; ticked again, the tax comes back from the same base.
    MarcarImpuesto(a, 1, false, impuestos);
    EXPECT_EQ(a.nuevo.iva, Moneda());
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("0")), impuestos);
    EXPECT_EQ(a.nuevo.iva, Moneda());
    MarcarImpuesto(a, 1, true, impuestos);
    EXPECT_EQ(a.nuevo.iva, Euros(13230));   // 21 % of 630,00
}

TEST_F(DocumentsTest, ANegativeBaseGivesTaxesOfTheOppositeSigns)
{
    const qint64 ref = Inmueble({.renta = 10000, .iva = 2100, .irpf = -1900, .otro1 = -30000});
    Aumento a = AbrirAumento(LeerDatosCarta(db, ref, kHoy));
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("10")), AjustesImpuestos{});
    EXPECT_EQ(a.nuevo.renta + a.nuevo.otro_importe1, Euros(-22000));
    EXPECT_EQ(a.nuevo.iva, Euros(-4620));
    EXPECT_EQ(a.nuevo.irpf, Euros(4180));
}

TEST_F(DocumentsTest, RevisionLetterWithAndWithoutTownTaxesAndConcepts)
{
    AjustesImpuestos impuestos;
    impuestos.nombre1 = QStringLiteral("IVA 21%");
    const qint64 ref = Inmueble({});
    DatosPlantilla d = LeerDatosCarta(db, ref, kHoy);
    Aumento a = AbrirAumento(d);
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("3,45")), impuestos);
    QString t = TextoCartaAumento(d, a, impuestos);
    EXPECT_TRUE(t.startsWith(QStringLiteral("GARCIA.\r\nN.I.F. 12345678Z.\r\nCALLE SOL 3.\r\n1º MADRID.\r\n\r\n"
                                            "     En TOLEDO a uno de marzo del  dos mil veinticuatro.\r\n\r\n\r\n"
                                            "          D. ANA.\r\n          CALLE MAYOR 12 2º B.\r\n")));
    EXPECT_EQ(t.count(QStringLiteral("\u201CLey 29/1994, de 24 de noviembre, de Arrendamientos Urbanos\u201D")), 2);
    EXPECT_TRUE(t.contains(QStringLiteral("subirle la renta un 3,45 % por lo que")));
    EXPECT_TRUE(t.contains(Fila("Incremento IPC", "20,70 €")));
    EXPECT_TRUE(t.contains(QStringLiteral("  Otros Conceptos:\r\n  COMUNIDAD ")));
    EXPECT_TRUE(t.contains(QStringLiteral("\r\n  IVA 21%  ")));
    EXPECT_TRUE(t.contains(QStringLiteral(" por IRPF, que suma un total de ")));
    EXPECT_EQ(t.count(u'\n'), t.count(QStringLiteral("\r\n")));
    EXPECT_TRUE(t.endsWith(QStringLiteral("          GARCIA\r\n")));

    // No town, no taxes, no concepts, a lower index: no tax rows and no total phrase.
    const qint64 sola = Inmueble({.iva = 0, .irpf = 0, .otro1 = 0});
    Statement(db, "UPDATE inmueble SET localidad = ' ' WHERE ref = ?1").bind(1, sola).run();
    d = LeerDatosCarta(db, sola, kHoy);
    a = AbrirAumento(d);
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("-1,5")), impuestos);
    t = TextoCartaAumento(d, a, impuestos);
    EXPECT_TRUE(t.contains(QStringLiteral("\r\n     A uno de marzo del  dos mil veinticuatro.\r\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("bajarle la renta un 1,50 % por lo que")));
    EXPECT_TRUE(t.contains(Fila("Incremento IPC", "-9,00 €")));
    for (const char* ausente : {"Otros Conceptos", "IVA", "IRPF", "que suma un total"})
        EXPECT_FALSE(t.contains(QString::fromUtf8(ausente))) << ausente;
}

TEST_F(DocumentsTest, ConfirmingChangesOneRowAndAppendsTheNoteWhole)
{
    const qint64 otro = Inmueble({});
    const qint64 ref = Inmueble({});
    const QString notas = QString(70000, u'x') + QStringLiteral("\r\nfin");
    Statement(db, "UPDATE inmueble SET notas = ?1, otro_importe2 = 100000, otro_importe3 = 200000 WHERE ref = ?2")
        .bind(1, notas).bind(2, ref).run();
    Aumento a = AbrirAumento(LeerDatosCarta(db, ref, kHoy));
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("3,456")), AjustesImpuestos{});
    ConfirmarAumento(db, ref, a, QDate(2024, 3, 5));

    // Each concept in its own column; taxes on 620,70 + 31,04 + 10,35 + 20,69 = 682,78.
    Statement st(db, "SELECT renta, otro_importe1, otro_importe2, otro_importe3, iva, irpf, notas FROM inmueble"
                     " WHERE ref = ?1");
    st.bind(1, ref);
    ASSERT_TRUE(st.next());
    const Moneda esperado[] = {Euros(62070), Euros(3104), Euros(1035), Euros(2069), Euros(14338), Euros(-12973)};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(st.money(c), esperado[c]) << c;
    EXPECT_EQ(st.text(6), notas + QStringLiteral("\r\n- 5/3/2024 CARTA DE AUMENTO DE 600,00 A 620,70."));
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT renta FROM inmueble WHERE ref = %1").arg(otro)), 6000000);
    EXPECT_THROW(ConfirmarAumento(db, 99, a, kHoy), UserError);
}

TEST_F(DocumentsTest, ClaimNamesTheTickedMonthsAndTheOtherAmounts)
{
    Requerimiento r = AbrirRequerimiento(QDate(2024, 1, 20));
    QStringList rotulos;
    for (const MesReclamado& m : r.meses)
        rotulos << RotuloMes(m.mes);
    EXPECT_EQ(rotulos.join(u'|'), QStringLiteral("ENERO del 2024|DICIEMBRE del 2023|NOVIEMBRE del 2023|"
                                                 "OCTUBRE del 2023|SEPTIEMBRE del 2023|AGOSTO del 2023"));
    const DatosPlantilla d = LeerDatosCarta(db, Inmueble({}), kHoy);
    const Moneda mensual = d.importes.Total();   // 642,00
    const QString fecha = QStringLiteral("de fecha quince de abril del  dos mil veinticuatro, ");

    // Nothing ticked: no months phrase at all.
    r.conceptos[0] = {QStringLiteral("AGUA"), Euros(2000)};
    EXPECT_TRUE(TextoCartaRequerimiento(d, r).contains(
        fecha + QStringLiteral("AGUA veinte Euros [20,00€], que ascienda en total a la suma de  veinte Euros (20,00).")));

    MarcarMes(r, 1, true, mensual);
    EXPECT_TRUE(TextoCartaRequerimiento(d, r).contains(
        fecha + QStringLiteral("el mes de DICIEMBRE del 2023 [642,00€], así como  AGUA veinte Euros [20,00€], que ascienda")));

    MarcarMes(r, 0, true, mensual);
    r.meses[2].importe = Euros(50000);   // typed beside an unticked month: not claimed
    MarcarMes(r, 3, true, mensual);
    MarcarMes(r, 3, false, mensual);
    EXPECT_EQ(r.meses[3].importe, Moneda());
    EXPECT_EQ(TotalRequerimiento(r), Euros(64200 * 2 + 2000));
    const QString t = TextoCartaRequerimiento(d, r);
    EXPECT_TRUE(t.contains(QStringLiteral("del piso 2º B, sito en CALLE MAYOR 12 de TOLEDO, ")));
    EXPECT_TRUE(t.contains(QStringLiteral("de los meses de DICIEMBRE del 2023 y ENERO del 2024 [1.284,00€], así como  AGUA")));
    EXPECT_TRUE(t.contains(QStringLiteral("(1.304,00). así como de las sucesivas cantidades que fueren venciendo.")));
    EXPECT_TRUE(t.contains(QStringLiteral("\r\n     En TOLEDO, a uno de marzo del  dos mil veinticuatro.\r\n")));
}

TEST_F(DocumentsTest, RescissionTextsWithAndWithoutTownAndFloor)
{
    const qint64 ref = Inmueble({});
    DatosPlantilla d = LeerDatosCarta(db, ref, kHoy);
    EXPECT_TRUE(TextoAvisoRescision(d).contains(
        QStringLiteral("arrendamiento del piso 2º B sito en CALLE MAYOR 12 de TOLEDO, de fecha quince de abril")));
    QString t = TextoRescisionContrato(d);
    EXPECT_TRUE(t.startsWith(QStringLiteral("     En TOLEDO, a uno de marzo del  dos mil veinticuatro.\r\n\r\n"
                                            "     Reunidos de una parte GARCIA, y de otra parte, ANA.\r\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("del piso 2º B, sito en CALLE MAYOR 12 de TOLEDO, de fecha")));

    Statement(db, "UPDATE inmueble SET localidad = ' ', piso = ' ', nom_arrendatario = 'OBRAS S.L.' WHERE ref = ?1")
        .bind(1, ref).run();
    d = LeerDatosCarta(db, ref, kHoy);
    EXPECT_TRUE(TextoAvisoRescision(d).contains(QStringLiteral("arrendamiento del piso sito en CALLE MAYOR 12, de fecha")));
    t = TextoRescisionContrato(d);
    EXPECT_TRUE(t.startsWith(QStringLiteral("     A uno de marzo del  dos mil veinticuatro.\r\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("del piso, sito en CALLE MAYOR 12, de fecha")));
    EXPECT_TRUE(TextoAvisoRescision(d).contains(QStringLiteral("          D. OBRAS S.L.\r\n          CALLE MAYOR 12.\r\n")));
}

TEST_F(DocumentsTest, NoLetterWithoutItsOwner)
{
    const qint64 ref = Inmueble({.arrendador = QStringLiteral("NADIE")});
    try {
        LeerDatosCarta(db, ref, kHoy);
        FAIL() << "a letter without its sender";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("propietario erroneo no encontrado = NADIE"));
    }
    EXPECT_THROW(LeerDatosCarta(db, 99, kHoy), UserError);
}
