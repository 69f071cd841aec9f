#include <QFile>

#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"
#include <gtest/gtest.h>

namespace {

class ReportsCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = ws.file(QStringLiteral("demo.rtv"));
        ASSERT_EQ(RunCli({"demo", ruta}), 0);
        ASSERT_EQ(RunCli({"facturar", ruta, "2024-03"}), 0);
        Database db = AbrirWorkspace(ruta);
        recibos = QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo"));
    }
    TempWorkspace ws;
    QString ruta;
    qint64 recibos = 0;
};

QByteArray Leer(const QString& f)
{
    QFile q(f);
    return q.open(QIODevice::ReadOnly) ? q.readAll() : QByteArray();
}

}  // namespace

TEST_F(ReportsCli, InformeWritesTheListingOrAView)
{
    QString out, err;
    const QString pdf = ws.file(QStringLiteral("l.pdf"));
    ASSERT_EQ(RunCli({"informe", ruta, "2024-03", pdf}, &out, &err), 0) << err.toStdString();
    const QStringList lineas = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 2);
    EXPECT_EQ(lineas[0].toLongLong(), recibos);
    EXPECT_TRUE(Leer(pdf).startsWith("%PDF"));

    const QString txt = ws.file(QStringLiteral("l.txt"));
    ASSERT_EQ(RunCli({"informe", ruta, "2024-03", txt, "--vista", "listado"}, &out), 0);
    EXPECT_EQ(out.split(u'\n', Qt::SkipEmptyParts), lineas);
    const QStringList texto = QString::fromUtf8(Leer(txt)).split(u'\n');
    EXPECT_TRUE(texto[0].startsWith(QStringLiteral("INFORME FACTURACIÓN - 1 de MARZO del 2024")));
    EXPECT_TRUE(texto[2].startsWith(QStringLiteral("FECHA")));
    EXPECT_TRUE(texto[texto.size() - 2].startsWith(QStringLiteral("Total ")));
    EXPECT_TRUE(texto[texto.size() - 2].endsWith(lineas[1]));

    ASSERT_EQ(RunCli({"informe", ruta, "2024-03", txt, "--vista", "inquilino"}, &out), 0);
    EXPECT_EQ(out.split(u'\n', Qt::SkipEmptyParts), lineas);
    EXPECT_TRUE(QString::fromUtf8(Leer(txt)).contains(QStringLiteral(" TOTAL")));
}

TEST_F(ReportsCli, RefusalsWriteNothing)
{
    QString out, err;
    const QString pdf = ws.file(QStringLiteral("nada.pdf"));
    EXPECT_EQ(RunCli({"informe", ruta, "2023-03", pdf}, &out, &err), 1);
    EXPECT_EQ(err.trimmed(), QStringLiteral("No hay recibos para este periodo de tiempo"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(RunCli({"informe", ruta, "2024-03", pdf, "--vista", "resumen"}, &out, &err), 2);
    EXPECT_EQ(RunCli({"informe", ruta, "2024-3", pdf}, &out, &err), 2);
    // The workspace is never the output.
    const QByteArray antes = Leer(ruta);
    EXPECT_EQ(RunCli({"exportar", ruta, "2024-03", ruta}, &out, &err), 1);
    EXPECT_EQ(Leer(ruta), antes);
}

TEST_F(ReportsCli, ExportarWritesCodePage1252OrUtf8OnRequest)
{
    QString out, err;
    const QString csv = ws.file(QStringLiteral("f.csv"));
    ASSERT_EQ(RunCli({"exportar", ruta, "2024-03", csv}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out.split(u'\n', Qt::SkipEmptyParts)[0].toLongLong(), recibos);
    EXPECT_EQ(Leer(csv).count('\n'), recibos + 1);
    ASSERT_EQ(RunCli({"exportar", ruta, "2025-01", csv}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("0\n0,00\n"));
    EXPECT_EQ(Leer(csv).count('\n'), 1);   // the header alone

    {
        Database db = AbrirWorkspace(ruta);
        Statement(db, "UPDATE recibo SET notas = 'pago ✓' WHERE ref = (SELECT MIN(ref) FROM recibo)").run();
    }
    EXPECT_EQ(RunCli({"exportar", ruta, "2024-03", csv}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("\"Notas\""))) << err.toStdString();
    EXPECT_EQ(Leer(csv).count('\n'), 1);   // the earlier file stands
    ASSERT_EQ(RunCli({"exportar", ruta, "2024-03", csv, "--utf8"}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(Leer(csv).contains("pago \xE2\x9C\x93"));
}
