#include "temp_workspace.h"

#include <QProcess>

#include "data/database.h"
#include "data/workspace.h"

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

QString DemoFacturada(const QString& ruta, int inmuebles)
{
    if (RunCli({QStringLiteral("demo"), ruta, QStringLiteral("--inmuebles"), QString::number(inmuebles)}) != 0
        || RunCli({QStringLiteral("facturar"), ruta, QStringLiteral("2024-01")}) != 0)
        return QString();
    Database db = AbrirWorkspace(ruta);
    Statement st(db, "SELECT arrendador FROM recibo WHERE is_recibo_banco <> 0 GROUP BY arrendador"
                     " ORDER BY COUNT(*) DESC LIMIT 1");
    return st.next() ? st.text(0) : QString();
}
