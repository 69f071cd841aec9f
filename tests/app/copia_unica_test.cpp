#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include "app/copia_unica.h"
#include "settings/ajustes.h"
#include "temp_workspace.h"

TEST(CopiaUnica, SecondHolderIsRefusedUntilFirstEnds)
{
    TempWorkspace tw;
    auto primera = std::make_unique<CopiaUnica>(tw.dir());
    ASSERT_TRUE(primera->Adquirir());
    // A lock held by a live process is not stale: a second copy (another process in real
    // life, the same lock file here) cannot take it.
    CopiaUnica segunda(tw.dir());
    EXPECT_FALSE(segunda.Adquirir());
    primera.reset();
    EXPECT_TRUE(segunda.Adquirir());
}

namespace {

// The files a process holds open, as /proc shows them.
QStringList ArchivosAbiertos(qint64 pid)
{
    QStringList r;
    const QDir fd(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& f : fd.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        r << f.symLinkTarget();
    return r;
}

}  // namespace

TEST(CopiaUnica, SecondStartHandsItsFileToTheRunningCopyAndEnds)
{
    TempWorkspace tw;
    const QString rentiva = QFileInfo(QStringLiteral(RENTIVA_CLI_PATH)).dir().filePath("rentiva");
    if (!QFileInfo::exists(rentiva) || !QDir(QStringLiteral("/proc/self/fd")).exists())
        GTEST_SKIP() << "rentiva not built, or no /proc";
    const QString primero = tw.file("primero.rtv");
    const QString segundo = tw.file("segundo.rtv");
    // Demo workspaces have owners, so no first-owner form opens over the window.
    ASSERT_EQ(RunCli({"demo", primero, "--inmuebles", "2"}), 0);
    ASSERT_EQ(RunCli({"demo", segundo, "--inmuebles", "2"}), 0);
    EscribirEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 1);   // no welcome window

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", tw.dir());
    env.insert("RENTIVA_SETTINGS", tw.settingsPath());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess primera;
    primera.setProcessEnvironment(env);
    primera.start(rentiva, {primero});
    ASSERT_TRUE(primera.waitForStarted());
    for (int i = 0; i < 200 && !ArchivosAbiertos(primera.processId()).contains(primero); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(ArchivosAbiertos(primera.processId()).contains(primero));

    QProcess segunda;
    segunda.setProcessEnvironment(env);
    segunda.setWorkingDirectory(tw.dir());
    segunda.start(rentiva, {"segundo.rtv"});   // a relative name reaches the first as a full path
    EXPECT_TRUE(segunda.waitForFinished(10000));
    EXPECT_EQ(segunda.exitCode(), 0);
    for (int i = 0; i < 100 && !ArchivosAbiertos(primera.processId()).contains(segundo); ++i)
        QThread::msleep(50);
    EXPECT_TRUE(ArchivosAbiertos(primera.processId()).contains(segundo));
    EXPECT_FALSE(ArchivosAbiertos(primera.processId()).contains(primero));
    EXPECT_EQ(primera.state(), QProcess::Running);
    primera.kill();
    primera.waitForFinished();
}
