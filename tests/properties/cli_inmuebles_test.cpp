// rentiva-cli buscar, ordenar, inmuebles, listado and ficha: outputs and exit codes.
#include <gtest/gtest.h>

#include <QFile>

#include "props_fixture.h"
#include "texto_pdf.h"

namespace {

class CliInmuebles : public PropsTest {
protected:
    void SetUp() override
    {
        PropsTest::SetUp();
        CrearPropietario("ANA");
        CrearPropietario("BEA");
        m_sol = CrearInmueble("ANA", "SOL", "1").ref;
        m_luna = CrearInmueble("BEA", "LUNA", "2").ref;
        m_db.exec("UPDATE inmueble SET nom_arrendatario = 'LUIS PEÑA', fecha = '2020-03-01 00:00:00',"
                  " irpf = -1000000 WHERE direccion = 'SOL';"
                  "UPDATE inmueble SET fecha = '2021-07-01 00:00:00', is_recibo_banco = 0 WHERE direccion = 'LUNA'");
        m_db.close();
    }
    int Cli(const QStringList& args)
    {
        m_out.clear();
        m_err.clear();
        return RunCli(args, &m_out, &m_err);
    }
    QString Ws() const { return m_ws.workspacePath(); }
    qint64 m_sol = 0, m_luna = 0;
    QString m_out, m_err;
};

TEST_F(CliInmuebles, BuscarPrintsTabSeparatedMatchesOrFailsWithTheMessage)
{
    ASSERT_EQ(Cli({"buscar", Ws(), "peña"}), 0) << m_err.toStdString();
    EXPECT_EQ(m_out, QStringLiteral("%1\tSOL\t1\tLUIS PEÑA\tANA\n").arg(m_sol));
    ASSERT_EQ(Cli({"buscar", Ws(), "--mes", "julio"}), 0);
    EXPECT_EQ(m_out, QStringLiteral("%1\tLUNA\t2\t\tBEA\n").arg(m_luna));
    ASSERT_EQ(Cli({"buscar", Ws(), "--mes", "3"}), 0);
    EXPECT_TRUE(m_out.startsWith(QString::number(m_sol) + u'\t'));
    EXPECT_EQ(Cli({"buscar", Ws(), "x'\"%"}), 1);
    EXPECT_EQ(m_out, QString());
    EXPECT_EQ(m_err.trimmed(), QStringLiteral("No se ha encontado ningún inmueble que coincida."));
    EXPECT_EQ(Cli({"buscar", Ws(), "--mes", "13"}), 2);
    EXPECT_EQ(Cli({"buscar", Ws(), "sol", "--mes", "1"}), 2);
    EXPECT_EQ(Cli({"buscar", Ws()}), 2);
}

TEST_F(CliInmuebles, OrdenarChangesWhatInmueblesLists)
{
    ASSERT_EQ(Cli({"ordenar", Ws(), "1"}), 0) << m_err.toStdString();
    EXPECT_EQ(m_out.trimmed(), QStringLiteral("Ordenar por localidad,dirección,piso"));
    ASSERT_EQ(Cli({"inmuebles", Ws()}), 0);
    EXPECT_TRUE(m_out.startsWith(QString::number(m_luna) + QStringLiteral("\tLUNA")));
    ASSERT_EQ(Cli({"ordenar", Ws(), "6"}), 0);
    ASSERT_EQ(Cli({"inmuebles", Ws()}), 0);
    EXPECT_EQ(m_out.count(u'\n'), 2);
    EXPECT_TRUE(m_out.startsWith(QString::number(m_sol) + QStringLiteral("\tSOL")));
    for (const char* malo : {"0", "7", "x"})
        EXPECT_EQ(Cli({"ordenar", Ws(), malo}), 2) << malo;
}

TEST_F(CliInmuebles, ListadoWritesTheListingAndPrintsCountAndTotal)
{
    const QString txt = m_ws.file("listado.txt");
    ASSERT_EQ(Cli({"listado", Ws(), txt, "--texto", "--recibo", "banco:si", "--propietario", "ana"}), 0)
        << m_err.toStdString();
    EXPECT_EQ(m_out, QStringLiteral("1\n400,00\n"));
    QFile f(txt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lineas = QString::fromUtf8(f.readAll()).split(u'\n');
    EXPECT_TRUE(lineas[0].startsWith(QStringLiteral("Informe Inmuebles ")));
    EXPECT_TRUE(lineas[1].startsWith(QStringLiteral("CALLE")));
    EXPECT_TRUE(lineas[2].startsWith(QStringLiteral("SOL ")));
    EXPECT_TRUE(lineas[3].startsWith(QStringLiteral("TOTAL")));
    EXPECT_EQ(lineas[5], QStringLiteral(" Criterio de selección:  Arrendador= ana  Se emite recibo banco= SI"));

    const QString pdf = m_ws.file("listado.pdf");
    ASSERT_EQ(Cli({"listado", Ws(), pdf, "--recibo", "banco:no"}), 0) << m_err.toStdString();
    EXPECT_EQ(m_out, QStringLiteral("1\n500,00\n"));
    EXPECT_TRUE(TextoPdf(pdf).contains(QStringLiteral("LUNA")));
    EXPECT_EQ(Cli({"listado", Ws(), pdf, "--recibo", "banco:quizá"}), 2);
    EXPECT_EQ(Cli({"listado", Ws(), pdf, "--mes", "brumario"}), 2);
}

TEST_F(CliInmuebles, FichaWritesTheCardOrRefusesAnUnknownRef)
{
    const QString pdf = m_ws.file("ficha.pdf");
    ASSERT_EQ(Cli({"ficha", Ws(), QString::number(m_sol), pdf}), 0) << m_err.toStdString();
    const QString texto = TextoPdf(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("FICHA INMUEBLE")));
    EXPECT_TRUE(texto.contains(QStringLiteral("LUIS PEÑA")));
    EXPECT_EQ(Cli({"ficha", Ws(), "999", m_ws.file("otra.pdf")}), 1);
    EXPECT_EQ(m_err.trimmed(), QStringLiteral("Inmueble no encontrado."));
    EXPECT_FALSE(QFile::exists(m_ws.file("otra.pdf")));
    EXPECT_EQ(Cli({"ficha", Ws(), "uno", pdf}), 2);
}

}  // namespace
