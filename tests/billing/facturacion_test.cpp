#include "billing/facturacion.h"

#include "billing_fixture.h"
#include "util/errores.h"

namespace {

const QDate kMarzo(2024, 3, 1);

}  // namespace

TEST_F(BillingTest, FirstRunProposalFollowsTheFifteenth)
{
    Facturacion f(db);
    const struct { QDate hoy, propuesta; } cases[] = {
        {QDate(2024, 3, 15), QDate(2024, 3, 1)},
        {QDate(2024, 3, 16), QDate(2024, 4, 1)},
        {QDate(2024, 12, 20), QDate(2025, 1, 1)},
        {QDate(2024, 12, 1), QDate(2024, 12, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hoy.toString(Qt::ISODate).toStdString());
        EXPECT_TRUE(f.EsPrimeraFacturacion());
        EXPECT_EQ(f.ProponerMes(c.hoy), c.propuesta);
    }
}

TEST_F(BillingTest, LaterProposalFollowsTheLatestRunWhateverItsStoredOrder)
{
    // December is stored before October: the proposal must follow the latest date.
    for (const char* fecha : {"2006-12-01 00:00:00", "2006-10-01 00:00:00", "2006-11-01 00:00:00"})
        Statement(db, "INSERT INTO facturacion (ref, fecha, notas) VALUES"
                      " ((SELECT COALESCE(MAX(ref),0)+1 FROM facturacion), ?1, '')")
            .bind(1, fecha).run();
    Facturacion f(db);
    EXPECT_FALSE(f.EsPrimeraFacturacion());
    EXPECT_EQ(f.ProponerMes(QDate(2024, 6, 3)), QDate(2007, 1, 1));
}

TEST_F(BillingTest, RunBillsEveryNonZeroTotalAndSkipsZeroTotals)
{
    Propietario(QStringLiteral("PEREZ"));
    Inmueble({.direccion = "VACIO", .arrendador = "PEREZ", .banco = true, .fisico = true});
    Inmueble({.direccion = "SOLO IVA", .arrendador = "PEREZ", .iva = 2100});
    Inmueble({.direccion = "SIN MARCAS", .arrendador = "PEREZ", .renta = 50000});
    // Amounts that cancel out: the test is on the six-amount total, not on each amount.
    Inmueble({.direccion = "SE ANULA", .arrendador = "PEREZ", .renta = 1000, .irpf = -1000});

    const auto r = Facturacion(db).FacturarMes(kMarzo, QStringLiteral("MARZO"));
    EXPECT_FALSE(r.cancelada);
    EXPECT_EQ(r.recibos, 2);
    EXPECT_EQ(r.total, Moneda::DeCentimos(52100));
    Statement st(db, "SELECT direccion FROM recibo ORDER BY ref");
    QStringList dirs;
    while (st.next())
        dirs << st.text(0);
    EXPECT_EQ(dirs, (QStringList{"SOLO IVA", "SIN MARCAS"}));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion WHERE fecha = '2024-03-01 00:00:00'"), 1);
}

TEST_F(BillingTest, ANegativeTotalIsBilledAndLowersTheRunTotal)
{
    // A withholding larger than the rent: the total is not zero, so the receipt is written
    // with the amounts as they stand (never as an absolute value or zero).
    Propietario(QStringLiteral("PEREZ"));
    Inmueble({.direccion = "NEGATIVO", .arrendador = "PEREZ", .renta = 10000, .irpf = -15000});
    Inmueble({.direccion = "POSITIVO", .arrendador = "PEREZ", .renta = 30000});

    const auto r = Facturacion(db).FacturarMes(kMarzo, QString());
    EXPECT_EQ(r.recibos, 2);
    EXPECT_EQ(r.total, Moneda::DeCentimos(25000));
    EXPECT_EQ(Contar("SELECT renta + irpf FROM recibo WHERE direccion = 'NEGATIVO'"),
              Moneda::DeCentimos(-5000).Diezmilesimas());
}

TEST_F(BillingTest, NumbersFollowTheOwnersCounterInPropertyOrder)
{
    Propietario(QStringLiteral("García Núñez"), 41);
    Propietario(QStringLiteral("OTRO"), 7);
    Inmueble({.direccion = "A", .arrendador = "GARCÍA NÚÑEZ", .renta = 100, .numerar = true});
    Inmueble({.direccion = "B", .arrendador = "garcía núñez", .renta = 100});
    Inmueble({.direccion = "C", .arrendador = "García Núñez", .renta = 100, .numerar = true});
    Inmueble({.direccion = "D", .arrendador = "OTRO", .renta = 100});

    Facturacion(db).FacturarMes(kMarzo, QString());
    Statement st(db, "SELECT direccion, numero_recibo FROM recibo ORDER BY direccion");
    QStringList got;
    while (st.next())
        got << QStringLiteral("%1=%2").arg(st.text(0)).arg(st.integer(1));
    EXPECT_EQ(got, (QStringList{"A=42", "B=0", "C=43", "D=0"}));
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario WHERE ref = 1"), 43);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario WHERE ref = 2"), 7);

    // The next month continues where this one ended: no number skipped or reused.
    Facturacion(db).FacturarMes(kMarzo.addMonths(1), QString());
    Statement nums(db, "SELECT numero_recibo FROM recibo WHERE numero_recibo > 0 ORDER BY ref");
    QList<qint64> n;
    while (nums.next())
        n << nums.integer(0);
    EXPECT_EQ(n, (QList<qint64>{42, 43, 44, 45}));
}

