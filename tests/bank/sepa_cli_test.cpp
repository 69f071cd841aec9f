#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"
#include "sepa_fixture.h"
#include "temp_workspace.h"
#include "util/iban.h"

namespace {

class SepaCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = ws.file(QStringLiteral("sepa.rtv"));
        CrearWorkspaceSepa(ruta);
    }

    static void Sql(Database& db, const char* sql) { db.exec(QString::fromUtf8(sql)); }
    void Sql(const char* sql)
    {
        Database db = AbrirWorkspace(ruta);
        Sql(db, sql);
    }

    int Sepa(const char* mes, const QString& salida, bool marcar, QString* out = nullptr, QString* err = nullptr)
    {
        QStringList args{"sepa", ruta, "muñoz lópez elena", mes, salida, "--cargo", cargo};
        if (marcar)
            args << "--marcar";
        return RunCli(args, out, err);
    }

    TempWorkspace ws;
    QString ruta;
    const QString cargo = QDate::currentDate().addDays(7).toString(QStringLiteral("dd/MM/yyyy"));
};

}  // namespace

TEST_F(SepaCli, FirstThenRecurrentFinalOneOffAndAmendmentsOverTwoMonths)
{
    const QString marzo = ws.file(QStringLiteral("marzo.xml"));
    QString out, err;
    ASSERT_EQ(Sepa("2024-03", marzo, true, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("4\n2.270,00\n"));
    EXPECT_EQ(ErroresEsquema(marzo), QString());
    SepaLeido s = LeerSepa(LeerArchivo(marzo));
    EXPECT_EQ(s.nbOfTxs, QStringLiteral("4"));
    EXPECT_EQ(s.ctrlSum, QStringLiteral("2270.00"));
    for (const char* ref : {"1", "3", "4"})
        EXPECT_EQ(s.Tipo(QLatin1String(ref)), QStringLiteral("FRST")) << ref;
    EXPECT_EQ(s.Tipo(QStringLiteral("2")), QStringLiteral("OOFF"));
    {
        Database db = AbrirWorkspace(ruta);
        Statement st(db, "SELECT COUNT(*) FROM recibo WHERE estado = 2 AND sepa_secuencia <> ''"
                         " AND substr(fecha_facturacion, 1, 7) = '2024-03' AND fecha_cobro IS NOT NULL");
        ASSERT_TRUE(st.next());
        EXPECT_EQ(st.integer(0), 4);
    }
    // Written again, the month's file keeps its types: its own receipts do not count as earlier.
    const QString otraVez = ws.file(QStringLiteral("marzo2.xml"));
    ASSERT_EQ(Sepa("2024-03", otraVez, false), 0);
    const SepaLeido t = LeerSepa(LeerArchivo(otraVez));
    for (const char* ref : {"1", "2", "3", "4"})
        EXPECT_EQ(t.Tipo(QLatin1String(ref)), s.Tipo(QLatin1String(ref))) << ref;
    EXPECT_NE(t.msgId, s.msgId);

    // April: the one-off mandate is spent, and nothing is written while it is in the file.
    const QString abril = ws.file(QStringLiteral("abril.xml"));
    ASSERT_EQ(Sepa("2024-04", abril, true, &out, &err), 1);
    EXPECT_FALSE(QFile::exists(abril));
    EXPECT_TRUE(err.contains(QStringLiteral("Recibo 6 (MAYOR 2, BENITO): el mandato M-2 quedó cerrado por un cobro OOFF"))) << err.toStdString();
    Sql("UPDATE recibo SET is_recibo_banco = 0 WHERE ref = 6;"
        "UPDATE inmueble SET mandato_ultimo = 1 WHERE direccion = 'MAYOR 3';"
        // A's new account is at the same bank, D's moved to a Spanish bank.
        "UPDATE recibo SET iban = 'ES2121000418410200051333' WHERE ref = 5;"
        "UPDATE recibo SET iban = 'ES9121000418450200051332', bic = '' WHERE ref = 8;");
    ASSERT_EQ(Sepa("2024-04", abril, true, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(ErroresEsquema(abril), QString());
    s = LeerSepa(LeerArchivo(abril));
    EXPECT_EQ(s.Tipo(QStringLiteral("5")), QStringLiteral("RCUR"));
    EXPECT_EQ(s.Tipo(QStringLiteral("7")), QStringLiteral("FNAL"));
    EXPECT_EQ(s.Tipo(QStringLiteral("8")), QStringLiteral("RCUR"));
    ASSERT_EQ(s.grupos[0].seqTp, QStringLiteral("RCUR"));
    EXPECT_EQ(s.grupos[0].amendments, QStringList({"ES9121000418450200051332", "SMNDA"}));
    EXPECT_EQ(s.grupos[1].amendments, QStringList{QString()});

    // May: the final collection closed C's mandate.
    {
        Database db = AbrirWorkspace(ruta);
        Facturacion(db).FacturarMes(QDate(2024, 5, 1), QString());
    }
    ASSERT_EQ(Sepa("2024-05", ws.file(QStringLiteral("mayo.xml")), false, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("cerrado por un cobro FNAL"))) << err.toStdString();
}

TEST_F(SepaCli, NoFileWhenOneReceiptCannotBeDebited)
{
    const struct { const char* caso; const char* sql; const char* motivo; } casos[] = {
        {"sin mandato", "UPDATE recibo SET mandato_ref = '' WHERE ref = 3", "Recibo 3 (MAYOR 3, CARLOS): no tiene referencia de mandato"},
        {"IBAN erróneo", "UPDATE recibo SET iban = 'ES6000491500051234567893' WHERE ref = 3", "Recibo 3 (MAYOR 3, CARLOS): los dígitos de control del IBAN"},
        {"total cero", "UPDATE recibo SET renta = 0 WHERE ref = 3", "Recibo 3 (MAYOR 3, CARLOS): el total es cero"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Sql("UPDATE recibo SET mandato_ref = 'M-3', iban = 'ES6000491500051234567892', renta = 5000000 WHERE ref = 3");
        Sql(c.sql);
        const QString salida = ws.file(QStringLiteral("no.xml"));
        QString out, err;
        EXPECT_EQ(Sepa("2024-03", salida, true, &out, &err), 1);
        EXPECT_TRUE(out.isEmpty());
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.motivo))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(salida));
        Database db = AbrirWorkspace(ruta);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE estado = 2")), 0);
    }
}
