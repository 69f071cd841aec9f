#include <QRegularExpression>

#include "documents/texto_contrato.h"
#include "documents_fixture.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

DatosContrato Equipado(int codigo, bool amueblado)
{
    DatosContrato d;
    d.amueblado = amueblado;
    d.lavadora = codigo % 10;
    d.nevera = codigo / 10 % 10;
    d.cocina = codigo / 100 % 10;
    d.television = codigo / 1000;
    return d;
}

}  // namespace

TEST(TextoContrato, EveryEquipmentCodeHasItsPhrase)
{
    const struct { int codigo; const char* vacio; const char* amueblado; } casos[] = {
        {0, " ", " "},
        {1, " excepto lavadora", " a demas dispone de lavadora"},
        {10, " excepto nevera", " a demas dispone de nevera"},
        {11, " excepto nevera y lavadora", " a demas dispone de nevera y lavadora"},
        {100, " excepto la cocina que viene equipada", " incluida la cocina"},
        {101, " excepto la cocina que viene equipada y tiene lavadora", " incluida la cocina, que viene equipada y tiene lavadora"},
        {110, " excepto la cocina que viene equipada y tiene nevera", " incluida la cocina, que viene equipada y tiene nevera"},
        {111, " excepto la cocina que viene equipada, tiene nevera y lavadora", " incluida la cocina, que viene equipada, tiene nevera y lavadora"},
        {1000, " excepto television", " a demas dispone de televisión"},
        {1001, " excepto television, lavadora", " a demas dispone de lavadora, televisión"},
        {1010, " excepto television, nevera", " a demas dispone de nevera, televisión"},
        {1011, " excepto television, nevera y lavadora", " a demas dispone de nevera, lavadora  y televisión"},
        {1100, " excepto television, y la cocina que viene equipada", " a demas dispone de televisión y la cocina"},
        {1101, " excepto television, y la cocina que viene equipada y tiene lavadora", " a demas dispone de televisión, y la cocina, que viene equipada y tiene lavadora"},
        {1110, " excepto television, y la cocina que viene equipada y tiene nevera", " a demas dispone de televisión, y  la cocina, que viene equipada y tiene nevera"},
        {1111, " excepto television, y la cocina que viene equipada, tiene nevera y lavadora", " a demas dispone de televisión, y  la cocina, que viene equipada, tiene nevera y lavadora"},
    };
    const QString destino = QStringLiteral(", para ser destinado a vivienda");
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        EXPECT_TRUE(TextoEquipamiento(Equipado(c.codigo, false), false, false)
                        .startsWith(QStringLiteral("El apartamento se arrienda vacío de muebles,")
                                    + QString::fromUtf8(c.vacio) + destino));
        // Models name a furnished flat's television; the built-in contract does not.
        EXPECT_TRUE(TextoEquipamiento(Equipado(c.codigo, true), true, true)
                        .startsWith(QStringLiteral("El local se arrienda amueblado,")
                                    + QString::fromUtf8(c.amueblado) + destino));
        const auto* sinTv = std::find_if(std::begin(casos), std::end(casos),
                                         [&](const auto& x) { return x.codigo == c.codigo % 1000; });
        EXPECT_TRUE(TextoEquipamiento(Equipado(c.codigo, true), false, false)
                        .startsWith(QStringLiteral("El apartamento se arrienda amueblado,")
                                    + QString::fromUtf8(sinTv->amueblado) + destino));
    }
    DatosContrato d = Equipado(0, false);
    d.otroEquipamiento = QStringLiteral("horno");
    EXPECT_TRUE(TextoEquipamiento(d, false, false).contains(QStringLiteral("muebles,  viene equipado con: horno,")));
    d.nevera = true;
    EXPECT_TRUE(TextoEquipamiento(d, false, false).contains(QStringLiteral("nevera, tambien viene equipado con: horno,")));
}

TEST_F(DocumentsTest, ClausesAreNumberedByOccupantsAndGuarantee)
{
    DatosContrato d = Abrir();
    const QString decimosexta = QStringLiteral("importe de la fianza.\r\n\r\n");
    const struct { int ocupantes; const char* aval; const char* esperado; const char* ausente; } casos[] = {
        {0, "", "fianza.\r\n\r\n     Y en prueba", "DECIMOSEPTIMA"},
        {0, "A-77", "DECIMOSEPTIMA.- El arrendatario entrega como garantía de los pagos del arrendamiento aval"
                    " extendido por BANCO UNO con el numero del Registro Especial de Avales A-77.\r\n     Y en prueba",
         "DECIMOOCTAVA"},
        {3, "A-77", "DECIMOSEPTIMA.- Debido al tamaño del piso, no podrá ser habitado por mas de  tres personas."
                    "\r\n\r\nDECIMOOCTAVA.- El arrendatario entrega", "DECIMOSEPTIMA.- El arrendatario"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado);
        d.ocupantes = c.ocupantes;
        d.avalNumero = QString::fromLatin1(c.aval);
        d.avalBanco = QStringLiteral("BANCO UNO");
        const QString t = TextoContratoVivienda(d);
        EXPECT_TRUE(t.contains(decimosexta));
        EXPECT_TRUE(t.contains(QString::fromUtf8(c.esperado)));
        EXPECT_FALSE(t.contains(QString::fromUtf8(c.ausente)));
    }
}

