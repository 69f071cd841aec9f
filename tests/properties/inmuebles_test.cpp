#include <gtest/gtest.h>

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

TEST(ImpuestosInmueble, HugeBaseIsRefusedRatherThanWrapped)
{
    FichaInmueble d;
    d.renta = Moneda::DeDiezmilesimas(std::numeric_limits<qint64>::max() / 10);
    EXPECT_THROW(AplicarImpuesto1(d, 21), UserError);
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
    const FichaInmueble d = Inmuebles::Nuevo();
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
    Inmuebles i(m_db);
    const FichaInmueble leido = i.Actual();
    EXPECT_EQ(leido.piso, QStringLiteral(" "));
    EXPECT_FALSE(leido.codref.trimmed().isEmpty());
    EXPECT_LE(leido.codref.size(), 12);

    FichaInmueble otro = Inmuebles::Nuevo();
    otro.arrendador = "ANA";
    otro.direccion = "MAYOR 14";
    otro.codref = "MIREF";
    EXPECT_EQ(i.Guardar(otro, true).codref, QStringLiteral("MIREF"));
    otro.direccion = "CALLE MAYOR 12";
    otro.piso = "2 A";
    otro.codref = " ";
    EXPECT_EQ(i.Guardar(otro, true).codref, QStringLiteral("MAYO122 A   "));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE codref = 'MAYO122 A   '"), 1);
}

TEST_F(InmuebleLogica, ValidationRefusesWithNothingStored)
{
    CrearPropietario("ANA");
    Inmuebles i(m_db);
    FichaInmueble d = Inmuebles::Nuevo();
    d.direccion = "MAYOR 1";
    try {
        i.Guardar(d, true);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("Debe seleccionar un propietario"));
    }
    d.arrendador = "ANA";
    d.direccion = "  ";
    try {
        i.Guardar(d, true);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("El inmueble debe tener una dirección"));
    }
    d.direccion = "MAYOR 1";
    d.arrendador = "NADIE";
    EXPECT_THROW(i.Guardar(d, true), UserError);
    d.arrendador = "ANA";
    d.fecha = QDateTime();
    EXPECT_THROW(i.Guardar(d, true), UserError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 0);
}

TEST_F(InmuebleLogica, SameAddressAndFloorIsRefusedAndCursorStays)
{
    CrearPropietario("ANA");
    CrearInmueble("ANA", "MAYOR 1", "1A");
    Inmuebles i(m_db);
    FichaInmueble d = Inmuebles::Nuevo();
    d.arrendador = "ANA";
    d.direccion = "MAYOR 1";
    d.piso = "1A";
    EXPECT_THROW(i.Guardar(d, true), DbError);
    EXPECT_EQ(i.Cantidad(), 1);
    EXPECT_EQ(i.Actual().piso, QStringLiteral("1A"));
}

TEST_F(InmuebleLogica, StoredStreetFloorAndOwnerCannotChange)
{
    CrearPropietario("ANA");
    CrearPropietario("BEA");
    FichaInmueble d = CrearInmueble("ANA", "MAYOR 1", "1A");
    Inmuebles i(m_db);
    d.arrendador = "BEA";
    d.direccion = "OTRA";
    d.nom_arrendatario = "PEDRO";
    const FichaInmueble g = i.Guardar(d, true);
    EXPECT_EQ(g.arrendador, QStringLiteral("ANA"));
    EXPECT_EQ(i.Actual().direccion, QStringLiteral("MAYOR 1"));
    EXPECT_EQ(i.Actual().nom_arrendatario, QStringLiteral("PEDRO"));
}

TEST_F(InmuebleLogica, NewlyVerifiedAccountSwitchesOnBankReceipts)
{
    CrearPropietario("ANA");
    FichaInmueble d = CrearInmueble("ANA", "MAYOR 1", "1A");
    d.is_recibo_banco = false;
    d.banco = "2100";
    d.sucursal = "0418";
    d.dc = "99";
    d.ccc = "0200051332";
    Inmuebles i(m_db);
    d = i.Guardar(d, true);
    EXPECT_EQ(d.dc, QStringLiteral("**"));
    EXPECT_FALSE(d.is_recibo_banco);
    ASSERT_FALSE(CuentaConocidaBuena(d));
    d.dc = "45";
    d = i.Guardar(d, CuentaConocidaBuena(i.Actual()));
    EXPECT_TRUE(d.is_recibo_banco);
    EXPECT_TRUE(i.Actual().is_recibo_banco);
    // Once known good, the user may switch it off again.
    d.is_recibo_banco = false;
    d = i.Guardar(d, CuentaConocidaBuena(i.Actual()));
    EXPECT_FALSE(i.Actual().is_recibo_banco);
}

