#include <gtest/gtest.h>

#include "properties/orden_inmuebles.h"
#include "props_fixture.h"
#include "util/errores.h"

namespace {

Moneda Euros(qint64 centimos)
{
    return Moneda::DeCentimos(centimos);
}

}  // namespace

TEST(ImpuestosInmueble, ExactArithmeticInTenThousandths)
{
    const struct {
        qint64 renta, concepto;
        int p1, p2;
        qint64 iva, irpf, total;   // cents
    } cases[] = {
        {50000, 2000, 18, 19, 9360, -9880, 51480},
        {-10000, 0, 18, 19, -1800, 1900, -9900},
        {0, 0, 21, 15, 0, 0, 0},
        // 0,03 × 18 % = 0,0054: truncated to 54 ten-thousandths, then rounded to 0,01.
        {3, 0, 18, 19, 1, -1, 3},
        // 0,02 × 21 % = 0,0042 rounds down to 0,00.
        {2, 0, 21, 21, 0, 0, 2},
        {-3, 0, 18, 0, -1, 0, -4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.renta);
        FichaInmueble d;
        d.renta = Euros(c.renta);
        d.otro_importe2 = Euros(c.concepto);
        AplicarImpuesto1(d, c.p1);
        AplicarImpuesto2(d, c.p2);
        EXPECT_EQ(d.iva, Euros(c.iva));
        EXPECT_EQ(d.irpf, Euros(c.irpf));
        EXPECT_EQ(TotalInmueble(d), Euros(c.total));
    }
}

TEST(ImpuestosInmueble, TaxIsNotRecomputedWhenTheRentChanges)
{
    FichaInmueble d;
    d.renta = Euros(50000);
    AplicarImpuesto1(d, 21);
    d.renta = Euros(60000);
    EXPECT_EQ(d.iva, Euros(10500));
    EXPECT_EQ(TotalInmueble(d), Euros(70500));
}

TEST(ImpuestosInmueble, HugeBaseIsWorkedExactlyOrRefusedRatherThanWrapped)
{
    FichaInmueble d;
    d.renta = Moneda::DeCentimos(std::numeric_limits<qint64>::max() / 1000);   // base x 21 passes 64 bits
    AplicarImpuesto1(d, 21);
    EXPECT_EQ(d.iva, RedondearCentimos(Moneda::DeDiezmilesimas(d.renta.Diezmilesimas() / 100 * 21)));
    EXPECT_THROW(AplicarImpuesto1(d, 2000), UserError);   // a tax beyond the range of money
}

