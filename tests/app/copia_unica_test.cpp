#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include "app/copia_unica.h"
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

TEST(CopiaUnica, SecondProgramExitsWithoutWindow)
{
    TempWorkspace tw;
    const QString rentiva = QFileInfo(QStringLiteral(RENTIVA_CLI_PATH)).dir().filePath("rentiva");
    if (!QFileInfo::exists(rentiva))
        GTEST_SKIP() << "rentiva not built";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", tw.dir());
    env.insert("RENTIVA_SETTINGS", tw.settingsPath());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess primera;
    primera.setProcessEnvironment(env);
    primera.setWorkingDirectory(tw.dir());
    primera.start(rentiva, {});
    ASSERT_TRUE(primera.waitForStarted());
    // Wait for the first copy to hold its lock.
    for (int i = 0; i < 100 && !QFileInfo::exists(tw.file("rentiva.lock")); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(tw.file("rentiva.lock")));
    QProcess segunda;
    segunda.setProcessEnvironment(env);
    segunda.setWorkingDirectory(tw.dir());
    segunda.start(rentiva, {});
    EXPECT_TRUE(segunda.waitForFinished(10000));   // ends by itself, no window waits
    EXPECT_EQ(segunda.exitCode(), 0);
    EXPECT_EQ(primera.state(), QProcess::Running);
    primera.kill();
    primera.waitForFinished();
}
