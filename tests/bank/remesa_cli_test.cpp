#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

#include "util/formato.h"
#include "bank/remesa.h"
#include "bank_fixture.h"
#include "data/workspace.h"
#include "data/database.h"
#include "settings/ajustes.h"
#include "temp_workspace.h"

namespace {

// A demo workspace billed for March 2024; `propietario` is an owner with direct-debit receipts.
class RemesaCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = ws.file(QStringLiteral("demo.rtv"));
        ASSERT_EQ(RunCli({"demo", ruta}), 0);
        ASSERT_EQ(RunCli({"facturar", ruta, "2024-03"}), 0);
        Database db = AbrirWorkspace(ruta);
        Statement st(db, "SELECT arrendador, COUNT(*) FROM recibo WHERE is_recibo_banco <> 0"
                         " GROUP BY arrendador ORDER BY COUNT(*) DESC, arrendador");
        ASSERT_TRUE(st.next());
        propietario = st.text(0);
        recibos = int(st.integer(1));
        ASSERT_GE(recibos, 3);
    }

    void Sql(const QString& sql, const QString& valor = QString())
    {
        Database db = AbrirWorkspace(ruta);
        Statement st(db, sql);
        if (!valor.isNull())
            st.bind(1, valor);
        st.run();
    }

    QByteArray Leer(const QString& f)
    {
        QFile q(f);
        return q.open(QIODevice::ReadOnly) ? q.readAll() : QByteArray();
    }

    TempWorkspace ws;
    QString ruta, propietario;
    int recibos = 0;
};

}  // namespace

TEST_F(RemesaCli, WritesTheOwnersDebitsOfTheMonth)
{
    const QString salida = ws.file(QStringLiteral("remesa.pr1"));
    const QString listado = ws.file(QStringLiteral("listado.pdf"));
    EscribirEntero(QStringLiteral("Recibo"), QStringLiteral("iSufijo"), 7);   // the job reads it
    const QDate cargo = QDate::currentDate().addDays(5);
    QString out, err;
    ASSERT_EQ(RunCli({"remesa", ruta, propietario.toLower(), "2024-03", salida, "--cargo",
                      cargo.toString(QStringLiteral("dd/MM/yyyy")), "--listado", listado},
                     &out, &err), 0)
        << err.toStdString();
    const QList<QByteArray> reg = Registros(Leer(salida));
    ASSERT_EQ(reg.size(), 7 * recibos + 4);
    EXPECT_EQ(Campo(reg[1], 23, 6), cargo.toString(QStringLiteral("ddMMyy")));
    EXPECT_EQ(Campo(reg[1], 29, 40).trimmed(), propietario);
    EXPECT_EQ(Campo(reg[1], 14, 3), "007");

    Database db = AbrirWorkspace(ruta);
    Statement st(db, "SELECT SUM(renta+iva+irpf+otro_importe1+otro_importe2+otro_importe3) FROM recibo"
                     " WHERE arrendador = ?1 AND is_recibo_banco <> 0");
    st.bind(1, propietario);
    ASSERT_TRUE(st.next());
    const Moneda total = st.money(0);
    EXPECT_EQ(out, QStringLiteral("%1\n%2\n").arg(recibos).arg(MonedaATexto(total)));
    EXPECT_EQ(Campo(reg.last(), 89, 10).toLongLong(), total.Diezmilesimas() / 100);
    EXPECT_TRUE(QFile::exists(listado));
    // Writing the file changes no receipt.
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE estado <> 0")), 0);
}

TEST_F(RemesaCli, OnlyTheAskedMonthIsDebitedWhenTheNextOneIsBilledToo)
{
    ASSERT_EQ(RunCli({"facturar", ruta, "2024-04"}), 0);
    Database db = AbrirWorkspace(ruta);
    const std::vector<ReciboBanco> marzo = RecibosBancoDelMes(db, propietario, QDate(2024, 3, 1));
    ASSERT_EQ(int(marzo.size()), recibos);
    for (const ReciboBanco& r : marzo)
        EXPECT_EQ(r.fecha_facturacion, QDate(2024, 3, 1));
    const std::vector<ReciboBanco> abril = RecibosBancoDelMes(db, propietario, QDate(2024, 4, 1));
    ASSERT_EQ(int(abril.size()), recibos);
    EXPECT_EQ(abril.front().fecha_facturacion, QDate(2024, 4, 1));

    QString out;
    ASSERT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", ws.file(QStringLiteral("r.pr1"))}, &out), 0);
    EXPECT_TRUE(out.startsWith(QString::number(recibos) + u'\n'));
}