TEST_F(BillingTest, ReceiptIsAFrozenCopyWithTheRunsNotesOnly)
{
    Propietario(QStringLiteral("PEREZ"));
    Inmueble({.direccion = "MAYOR, 1", .piso = "1º A", .arrendador = "PEREZ", .renta = 65000,
              .irpf = -12350, .otro1 = 4000, .banco = true, .inquilino = "LÓPEZ ANA",
              .notas = "NO LLAMAR ANTES DE LAS 10"});
    Inmueble({.direccion = "MAYOR, 2", .arrendador = "PEREZ", .renta = 100, .notas = "OTRA NOTA"});
    Facturacion(db).FacturarMes(QDate(2024, 3, 17), QStringLiteral("SUBIDA IPC"));

    Statement st(db, "SELECT notas FROM recibo");
    int n = 0;
    while (st.next()) {
        EXPECT_EQ(st.text(0), QStringLiteral("SUBIDA IPC"));
        ++n;
    }
    EXPECT_EQ(n, 2);

    Statement r(db, "SELECT piso, nom_arrendatario, fecha_facturacion, fecha_cobro, renta, irpf,"
                    " otro_importe1, otro_concepto1, is_recibo_banco, is_recibo_fisico, banco, ccc,"
                    " estado, localidad, codref, doc_arrendatario_num"
                    " FROM recibo WHERE direccion = 'MAYOR, 1'");
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(0), QStringLiteral("1º A"));
    EXPECT_EQ(r.text(1), QStringLiteral("LÓPEZ ANA"));
    EXPECT_EQ(r.text(2), QStringLiteral("2024-03-01 00:00:00"));   // day 1 of the chosen month
    EXPECT_TRUE(r.isNull(3));
    EXPECT_EQ(r.money(4), Moneda::DeCentimos(65000));
    EXPECT_EQ(r.money(5), Moneda::DeCentimos(-12350));
    EXPECT_EQ(r.money(6), Moneda::DeCentimos(4000));
    EXPECT_EQ(r.text(7), QStringLiteral("COMUNIDAD"));
    EXPECT_TRUE(r.boolean(8));
    EXPECT_FALSE(r.boolean(9));
    EXPECT_EQ(r.text(10), QStringLiteral("2100"));
    EXPECT_EQ(r.text(11), QStringLiteral("0200051332"));
    EXPECT_EQ(r.integer(12), 0);
    EXPECT_EQ(r.text(13), QStringLiteral("MADRID"));
    EXPECT_EQ(r.text(14), QStringLiteral("R-1"));
    EXPECT_FALSE(r.isNull(15));    // empty text, not NULL
}

TEST_F(BillingTest, BilledMonthIsRefusedBeforeAnythingIsWritten)
{
    Propietario(QStringLiteral("PEREZ"), 5);
    Inmueble({.direccion = "A", .arrendador = "PEREZ", .renta = 100, .numerar = true});
    Facturacion f(db);
    f.FacturarMes(kMarzo, QStringLiteral("PRIMERA"));
    ASSERT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);

    for (const QDate& d : {kMarzo, QDate(2024, 3, 31)}) {
        try {
            f.FacturarMes(d, QStringLiteral("OTRA"));
            ADD_FAILURE() << "a billed month was billed again";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.Mensaje().contains(QStringLiteral("MARZO de 2024"))) << e.what();
        }
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 1);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 6);
}

