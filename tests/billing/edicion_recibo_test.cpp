#include <QMap>

#include "billing/edicion_recibo.h"
#include "billing/estado_recibo.h"
#include "billing/facturacion.h"

#include "billing_fixture.h"
#include "util/errores.h"

TEST(EstadoRecibo, NamesAndValuesRoundTripAndUnknownsFallBack)
{
    const QStringList nombres = NombresEstadoRecibo();
    ASSERT_EQ(nombres.size(), 6);
    for (int e = 0; e < 6; ++e)
        EXPECT_EQ(EstadoReciboDeNombre(NombreEstadoRecibo(e)), e);
    EXPECT_EQ(NombreEstadoRecibo(kEstadoEnviadoAlCobro), QStringLiteral("ENVIADO AL COBRO"));
    for (int raro : {-1, 6, 9})
        EXPECT_EQ(NombreEstadoRecibo(raro), QStringLiteral("SIN ESPECIFICAR"));
    for (const char* raro : {"cobrado", "COBRADO ", "", "PAGADO"})
        EXPECT_EQ(EstadoReciboDeNombre(QString::fromUtf8(raro)), kEstadoSinEspecificar);
}

class EdicionTest : public BillingTest {
protected:
    void SetUp() override
    {
        BillingTest::SetUp();
        Propietario(QStringLiteral("PEREZ"), 9);
        Inmueble({.direccion = "A", .arrendador = "PEREZ", .renta = 50000, .numerar = true,
                  .inquilino = "ANA"});
        Inmueble({.direccion = "B", .arrendador = "PEREZ", .renta = 60000, .inquilino = "LUIS"});
        Facturacion(db).FacturarMes(QDate(2024, 3, 1), QStringLiteral("MARZO"));
        refA = QueryInteger(db, QStringLiteral("SELECT ref FROM recibo WHERE direccion = 'A'"));
    }
    QString Columna(const char* col, const char* dir)
    {
        Statement st(db, QStringLiteral("SELECT %1 FROM recibo WHERE direccion = ?1").arg(QLatin1String(col)));
        st.bind(1, QString::fromUtf8(dir));
        return st.next() ? st.text(0) : QStringLiteral("<none>");
    }
    qint64 refA = 0;
};

TEST_F(EdicionTest, WriteBackChangesOnlyTheEditedReceiptsEditableColumns)
{
    // Receipt B already sits in the staging table from an earlier flow, with other values:
    // staging must empty it so that the write-back does not touch B.
    db.exec(QStringLiteral("INSERT INTO emision_recibo (ref, direccion, renta) SELECT ref, direccion, 1"
                           " FROM recibo WHERE direccion = 'B'"));
    PrepararEdicionRecibo(db, refA);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM emision_recibo")), 1);

    ReciboEmision r = LeerReciboEmision(db, refA);
    EXPECT_EQ(r.nom_arrendatario, QStringLiteral("ANA"));
    EXPECT_EQ(r.numero_recibo, 10);
    EXPECT_EQ(r.fecha_facturacion.date(), QDate(2024, 3, 1));
    r.importes.renta = Moneda::DeCentimos(55000);
    r.notas = QStringLiteral("CORREGIDO");
    r.nom_arrendatario = QStringLiteral("OTRO NOMBRE");   // shown read-only: never stored
    r.numero_recibo = 999;
    r.direccion = QStringLiteral("OTRA CALLE");
    GuardarReciboEmision(db, r);
    EscribirEmisionEnRecibo(db);

    EXPECT_EQ(Columna("renta", "A"), QString::number(55000 * 100));
    EXPECT_EQ(Columna("notas", "A"), QStringLiteral("CORREGIDO"));
    EXPECT_EQ(Columna("nom_arrendatario", "A"), QStringLiteral("ANA"));
    EXPECT_EQ(Columna("numero_recibo", "A"), QStringLiteral("10"));
    EXPECT_EQ(Columna("renta", "B"), QString::number(60000 * 100));
    EXPECT_EQ(Columna("notas", "B"), QStringLiteral("MARZO"));
    EXPECT_EQ(Columna("direccion", "OTRA CALLE"), QStringLiteral("<none>"));
}

