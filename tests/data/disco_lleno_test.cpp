// A disk that fills up while the program writes (root only: a small tmpfs).
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "caidas_fixture.h"
#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"

using namespace caidas;

namespace {

class DiscoLleno : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!EsRoot())
            GTEST_SKIP() << "montar un disco pequeño necesita root";
        ruta = ws.file(QStringLiteral("F.rtv"));
        propietario = DemoFacturada(ruta, 30);
        ASSERT_FALSE(propietario.isEmpty());
        lleno = ws.file(QStringLiteral("lleno"));
        ASSERT_TRUE(QDir().mkpath(lleno));
        disco = std::make_unique<DiscoPequeno>(lleno, "2m");
        if (!disco->Montado())
            GTEST_SKIP() << "no se puede montar tmpfs";
    }

    // Each write into the full disk: exit 1, the cause in Spanish, the old file as it was
    // and no part file beside it.
    void FallaSinTocar(const QStringList& orden, const QString& destino, const char* dice)
    {
        const QByteArray antes = LeerBytes(destino);
        QString out, err;
        EXPECT_EQ(RunCli(orden, &out, &err), 1) << orden.join(u' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(dice)) && err.contains(destino)) << err.toStdString();
        EXPECT_FALSE(err.contains(QStringLiteral("no es una copia")));
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_EQ(LeerBytes(destino), antes);
        EXPECT_EQ(QDir(lleno).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".rentiva-")), QStringList());
    }

    TempWorkspace ws;
    QString ruta, propietario, lleno;
    std::unique_ptr<DiscoPequeno> disco;
};

}  // namespace

TEST_F(DiscoLleno, NothingReportsSuccessAndEveryOldFileIsKept)
{
    const QString pdf = lleno + QStringLiteral("/recibos.pdf");
    const QString respaldo = lleno + QStringLiteral("/respaldo.rtv");
    ASSERT_EQ(RunCli({"recibos-pdf", ruta, "2024-01", pdf}), 0);
    ASSERT_EQ(RunCli({"copia", ruta, respaldo}), 0);
    ASSERT_EQ(RunCli({"facturar", ruta, "2024-02"}), 0);   // the workspace moves on
    disco->Llenar();

    FallaSinTocar({"recibos-pdf", ruta, "2024-02", pdf}, pdf, "No queda espacio");
    FallaSinTocar({"remesa", ruta, propietario, "2024-01", lleno + QStringLiteral("/remesa.pr1")},
                  lleno + QStringLiteral("/remesa.pr1"), "No queda espacio");
    FallaSinTocar({"copia", ruta, respaldo}, respaldo, "lleno");
    FallaSinTocar({"restaurar", ruta, respaldo}, respaldo, "lleno");

    // The bank file and its listing go together: no bank file when the listing cannot be written.
    const QString banco = ws.file(QStringLiteral("remesa.pr1"));
    FallaSinTocar({"remesa", ruta, propietario, "2024-01", banco, "--listado", lleno + QStringLiteral("/listado.pdf")},
                  lleno + QStringLiteral("/listado.pdf"), "No queda espacio");
    EXPECT_FALSE(QFile::exists(banco));
}