// The tax buttons say the rate they apply, whatever rate the name was written with.
TEST(ImpuestosInmueble, CaptionNamesTheRateApplied)
{
    const struct { const char* nombre; int porcentaje; const char* rotulo; } cases[] = {
        {"IVA 21%", 21, "IVA 21%"}, {"IVA 21%", 10, "IVA 10%"}, {"IRPF", 19, "IRPF 19%"},
        {"IGIC 6,5 %", 7, "IGIC 7%"}, {"", 4, "4%"}, {"Retención", -15, "Retención -15%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(RotuloImpuesto(QString::fromUtf8(c.nombre), c.porcentaje), QString::fromUtf8(c.rotulo));
    }
}

TEST(FechaContrato, ReadsDayMonthYearAndRefusesTheRest)
{
    EXPECT_EQ(LeerFechaContrato("05/03/2024"), QDate(2024, 3, 5));
    EXPECT_EQ(LeerFechaContrato("5-3-24"), QDate(2024, 3, 5));
    for (const char* malo : {"", "31/02/2024", "mañana", "2024-03-05", "05/13/2024"}) {
        SCOPED_TRACE(malo);
        EXPECT_THROW(LeerFechaContrato(QString::fromUtf8(malo)), UserError);
    }
    const QDateTime conHora(QDate(2024, 3, 5), QTime(10, 30));
    EXPECT_EQ(FechaContratoDesdeTexto("05/03/2024", conHora), conHora);
    EXPECT_EQ(FechaContratoDesdeTexto("06/03/2024", conHora), QDateTime(QDate(2024, 3, 6), QTime(0, 0)));
}

TEST(CuentaInmueble, LengthNoticeAndEmail)
{
    EXPECT_FALSE(LongitudCuentaIncorrecta("", "", "", ""));
    EXPECT_FALSE(LongitudCuentaIncorrecta("2100", "0418", "45", "0200051332"));
    EXPECT_TRUE(LongitudCuentaIncorrecta("2100", "", "", ""));
    EXPECT_TRUE(LongitudCuentaIncorrecta("2100", "0418", "45", "020005133"));
    EXPECT_TRUE(EmailUtilizable("ana@correo.es"));
    EXPECT_FALSE(EmailUtilizable("@correo.es"));
    EXPECT_FALSE(EmailUtilizable("ana"));
}

TEST(TipoInmueble, NamesAndIndexes)
{
    EXPECT_EQ(NombreTipoInmueble(11), QStringLiteral("PLAZA GARAJE"));
    EXPECT_EQ(NombreTipoInmueble(20), QStringLiteral("SIN ESPECIFICAR"));
    EXPECT_EQ(NombreTipoInmueble(-1), QStringLiteral("SIN ESPECIFICAR"));
    EXPECT_EQ(IndiceTipoInmueble("OTROS"), 19);
    EXPECT_EQ(IndiceTipoInmueble("CASTILLO"), 0);
}

using InmuebleLogica = PropsTest;

TEST_F(InmuebleLogica, NewPropertyDefaults)
{
    const FichaInmueble d = NuevoInmueble();
    EXPECT_EQ(d.via, QStringLiteral("CALLE"));
    EXPECT_EQ(d.fecha.date(), QDate::currentDate());
    EXPECT_TRUE(d.is_recibo_banco && d.is_recibo_fisico && d.is_recibo_numerar);
    EXPECT_EQ(TotalInmueble(d), Moneda());
}

TEST_F(InmuebleLogica, EmptyFloorIsStoredAsOneSpaceAndCodeIsFilled)
{
    CrearPropietario("ANA");
    const FichaInmueble d = CrearInmueble("ANA", "MAYOR 12", "");
    EXPECT_EQ(d.piso, QStringLiteral(" "));
    CInmuebleSet i(&m_db);
    const FichaInmueble leido = LeerInmueble(i);
    EXPECT_EQ(leido.piso, QStringLiteral(" "));
    EXPECT_FALSE(leido.codref.trimmed().isEmpty());
    EXPECT_LE(leido.codref.size(), 12);

    FichaInmueble otro = NuevoInmueble();
    otro.arrendador = "ANA";
    otro.direccion = "MAYOR 14";
    otro.codref = "MIREF";
    EXPECT_EQ(GuardarCambiosInmueble(i, otro, {}, true).codref, QStringLiteral("MIREF"));
    otro.direccion = "CALLE MAYOR 12";
    otro.piso = "2 A";
    otro.codref = " ";
    EXPECT_EQ(GuardarCambiosInmueble(i, otro, {}, true).codref, QStringLiteral("MAYO122 A   "));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE codref = 'MAYO122 A   '"), 1);
}

TEST_F(InmuebleLogica, ValidationRefusesWithNothingStored)
{
    CrearPropietario("ANA");
    CInmuebleSet i(&m_db);
    FichaInmueble d = NuevoInmueble();
    d.direccion = "MAYOR 1";
    try {
        GuardarCambiosInmueble(i, d, {}, true);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("Debe seleccionar un propietario"));
    }
    d.arrendador = "ANA";
    d.direccion = "  ";
    try {
        GuardarCambiosInmueble(i, d, {}, true);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("El inmueble debe tener una dirección"));
    }
    d.direccion = "MAYOR 1";
    d.arrendador = "NADIE";
    EXPECT_THROW(GuardarCambiosInmueble(i, d, {}, true), UserError);
    d.arrendador = "ANA";
    d.fecha = QDateTime();
    EXPECT_THROW(GuardarCambiosInmueble(i, d, {}, true), UserError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 0);
}

