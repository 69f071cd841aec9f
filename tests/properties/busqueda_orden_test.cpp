// The property search, the browsing order and the listing filter on a small workspace.
#include <gtest/gtest.h>

#include "data/workspace.h"
#include "properties/busqueda_inmuebles.h"
#include "properties/filtro_inmuebles.h"
#include "properties/orden_inmuebles.h"
#include "props_fixture.h"
#include "reports/listado_inmuebles.h"
#include "util/errores.h"

namespace {

class Busqueda : public PropsTest {
protected:
    qint64 Con(const QString& direccion, const QString& piso, const char* sql = nullptr)
    {
        const qint64 ref = CrearInmueble("ANA", direccion, piso).ref;
        if (sql)
            Statement(m_db, QString::fromUtf8(sql) + QStringLiteral(" WHERE ref = ?1")).bind(1, ref).run();
        return ref;
    }
    QList<qint64> Refs(const CondicionBusqueda& c) { return RefsInmuebles(m_db, c); }
    QList<qint64> Texto(const QString& t) { return Refs(CondicionTexto(t)); }
    QStringList Direcciones()
    {
        QStringList r;
        CInmuebleSet rs(&m_db);
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
            r << rs.text("direccion") + u'/' + rs.text("piso");
        return r;
    }
};

TEST_F(Busqueda, TypedCharactersAreLiteralAndCaseIsFoldedSpanishLettersToo)
{
    CrearPropietario("ANA");
    const qint64 odonnell = Con("O'DONNELL 3", "1");
    const qint64 cincuenta = Con("CALLE 50% DTO", "1");
    const qint64 ab = Con("A_B", "1");
    const qint64 barra = Con("RUTA C:\\X", "1");
    const qint64 pena = Con("PEÑA 1", "1");
    Con("PENA 1", "1");
    Con("ACB", "1");
    Con("CALLE 50 DTO", "1");
    const struct {
        const char* texto;
        QList<qint64> esperados;
    } casos[] = {
        {"o'donnell", {odonnell}}, {"50%", {cincuenta}},     {"a_b", {ab}},
        {"c:\\x", {barra}},         {"peña", {pena}},         {"PEÑA", {pena}},
        {"[", {}},                  {"*", {}},                {"#", {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Texto(QString::fromUtf8(c.texto)), c.esperados) << c.texto;
    // Every property, in entry order, for an empty text.
    EXPECT_EQ(Texto(QString()).size(), 8);
}

TEST_F(Busqueda, AnyOfTheColumnsMatchesByAFragmentAndResultsComeInEntryOrder)
{
    CrearPropietario("ANA");
    const qint64 tel = Con("SOL 1", "1", "UPDATE inmueble SET telefono_movil = '600123456'");
    const qint64 nota = Con("SOL 2", "1", "UPDATE inmueble SET notas = 'llaves en la portería'");
    const qint64 ambos = Con("LUNA 3", "1", "UPDATE inmueble SET email = 'x@123.es', notas = 'PORTERÍA'");
    EXPECT_EQ(Texto("0123"), QList<qint64>({tel}));
    EXPECT_EQ(Texto("portería"), QList<qint64>({nota, ambos}));
    const QList<ResultadoBusqueda> r = BuscarInmuebles(m_db, CondicionTexto("sol"), 1);
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].ref, tel);
    EXPECT_EQ(ContarInmuebles(m_db, CondicionTexto("sol")), 2);
    EXPECT_EQ(LineaResultado(r[0]), QStringLiteral("%1\tSOL 1\t1\t\tANA").arg(tel));
}

TEST_F(Busqueda, ContractMonthFindsThatMonthOfAnyYear)
{
    CrearPropietario("ANA");
    const qint64 marzo = Con("A", "1", "UPDATE inmueble SET fecha = '2019-03-31 00:00:00'");
    const qint64 marzo2 = Con("B", "1", "UPDATE inmueble SET fecha = '2024-03-01 10:00:00'");
    Con("C", "1", "UPDATE inmueble SET fecha = '2024-04-01 00:00:00'");
    Con("D", "1", "UPDATE inmueble SET fecha = NULL");
    EXPECT_EQ(Refs(CondicionMesContrato(3)), QList<qint64>({marzo, marzo2}));
    EXPECT_TRUE(Refs(CondicionMesContrato(12)).isEmpty());
}

TEST_F(Busqueda, EachOrderSortsItsColumnsIgnoringCaseAndAccentsWithTiesInEntryOrder)
{
    CrearPropietario("ANA");
    CrearPropietario("bea");
    // direccion, piso, localidad, cp, arrendador, tenant, date
    const struct {
        const char* dir; const char* loc; const char* cp; const char* arr; const char* inq; const char* fecha;
    } filas[] = {
        {"ñu", "Ávila", "50002", "bea", "ñoño", "2020-01-01 00:00:00"},
        {"nz", "avila", "50001", "ANA", "Nadia", "2020-01-01 00:00:00"},
        {"Oca", "ZAMORA", "50001", "ANA", "álvaro", "2019-06-01 00:00:00"},
        {"abad", "ávila", "50002", "bea", "Nadia", "2020-01-01 00:00:00"},
    };
    for (const auto& f : filas) {
        CInmuebleSet rs(&m_db);
        FichaInmueble d = NuevoInmueble();
        d.arrendador = QString::fromUtf8(f.arr);
        d.direccion = QString::fromUtf8(f.dir);
        d.piso = "1";
        d.localidad = QString::fromUtf8(f.loc);
        d.cp = QString::fromUtf8(f.cp);
        d.nom_arrendatario = QString::fromUtf8(f.inq);
        d.fecha = SqlToDateTime(QString::fromUtf8(f.fecha));
        GuardarCambiosInmueble(rs, d, {}, true);
    }
    const struct {
        int orden;
        QStringList esperado;
    } casos[] = {
        {1, {"abad/1", "nz/1", "ñu/1", "Oca/1"}},   // á with a; ties by street
        {2, {"nz/1", "Oca/1", "abad/1", "ñu/1"}},
        {3, {"nz/1", "Oca/1", "abad/1", "ñu/1"}},
        {4, {"Oca/1", "nz/1", "abad/1", "ñu/1"}},   // álvaro, Nadia twice in entry order, ñ after n
        {5, {"Oca/1", "nz/1", "ñu/1", "abad/1"}},   // date, then owner, then entry
        {6, {"ñu/1", "nz/1", "Oca/1", "abad/1"}},
    };
    for (const auto& c : casos) {
        AplicarOrdenInmuebles(m_db, c.orden);
        EXPECT_EQ(OrdenInmueblesActual(m_db), c.orden);
        EXPECT_EQ(Direcciones(), c.esperado) << "orden " << c.orden;
    }
}

TEST_F(Busqueda, AFailedOrRefusedOrderKeepsTheOneThereWas)
{
    CrearPropietario("ANA");
    Con("B", "1");
    Con("A", "1");
    AplicarOrdenInmuebles(m_db, 1);
    EXPECT_THROW(AplicarOrdenInmuebles(m_db, 7), UserError);
    EXPECT_EQ(OrdenInmueblesActual(m_db), 1);
    {
        // A workspace that cannot be written: nothing is dropped.
        Database soloLectura(m_ws.workspacePath(), Database::Mode::ReadOnly);
        EXPECT_THROW(AplicarOrdenInmuebles(soloLectura, 6), DbError);
    }
    EXPECT_EQ(OrdenInmueblesActual(m_db), 1);
    EXPECT_EQ(Direcciones(), QStringList({"A/1", "B/1"}));
}

class Filtro : public Busqueda {
protected:
    QStringList Staged()
    {
        QStringList r;
        Statement st(m_db, "SELECT direccion FROM informe_inmueble ORDER BY rowid");
        while (st.next())
            r << st.text(0);
        return r;
    }
    QStringList Con(const CriteriosInmuebles& c)
    {
        const int n = PrepararInformeInmuebles(m_db, c);
        const QStringList r = Staged();
        EXPECT_EQ(n, int(r.size()));
        return r;
    }
};

TEST_F(Filtro, EachFieldStagesOnlyItsPropertiesInBrowsingOrder)
{
    CrearPropietario("ANA");
    CrearPropietario("PEÑA");
    Busqueda::Con("B", "2º A_1", "UPDATE inmueble SET localidad = 'Ávila', fecha = '2020-05-02 00:00:00',"
                                 " codref = 'R1', nom_arrendatario = 'Luis', is_recibo_banco = NULL");
    Busqueda::Con("A", "3º", "UPDATE inmueble SET localidad = 'Soria', arrendador = 'PEÑA',"
                             " is_recibo_fisico = 0, is_recibo_numerar = 0");
    Busqueda::Con("C", "2º AB1", "UPDATE inmueble SET localidad = 'ávila'");
    AplicarOrdenInmuebles(m_db, 1);

    const auto con = [](auto cambiar) {
        CriteriosInmuebles c;
        c.mes = kTodos;
        c.direccion = c.localidad = c.propietario = kTodos;
        for (auto& r : c.recibos)
            r.flag = kTodos;
        cambiar(c);
        return c;
    };
    // Order 1: town (Ávila and ávila alike), then street.
    EXPECT_EQ(Con(con([](auto&) {})), QStringList({"B", "C", "A"}));
    EXPECT_EQ(Con(con([](auto& c) { c.mes = "MAYO"; })), QStringList({"B"}));
    EXPECT_EQ(Con(con([](auto& c) { c.direccion = "c"; })), QStringList({"C"}));
    EXPECT_EQ(Con(con([](auto& c) { c.piso = "a_1"; })), QStringList({"B"}));
    EXPECT_EQ(Con(con([](auto& c) { c.piso = "2º"; })), QStringList({"B", "C"}));
    EXPECT_EQ(Con(con([](auto& c) { c.localidad = "ÁVILA"; })), QStringList({"B", "C"}));
    EXPECT_EQ(Con(con([](auto& c) { c.referencia = "r1"; })), QStringList({"B"}));
    EXPECT_EQ(Con(con([](auto& c) { c.propietario = "peña"; })), QStringList({"A"}));
    EXPECT_EQ(Con(con([](auto& c) { c.inquilino = "LUIS"; })), QStringList({"B"}));
    EXPECT_EQ(Con(con([](auto& c) { c.inquilino = "Lu"; })), QStringList());
    // A NULL flag is not set.
    EXPECT_EQ(Con(con([](auto& c) { c.recibos[0] = {"RECIBO BANCO", true}; })), QStringList({"C", "A"}));
    EXPECT_EQ(Con(con([](auto& c) { c.recibos[0] = {"RECIBO BANCO", false}; })), QStringList({"B"}));
    EXPECT_EQ(Con(con([](auto& c) {
                  c.recibos[1] = {"RECIBO FÍSICO", false};
                  c.recibos[2] = {"NUMERAR RECIBO", false};
              })),
              QStringList({"A"}));
    EXPECT_EQ(Con(con([](auto& c) {
                  c.localidad = "ávila";
                  c.recibos[2] = {"NUMERAR RECIBO", true};
              })),
              QStringList({"B", "C"}));
}

TEST_F(Filtro, ListingTotalsWithTheWithholdingAndShowsEveryCriterion)
{
    CrearPropietario("ANA");
    Busqueda::Con("SOL", "1", "UPDATE inmueble SET renta = 10000000, iva = 2100000, irpf = -1900000,"
                              " nom_arrendatario = 'LUIS'");
    Busqueda::Con("LUNA", "2", "UPDATE inmueble SET renta = 999999990000");
    CriteriosInmuebles c;
    c.propietario = "ANA";
    PrepararInformeInmuebles(m_db, c);
    const ListadoInmuebles l = ListadoDeInmuebles(m_db, c, QDate(2024, 1, 15));
    EXPECT_EQ(l.titulo, QStringLiteral("Informe Inmuebles ENERO del 2024."));
    ASSERT_EQ(l.lineas.size(), 6);
    EXPECT_EQ(l.lineas[0].size(), 116);
    EXPECT_TRUE(l.lineas[0].startsWith(QStringLiteral("CALLE")));
    EXPECT_TRUE(l.lineas[0].endsWith(QStringLiteral("     TOTAL")));
    EXPECT_EQ(l.lineas[1], QStringLiteral("SOL").leftJustified(36) + QStringLiteral("1").leftJustified(36) +
                               QStringLiteral("LUIS").leftJustified(34) + QStringLiteral("  1.020,00"));
    // The amount wider than its field is never cut.
    EXPECT_TRUE(l.lineas[2].endsWith(QStringLiteral("99.999.999,00"))) << l.lineas[2].toStdString();
    EXPECT_TRUE(l.lineas[3].startsWith(QStringLiteral("TOTAL ")));
    EXPECT_TRUE(l.lineas[3].endsWith(QStringLiteral("100.001.019,00")));
    EXPECT_EQ(l.lineas[4], QString());
    EXPECT_EQ(l.lineas[5], QStringLiteral(" Criterio de selección:  Arrendador= ANA "));
    EXPECT_EQ(l.inmuebles, 2);
}

TEST(ListadoInmuebles, CriteriaRunOnToAsManyLinesAsTheyNeed)
{
    const QString prefijo = QStringLiteral(" Criterio de selección: ");
    for (const int largo : {150, 300}) {
        const QString criterios = QString(largo - int(prefijo.size()), u'x');
        const QStringList l = LineasCriterios(criterios);
        ASSERT_EQ(l.size(), largo == 150 ? 2 : 3) << largo;
        EXPECT_EQ(l[0].size(), 116);
        EXPECT_EQ(l.last().size(), largo == 150 ? 34 : 68);
        EXPECT_EQ(l.join(QString()), prefijo + criterios);
    }
    EXPECT_TRUE(LineasCriterios(QString()).isEmpty());
    CriteriosInmuebles c;
    c.mes = "MARZO";
    c.piso = "2";
    c.recibos[1] = {"RECIBO FÍSICO", false};
    c.recibos[2] = {"TODOS", true};
    EXPECT_EQ(TextoCriterios(c), QStringLiteral(" Mes contrato= MARZO   Piso= 2  Se emite recibo físico= NO"));
}

}  // namespace