TEST_F(RemesaCli, ReceiptsLeftOutAreNamedOnStandardError)
{
    Sql(QStringLiteral("UPDATE recibo SET dc = '**' WHERE ref = (SELECT MIN(ref) FROM recibo"
                       " WHERE arrendador = ?1 AND is_recibo_banco <> 0)"), propietario);
    Sql(QStringLiteral("UPDATE recibo SET renta = 0, iva = 0, irpf = 0, otro_importe1 = 0,"
                       " otro_importe2 = 0, otro_importe3 = 0 WHERE ref = (SELECT MAX(ref) FROM recibo"
                       " WHERE arrendador = ?1 AND is_recibo_banco <> 0)"), propietario);
    const QString salida = ws.file(QStringLiteral("remesa.pr1"));
    QString out, err;
    ASSERT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", salida}, &out, &err), 0);
    EXPECT_EQ(err.count(QStringLiteral("Excluido: Recibo ")), 2) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("**")));
    EXPECT_TRUE(err.contains(QStringLiteral("el total es cero")));
    EXPECT_TRUE(out.startsWith(QString::number(recibos - 2) + u'\n'));
    EXPECT_EQ(Registros(Leer(salida)).size(), 7 * (recibos - 2) + 4);
}

TEST_F(RemesaCli, RefusalsWriteNoFile)
{
    const QString salida = ws.file(QStringLiteral("remesa.pr1"));
    const struct { const char* caso; QStringList args; int rc; const char* mensaje; } casos[] = {
        {"propietario", {"remesa", ruta, "NADIE", "2024-03", salida}, 1,
         "propietario erroneo no encontrado = NADIE"},
        {"mes sin recibos", {"remesa", ruta, propietario, "2024-04", salida}, 1,
         "Para este mes y propietario no existen recibos o facturas emitidas"},
        {"mes mal escrito", {"remesa", ruta, propietario, "03/2024", salida}, 2, "AAAA-MM"},
        {"cargo mal escrito", {"remesa", ruta, propietario, "2024-03", salida, "--cargo", "2024-03-05"},
         2, "DD/MM/AAAA"},
        {"cargo antes de hoy", {"remesa", ruta, propietario, "2024-03", salida, "--cargo",
                                QDate::currentDate().addDays(-1).toString(QStringLiteral("dd/MM/yyyy"))},
         2, "anterior a la de emisión"},
        // The two files go together: a listing that cannot be written stops the bank file too.
        {"listado imposible", {"remesa", ruta, propietario, "2024-03", salida, "--listado",
                               ws.file(QStringLiteral("no/existe.pdf"))},
         1, "No existe la carpeta"},
        {"listado = fichero", {"remesa", ruta, propietario, "2024-03", salida, "--listado",
                               ws.file(QStringLiteral("./remesa.pr1"))},
         1, "son el mismo archivo"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QString err;
        EXPECT_EQ(RunCli(c.args, nullptr, &err), c.rc);
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.mensaje))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(salida));
    }

    // The owner's own account is checked before anything is written.
    Sql(QStringLiteral("UPDATE propietario SET dc = '**' WHERE nombre = ?1"), propietario);
    QString err;
    EXPECT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", salida}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("cuenta de abono"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(salida));

    // Nothing left to debit: refused, each receipt named.
    Sql(QStringLiteral("UPDATE propietario SET dc = ?1"), QString::fromLatin1(kCuentaPropietario.dc));
    Sql(QStringLiteral("UPDATE propietario SET banco = '2080', sucursal = '8802', ccc = '3071876575'"));
    Sql(QStringLiteral("UPDATE recibo SET ccc = ''"));
    EXPECT_EQ(RunCli({"remesa", ruta, propietario, "2024-03", salida}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("No hay domiciliaciones bancarias válidas")));
    EXPECT_EQ(err.count(QStringLiteral("incompleta")), recibos) << err.toStdString();
    EXPECT_FALSE(QFile::exists(salida));
}