TEST_F(EdicionTest, EveryEditableColumnSurvivesTheWriteBackAndNoOtherIsCopied)
{
    PrepararEdicionRecibo(db, refA);
    // Distinct values per column, so that two columns swapped in the statement would show.
    const struct { const char* columna; const char* valor; } editables[] = {
        {"renta", "1110000"}, {"otro_importe1", "2220000"}, {"otro_importe2", "3330000"},
        {"otro_importe3", "4440000"}, {"iva", "5550000"}, {"irpf", "-6660000"},
        {"nom_arrendatario", "NUEVO INQUILINO"}, {"doc_arrendatario_tipo", "NIE"},
        {"doc_arrendatario_num", "X1234567L"}, {"otro_concepto1", "AGUA"},
        {"otro_concepto2", "LUZ"}, {"otro_concepto3", "GAS"}, {"is_recibo_banco", "1"},
        {"is_recibo_fisico", "1"}, {"is_recibo_numerar", "0"}, {"banco", "2100"},
        {"sucursal", "0418"}, {"dc", "45"}, {"ccc", "0200051332"}, {"notas", "NOTA NUEVA"},
        {"numero_recibo", "77"}, {"codref", "CODREF-NUEVO"},
    };
    const struct { const char* columna; const char* valor; } fijas[] = {
        {"direccion", "OTRA"}, {"arrendador", "OTRO"}, {"fecha_facturacion", "2030-01-01 00:00:00"},
        {"fecha_cobro", "2030-02-02 00:00:00"}, {"estado", "4"}, {"refcatastral", "RC"},
        {"direccioninquilino", "OTRO DOMICILIO"}, {"nota_recibo", "OTRA NOTA"},
    };
    QMap<QString, QString> antes;
    for (const auto& c : fijas)
        antes[QLatin1String(c.columna)] = Columna(c.columna, "A");
    for (const auto& c : editables)
        Statement(db, QStringLiteral("UPDATE emision_recibo SET %1 = ?1").arg(QLatin1String(c.columna)))
            .bind(1, QString::fromUtf8(c.valor)).run();
    for (const auto& c : fijas)
        Statement(db, QStringLiteral("UPDATE emision_recibo SET %1 = ?1").arg(QLatin1String(c.columna)))
            .bind(1, QString::fromUtf8(c.valor)).run();

    EscribirEmisionEnRecibo(db);
    for (const auto& c : editables) {
        SCOPED_TRACE(c.columna);
        EXPECT_EQ(Columna(c.columna, "A"), QString::fromUtf8(c.valor));
    }
    for (const auto& c : fijas) {
        SCOPED_TRACE(c.columna);
        EXPECT_EQ(Columna(c.columna, "A"), antes[QLatin1String(c.columna)]);
    }
}

TEST_F(EdicionTest, StagedEditWithoutWriteBackLeavesTheReceipt)
{
    PrepararEdicionRecibo(db, refA);
    ReciboEmision r = LeerReciboEmision(db, refA);
    r.importes.renta = Moneda::DeCentimos(1);
    GuardarReciboEmision(db, r);     // "Salir" never runs the write-back
    EXPECT_EQ(Columna("renta", "A"), QString::number(50000 * 100));
    EXPECT_THROW(PrepararEdicionRecibo(db, 424242), UserError);
}

TEST(NormalizarReciboEmision, RoundsToCentsAndMarksWrongCheckDigits)
{
    const struct { const char* dc; const char* ccc; const char* esperado; } cases[] = {
        {"45", "0200051332", "45"},     // right
        {"46", "0200051332", "**"},     // wrong
        {"99", "", "99"},               // no account number: not checked
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dc);
        ReciboEmision r;
        r.banco = QStringLiteral("2100");
        r.sucursal = QStringLiteral("0418");
        r.dc = QString::fromLatin1(c.dc);
        r.ccc = QString::fromLatin1(c.ccc);
        r.importes.renta = Moneda::DeDiezmilesimas(123'455);
        r.importes.irpf = Moneda::DeDiezmilesimas(-19'950);
        NormalizarReciboEmision(r);
        EXPECT_EQ(r.dc, QString::fromLatin1(c.esperado));
        EXPECT_EQ(r.importes.renta, Moneda::DeDiezmilesimas(123'500));
        EXPECT_EQ(r.importes.irpf, Moneda::DeDiezmilesimas(-20'000));
    }
}