TEST_F(InmuebleLogica, BrowsingByOneAndByTenWraps)
{
    CrearPropietario("ANA");
    for (int n = 0; n < 25; ++n)
        CrearInmueble("ANA", QStringLiteral("CALLE %1").arg(n), "1");
    Inmuebles i(m_db);
    ASSERT_EQ(i.Cantidad(), 25);
    i.Anterior();
    EXPECT_EQ(i.Posicion(), 24);
    i.Siguiente();
    EXPECT_EQ(i.Posicion(), 0);

    const struct { int desde; bool avanzar; int hasta; } cases[] = {
        {0, true, 10}, {14, true, 24}, {15, true, 0}, {24, true, 0},
        {24, false, 14}, {10, false, 0}, {9, false, 24}, {0, false, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desde);
        i.Primero();
        for (int k = 0; k < c.desde; ++k)
            i.Siguiente();
        c.avanzar ? i.AvanzarDiez() : i.RetrocederDiez();
        EXPECT_EQ(i.Posicion(), c.hasta);
        EXPECT_EQ(i.Actual().direccion, QStringLiteral("CALLE %1").arg(c.hasta));
    }
}

TEST_F(InmuebleLogica, BrowsingFollowsTheChosenOrder)
{
    CrearPropietario("ANA");
    FichaInmueble a = CrearInmueble("ANA", "B", "1");
    FichaInmueble b = CrearInmueble("ANA", "A", "1");
    Inmuebles i(m_db);
    a.localidad = "ZARAGOZA";
    b.localidad = "avila";
    i.Guardar(a, true);
    i.Guardar(b, true);
    Inmuebles porLocalidad(m_db, 1);
    EXPECT_EQ(porLocalidad.Actual().direccion, QStringLiteral("A"));
    Inmuebles porEntrada(m_db, 6);
    EXPECT_EQ(porEntrada.Actual().direccion, QStringLiteral("B"));
    // A statement from the search gives the rows in its own order.
    Inmuebles busqueda(m_db, 0, "SELECT ref FROM inmueble WHERE localidad = 'avila'");
    EXPECT_EQ(busqueda.Cantidad(), 1);
    EXPECT_EQ(busqueda.Actual().direccion, QStringLiteral("A"));
}

TEST_F(InmuebleLogica, DeletionRemovesItsReceiptsOnlyAllOrNothing)
{
    CrearPropietario("ANA");
    const FichaInmueble a = CrearInmueble("ANA", "O'DONNELL 3", "");
    CrearInmueble("ANA", "O'DONNELL 3", "2");
    Recibo(1, "ANA", "O'DONNELL 3", " ");
    Recibo(2, "ANA", "O'DONNELL 3", "2");
    Inmuebles i(m_db);
    i.Borrar(a.ref);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 1);
    EXPECT_EQ(Contar("SELECT ref FROM recibo"), 2);
    EXPECT_EQ(Contar("SELECT ref FROM emision_recibo"), 2);

    m_db.exec("CREATE TRIGGER no_borrar BEFORE DELETE ON inmueble "
              "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END;");
    EXPECT_THROW(i.Borrar(i.Actual().ref), DbError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo"), 1);
}

TEST_F(InmuebleLogica, AmountsAreStoredRoundedToCents)
{
    CrearPropietario("ANA");
    Inmuebles i(m_db);
    FichaInmueble d = Inmuebles::Nuevo();
    d.arrendador = "ANA";
    d.direccion = "MAYOR 1";
    d.renta = Moneda::DeDiezmilesimas(5'000'050);   // 500,005
    d.iva = Moneda::DeDiezmilesimas(-19'950);        // -1,995
    i.Guardar(d, true);
    EXPECT_EQ(i.Actual().renta, Euros(50001));
    EXPECT_EQ(i.Actual().iva, Euros(-200));
    EXPECT_EQ(LeerImporte("1.234,56", "Renta"), Euros(123456));
    EXPECT_EQ(LeerImporte("", "Renta"), Moneda());
    EXPECT_THROW(LeerImporte("doce", "Renta"), UserError);
}

TEST_F(InmuebleLogica, LookupListsHoldEachTownAndStreetOnce)
{
    CrearPropietario("ANA");
    Inmuebles i(m_db);
    for (const auto& [dir, piso, loc] : {std::tuple{"MAYOR 1", "1", "MADRID"},
                                         std::tuple{"MAYOR 1", "2", "MADRID"},
                                         std::tuple{"SOL 2", "1", ""}}) {
        FichaInmueble d = Inmuebles::Nuevo();
        d.arrendador = "ANA";
        d.direccion = dir;
        d.piso = piso;
        d.localidad = loc;
        i.Guardar(d, true);
    }
    RefrescarListas(m_db);
    EXPECT_EQ(Localidades(m_db), QStringList{"MADRID"});
    EXPECT_EQ(Direcciones(m_db), (QStringList{"MAYOR 1", "SOL 2"}));
}