TEST_F(BillingTest, MissingOwnerLeavesTheWholeMonthUnbilled)
{
    Propietario(QStringLiteral("PEREZ"), 10);
    Inmueble({.direccion = "A", .arrendador = "PEREZ", .renta = 100, .numerar = true});
    Inmueble({.direccion = "B", .arrendador = "FANTASMA", .renta = 100});
    Inmueble({.direccion = "C", .arrendador = "PEREZ", .renta = 100, .numerar = true});
    try {
        Facturacion(db).FacturarMes(kMarzo, QString());
        FAIL() << "billed a property of a missing owner";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("propietario erroneo no encontrado = FANTASMA"));
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 0);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 10);
}

TEST_F(BillingTest, RefusesAnEmptyPropertyTableAndACancelledRunWritesNothing)
{
    Facturacion f(db);
    try {
        f.FacturarMes(kMarzo, QString());
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("Es necesario que introduzca primero un inmueble"));
    }
    Propietario(QStringLiteral("PEREZ"), 3);
    for (int i = 0; i < 5; ++i)
        Inmueble({.direccion = QString::number(i), .arrendador = "PEREZ", .renta = 100, .numerar = true});
    int llamadas = 0;
    const auto r = f.FacturarMes(kMarzo, QString(), [&](int hecho, int total) {
        EXPECT_EQ(total, 5);
        EXPECT_LE(hecho, total);
        return ++llamadas < 2;
    });
    EXPECT_TRUE(r.cancelada);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 0);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 3);
}

TEST_F(BillingTest, IndividualBillingAddsOneReceiptWithoutARun)
{
    Propietario(QStringLiteral("PEREZ"), 41);
    Inmueble({.direccion = "A", .arrendador = "PEREZ", .renta = 100});
    const qint64 b = Inmueble({.direccion = "B", .arrendador = "PEREZ", .renta = 2500, .numerar = true,
                               .notas = "NOTA DEL INMUEBLE"});
    const qint64 cero = Inmueble({.direccion = "CERO", .arrendador = "PEREZ"});
    Facturacion f(db);
    f.FacturarMes(kMarzo, QStringLiteral("RUN"));
    const qint64 huerfano = Inmueble({.direccion = "H", .arrendador = "NADIE", .renta = 100});

    const qint64 ref = f.FacturarInmueble(b, QDate(2024, 3, 20));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 1);
    Statement st(db, "SELECT direccion, fecha_facturacion, notas, numero_recibo FROM recibo WHERE ref = ?1");
    st.bind(1, ref);
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.text(0), QStringLiteral("B"));
    EXPECT_EQ(st.text(1), QStringLiteral("2024-03-01 00:00:00"));
    EXPECT_EQ(st.text(2), QString());
    EXPECT_EQ(st.integer(3), 43);    // 42 went to the run's receipt
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE direccion = 'B'"), 2);

    const struct { qint64 ref; QString mensaje; } refused[] = {
        {cero, QStringLiteral("Debe haber algún importe, todos los conceptos están a cero")},
        {huerfano, QStringLiteral("propietario erroneo no encontrado = NADIE")},
    };
    const qint64 antes = Contar("SELECT COUNT(*) FROM recibo");
    for (const auto& c : refused) {
        try {
            f.FacturarInmueble(c.ref, kMarzo);
            ADD_FAILURE() << c.mensaje.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.Mensaje(), c.mensaje);
        }
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), antes);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 43);
}

TEST_F(BillingTest, NumberingFollowsTheChosenBrowsingOrder)
{
    Propietario(QStringLiteral("PEREZ"), 41);
    Inmueble({.direccion = "ZURBANO", .arrendador = "PEREZ", .renta = 100, .numerar = true});
    Inmueble({.direccion = "ALCALA", .arrendador = "PEREZ", .renta = 100, .numerar = true});
    db.exec(QStringLiteral("DROP INDEX IF EXISTS InmueblesIndex;"
                           " CREATE INDEX InmueblesIndex ON inmueble(localidad,direccion,piso);"));
    Facturacion(db).FacturarMes(kMarzo, QString());
    EXPECT_EQ(Contar("SELECT numero_recibo FROM recibo WHERE direccion = 'ALCALA'"), 42);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM recibo WHERE direccion = 'ZURBANO'"), 43);
}
