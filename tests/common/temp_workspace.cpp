#include "temp_workspace.h"

#include <QProcess>

TempWorkspace::TempWorkspace()
    : m_oldSettings(qgetenv("RENTIVA_SETTINGS")), m_hadSettings(qEnvironmentVariableIsSet("RENTIVA_SETTINGS"))
{
    qputenv("RENTIVA_SETTINGS", settingsPath().toUtf8());
}

TempWorkspace::~TempWorkspace()
{
    if (m_hadSettings)
        qputenv("RENTIVA_SETTINGS", m_oldSettings);
    else
        qunsetenv("RENTIVA_SETTINGS");
}

int RunCli(const QStringList& args, QString* out, QString* err)
{
    QProcess p;
    p.start(QStringLiteral(RENTIVA_CLI_PATH), args);
    p.waitForFinished(120000);
    if (out)
        *out = QString::fromUtf8(p.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