TEST_F(InmuebleLogica, SameAddressAndFloorIsRefusedAndCursorStays)
{
    CrearPropietario("ANA");
    CrearInmueble("ANA", "MAYOR 1", "1A");
    CInmuebleSet i(&m_db);
    FichaInmueble d = NuevoInmueble();
    d.arrendador = "ANA";
    d.direccion = "MAYOR 1";
    d.piso = "1A";
    EXPECT_THROW(GuardarCambiosInmueble(i, d, {}, true), DbError);
    i.cancelUpdate();
    EXPECT_EQ(i.rowCount(), 1);
    EXPECT_EQ(LeerInmueble(i).piso, QStringLiteral("1A"));
}

TEST_F(InmuebleLogica, StoredStreetFloorAndOwnerCannotChange)
{
    CrearPropietario("ANA");
    CrearPropietario("BEA");
    const FichaInmueble creado = CrearInmueble("ANA", "MAYOR 1", "1A");
    CInmuebleSet i(&m_db);
    FichaInmueble d = Mostrar(i, creado.ref);
    d.arrendador = "BEA";
    d.direccion = "OTRA";
    d.nom_arrendatario = "PEDRO";
    const FichaInmueble g = GuardarCambiosInmueble(i, d, {"arrendador", "direccion", "nom_arrendatario"}, true);
    EXPECT_EQ(g.arrendador, QStringLiteral("ANA"));
    EXPECT_EQ(g.direccion, QStringLiteral("MAYOR 1"));
    EXPECT_EQ(g.nom_arrendatario, QStringLiteral("PEDRO"));
}

// A form stores what the user typed and nothing else: values it shows differently from
// how they are stored (an empty reference, unverified check digits, an amount of a tenth of
// a cent, an unknown type) stay as they are.
TEST_F(InmuebleLogica, OnlyTheFieldsTypedAreStored)
{
    CrearPropietario("ANA");
    const FichaInmueble creado = CrearInmueble("ANA", "MAYOR 1", "1A");
    m_db.exec("UPDATE inmueble SET codref = '', banco = '2100', sucursal = '0418', dc = '99', "
              "ccc = '0200051332', renta = 5000050, tipo_inmueble = 25, fecha = NULL");
    CInmuebleSet i(&m_db);
    FichaInmueble d = Mostrar(i, creado.ref);
    const qint64 antes = m_db.totalChanges();
    GuardarCambiosInmueble(i, d, {}, CuentaConocidaBuena(d));
    EXPECT_EQ(m_db.totalChanges(), antes);

    d = Mostrar(i, creado.ref);
    d.nom_arrendatario = "PEDRO";
    d.dc = "**";
    d.renta = Euros(50001);
    d.tipo_inmueble = 0;
    GuardarCambiosInmueble(i, d, {"nom_arrendatario"}, CuentaConocidaBuena(d));
    // The reference is filled with the first store that writes something.
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE nom_arrendatario = 'PEDRO' AND dc = '99' "
                     "AND renta = 5000050 AND tipo_inmueble = 25 AND fecha IS NULL AND codref <> ''"), 1);
}

TEST_F(InmuebleLogica, NewlyVerifiedAccountSwitchesOnBankReceipts)
{
    CrearPropietario("ANA");
    const FichaInmueble creado = CrearInmueble("ANA", "MAYOR 1", "1A");
    CInmuebleSet i(&m_db);
    FichaInmueble d = Mostrar(i, creado.ref);
    d.is_recibo_banco = false;
    d.banco = "2100";
    d.sucursal = "0418";
    d.dc = "99";
    d.ccc = "0200051332";
    const QSet<QString> cuenta = {"banco", "sucursal", "dc", "ccc", "is_recibo_banco"};
    d = GuardarCambiosInmueble(i, d, cuenta, true);
    EXPECT_EQ(d.dc, QStringLiteral("**"));
    EXPECT_FALSE(d.is_recibo_banco);
    ASSERT_FALSE(CuentaConocidaBuena(d));
    d = Mostrar(i, creado.ref);
    d.dc = "45";
    d = GuardarCambiosInmueble(i, d, {"dc"}, CuentaConocidaBuena(LeerInmueble(i)));
    EXPECT_TRUE(d.is_recibo_banco);
    // Once known good, the user may switch it off again.
    d = Mostrar(i, creado.ref);
    d.is_recibo_banco = false;
    d = GuardarCambiosInmueble(i, d, {"is_recibo_banco"}, CuentaConocidaBuena(LeerInmueble(i)));
    EXPECT_FALSE(d.is_recibo_banco);
}

