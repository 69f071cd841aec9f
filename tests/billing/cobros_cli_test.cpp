#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"

namespace {

// A demo workspace billed for March and April 2024.
class CobrosCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = ws.file(QStringLiteral("demo.rtv"));
        ASSERT_EQ(RunCli({"demo", ruta}), 0);
        ASSERT_EQ(RunCli({"facturar", ruta, "2024-03"}), 0);
        ASSERT_EQ(RunCli({"facturar", ruta, "2024-04"}), 0);
    }
    qint64 Valor(const char* sql)
    {
        Database db = AbrirWorkspace(ruta);
        return QueryInteger(db, QString::fromUtf8(sql));
    }
    TempWorkspace ws;
    QString ruta;
};

}  // namespace

TEST_F(CobrosCli, DeletesOnlyTheNewestRun)
{
    const qint64 abril = Valor("SELECT COUNT(*) FROM recibo WHERE fecha_facturacion >= '2024-04'");
    const qint64 contadores = Valor("SELECT SUM(numero_recibo) FROM propietario");
    QString out, err;
    EXPECT_EQ(RunCli({"eliminar-ultima", ruta, "--mes", "2024-03"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("ABRIL de 2024"))) << err.toStdString();
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM recibo WHERE fecha_facturacion >= '2024-04'"), abril);

    ASSERT_EQ(RunCli({"cobrar", ruta, QString::number(Valor("SELECT MAX(ref) FROM recibo")), "--estado", "3"}), 0);
    ASSERT_EQ(RunCli({"eliminar-ultima", ruta, "--mes", "2024-04"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("2024-04\n%1\n1\n").arg(abril));
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM recibo WHERE fecha_facturacion >= '2024-04'"), 0);
    EXPECT_GT(Valor("SELECT COUNT(*) FROM recibo"), 0);
    EXPECT_EQ(Valor("SELECT SUM(numero_recibo) FROM propietario"), contadores);
    ASSERT_EQ(RunCli({"eliminar-ultima", ruta}), 0);
    EXPECT_EQ(RunCli({"eliminar-ultima", ruta}, &out, &err), 1);
}

TEST_F(CobrosCli, CollectsAndListsPages)
{
    QString out, err;
    EXPECT_EQ(RunCli({"cobrar", ruta, "999999"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("999999")));
    ASSERT_EQ(RunCli({"cobrar", ruta, "1", "--fecha", "05/03/2024"}, &out), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral(" 01/03/24 COBRADO           05/03/24 "))) << out.toStdString();
    EXPECT_EQ(out.size(), 97);
    const QString cobrada = out.chopped(1);

    const qint64 total = Valor("SELECT COUNT(*) FROM recibo");
    ASSERT_EQ(RunCli({"recibos", ruta, "--hoy", "15/04/2024"}, &out), 0);
    const QStringList lineas = out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lineas[0], QStringLiteral("%1 recibos, página 1 de %2").arg(total - 1).arg((total - 1 + 49) / 50));
    EXPECT_EQ(lineas.size(), 1 + qMin<qint64>(50, total - 1));
    EXPECT_TRUE(lineas[1].contains(QStringLiteral("\t 01/04/24 SIN ESPECIFICAR")));

    ASSERT_EQ(RunCli({"recibos", ruta, "--hoy", "15/04/2024", "--estados", "1", "--pagina", "9"}, &out), 0);
    EXPECT_EQ(out.split(u'\n', Qt::SkipEmptyParts),
              (QStringList{"1 recibos, página 1 de 1", QStringLiteral("1\t") + cobrada}));
    ASSERT_EQ(RunCli({"recibos", ruta, "--hoy", "15/04/2024", "--propietario", "NADIE"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("0 recibos, página 1 de 1\nNo se han encontrado recibos\n"));
    EXPECT_EQ(RunCli({"recibos", ruta, "--estados", ""}, &out, &err), 2);
}

// The receipts turn "ENVIADO AL COBRO" only once their file exists; a file that cannot be
// written changes no state.
TEST_F(CobrosCli, RemittanceMarksOnlyAfterTheFileIsWritten)
{
    Database db = AbrirWorkspace(ruta);
    Statement st(db, "SELECT arrendador, COUNT(*) FROM recibo WHERE is_recibo_banco <> 0"
                     " AND fecha_facturacion < '2024-04' GROUP BY arrendador ORDER BY 2 DESC");
    ASSERT_TRUE(st.next());
    const QString propietario = st.text(0);
    db.close();
    QString out, err;
    const QString fallo = ws.file(QStringLiteral("no/existe/r.pr1"));
    EXPECT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", fallo, "--marcar"}, &out, &err), 1);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM recibo WHERE estado = 2 OR fecha_cobro IS NOT NULL"), 0);
    EXPECT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", ws.file(QStringLiteral("a.pr1"))}, &out), 0);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM recibo WHERE estado = 2"), 0);

    const QString salida = ws.file(QStringLiteral("r.pr1"));
    ASSERT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", salida, "--marcar"}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(QFile::exists(salida));
    const qint64 escritos = out.section(u'\n', 0, 0).toLongLong();
    ASSERT_GT(escritos, 0);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM recibo WHERE estado = 2"), escritos);
    // March 2024 began on a Friday: charged on the 11th.
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM recibo WHERE estado = 2 AND fecha_cobro = '2024-03-11 00:00:00'"), escritos);
}