TEST_F(DocumentsTest, PartiesNameCoTenantsRepresentativeAndTheBankPhraseFollowsTheWayOfPaying)
{
    DatosContrato d = Abrir();
    d.coarrendatarios = {Coarrendatario{"LUIS", "N.I.E.", "X1", "francesa"},
                         Coarrendatario{"EVA", "PASAPORTE", "P2", "italiana"}, Coarrendatario{}};
    d.numCoarrendatarios = 2;
    d.formaPago = 0;
    QString t = TextoContratoVivienda(d);
    EXPECT_TRUE(t.contains(QStringLiteral(
        "De una parte, GARCIA, con domicilio a efectos de notificaciones en CALLE SOL 3, 1º MADRID,"
        " y provisto  de N.I.F. 12345678Z.\r\nDe otra parte, ANA, EVA y LUIS, con domicilio a efectos de"
        " notificaciones en CALLE MAYOR 12 2º B, 28001, TOLEDO , de nacionalidad española, italiana y"
        " francesa respectivamente , y provistos de D.N.I. 87654321X, PASAPORTE numero P2 y N.I.E. numero"
        " X1 respectivamente .\r\n\r\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("Ambos en su propio nombre y derecho.")));
    EXPECT_TRUE(t.contains(QStringLiteral("arrendatario, mediante domiciliación bancaria, mas los impuestos")));
    EXPECT_FALSE(t.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));

    d.representante = {QStringLiteral("PEDRO"), QStringLiteral("PLAZA 1"), QString(), QStringLiteral("SORIA"), QString()};
    d.formaPago = 1;
    t = TextoContratoVivienda(d);
    EXPECT_TRUE(t.contains(QStringLiteral("De una parte, PEDRO, con domicilio a efectos de notificaciones en PLAZA 1 SORIA.\r\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("El primero en nombre y representación de GARCIA, con domicilio")));
    EXPECT_TRUE(t.contains(QStringLiteral("Y los segundos en su propio nombre y derecho.\r\n\r\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("el de PEDRO, con domicilio a efectos de notificaciones en PLAZA 1 SORIA, con respecto al arrendador.")));
    EXPECT_TRUE(t.contains(QStringLiteral("arrendatario, mas los impuestos")));
}

TEST_F(DocumentsTest, PaymentsReceivedNameThePaidMonthsInOrder)
{
    const struct { QDate fecha; int filas; const char* periodo; } casos[] = {
        {{2024, 5, 1}, 1, "correspondientes al pago de la mensualidad de MAYO por importe de"},
        {{2024, 5, 1}, 2, "correspondientes al pago de las mensualidades de MAYO y JUNIO por importe de"},
        {{2024, 11, 1}, 4, "las mensualidades de NOVIEMBRE, DICIEMBRE, ENERO y FEBRERO por importe"},
        {{2024, 4, 15}, 1, "al pago de los  dieciséis restantes del mes de ABRIL por importe"},
        {{2024, 4, 15}, 2, "restantes del mes de ABRIL, y la mensualidad de MAYO por importe"},
        {{2024, 4, 15}, 4, "restantes del mes de ABRIL, y las mensualidades de MAYO, JUNIO y JULIO por importe"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.periodo);
        DatosContrato d = Abrir({.fecha = c.fecha});
        PonerOtrosConceptos(d, false);
        MarcarFilas(d, c.filas);
        const QString t = TextoContratoVivienda(d);
        EXPECT_TRUE(t.contains(QString::fromUtf8(c.periodo)));
        const QString suma = ImporteEnLetras(SumaFilas(d)) + QStringLiteral(" [%1 €]").arg(MonedaATexto(SumaFilas(d)));
        EXPECT_TRUE(t.contains(QStringLiteral(" Así mismo se dan por recibidas otros ") + suma
                               + QStringLiteral(", correspondientes al pago de ")));
        EXPECT_TRUE(t.contains(QStringLiteral(" por importe de ") + suma + QStringLiteral(".\r\n")));
        EXPECT_TRUE(t.contains(QStringLiteral("  Total") + QString(35, u' ')
                               + AjustarDerecha(MonedaATexto(TotalContrato(d)) + QStringLiteral(" €"), 20)));
    }
    DatosContrato d = Abrir();
    MarcarFila(d, 1, false);
    EXPECT_FALSE(TextoContratoVivienda(d).contains(QStringLiteral("Así mismo")));
}