TEST_F(InmuebleLogica, BrowsingFollowsTheChosenOrder)
{
    CrearPropietario("ANA");
    const FichaInmueble a = CrearInmueble("ANA", "B", "1");
    const FichaInmueble b = CrearInmueble("ANA", "A", "1");
    m_db.exec("UPDATE inmueble SET localidad = 'ZARAGOZA' WHERE direccion = 'B'; "
              "UPDATE inmueble SET localidad = 'avila' WHERE direccion = 'A'");
    AplicarOrdenInmuebles(m_db, 6);
    CInmuebleSet porEntrada(&m_db);
    EXPECT_EQ(porEntrada.text("direccion"), QStringLiteral("B"));
    AplicarOrdenInmuebles(m_db, 1);
    CInmuebleSet porLocalidad(&m_db);
    EXPECT_EQ(porLocalidad.text("direccion"), QStringLiteral("A"));
    // Storing a changed ordering column moves the row, and the set stays on it.
    FichaInmueble d = Mostrar(porLocalidad, a.ref);
    d.localidad = "AAA";
    GuardarCambiosInmueble(porLocalidad, d, {"localidad"}, true);
    EXPECT_EQ(porLocalidad.text("direccion"), QStringLiteral("B"));
    porLocalidad.moveNext();
    EXPECT_EQ(porLocalidad.integer("ref"), b.ref);
}

TEST_F(InmuebleLogica, DeletionRemovesItsReceiptsOnlyAllOrNothing)
{
    CrearPropietario("ANA");
    const FichaInmueble a = CrearInmueble("ANA", "O'DONNELL 3", "");
    CrearInmueble("ANA", "O'DONNELL 3", "2");
    Recibo(1, "ANA", "O'DONNELL 3", " ");
    Recibo(2, "ANA", "O'DONNELL 3", "2");
    CInmuebleSet i(&m_db);
    ASSERT_TRUE(i.BuscarInmueble(a.ref));
    BorrarInmuebleActual(i);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 1);
    EXPECT_EQ(Contar("SELECT ref FROM recibo"), 2);
    EXPECT_EQ(Contar("SELECT ref FROM emision_recibo"), 2);

    m_db.exec("CREATE TRIGGER no_borrar BEFORE DELETE ON inmueble "
              "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END;");
    i.moveFirst();
    EXPECT_THROW(BorrarInmuebleActual(i), DbError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo"), 1);
}

TEST_F(InmuebleLogica, AmountsAreStoredRoundedToCents)
{
    CrearPropietario("ANA");
    CInmuebleSet i(&m_db);
    FichaInmueble d = NuevoInmueble();
    d.arrendador = "ANA";
    d.direccion = "MAYOR 1";
    d.renta = Moneda::DeDiezmilesimas(5'000'050);   // 500,005
    d.iva = Moneda::DeDiezmilesimas(-19'950);        // -1,995
    d = GuardarCambiosInmueble(i, d, {}, true);
    EXPECT_EQ(d.renta, Euros(50001));
    EXPECT_EQ(d.iva, Euros(-200));
    EXPECT_EQ(LeerImporte("1.234,56", "Renta"), Euros(123456));
    EXPECT_EQ(LeerImporte("", "Renta"), Moneda());
    EXPECT_THROW(LeerImporte("doce", "Renta"), UserError);
}

TEST_F(InmuebleLogica, LookupListsHoldEachTownAndStreetOnce)
{
    CrearPropietario("ANA");
    CInmuebleSet i(&m_db);
    for (const auto& [dir, piso, loc] : {std::tuple{"MAYOR 1", "1", "MADRID"},
                                         std::tuple{"MAYOR 1", "2", "MADRID"},
                                         std::tuple{"SOL 2", "1", ""}}) {
        FichaInmueble d = NuevoInmueble();
        d.arrendador = "ANA";
        d.direccion = dir;
        d.piso = piso;
        d.localidad = loc;
        GuardarCambiosInmueble(i, d, {}, true);
    }
    RefrescarListas(m_db);
    EXPECT_EQ(Localidades(m_db), QStringList{"MADRID"});
    EXPECT_EQ(Direcciones(m_db), (QStringList{"MAYOR 1", "SOL 2"}));
}
