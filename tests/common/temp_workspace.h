#pragma once
#include <QString>
#include <QTemporaryDir>

// A temporary folder with a workspace path and its own settings file, so that
// tests never touch the user's files. The settings variable is restored on exit.
class TempWorkspace {
public:
    TempWorkspace();
    ~TempWorkspace();
    QString dir() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString workspacePath() const { return file(QStringLiteral("prueba.rtv")); }
    QString settingsPath() const { return file(QStringLiteral("rentiva.conf")); }
private:
    QTemporaryDir m_dir;
    QByteArray m_oldSettings;
    bool m_hadSettings;
};

// Runs rentiva-cli with the given arguments; returns the exit code and fills stdout/stderr.
int RunCli(const QStringList& args, QString* out = nullptr, QString* err = nullptr);

// A demo workspace at ruta with `inmuebles` properties, billed for January 2024. Returns the
// owner with the most receipts charged to the bank (empty on failure).
QString DemoFacturada(const QString& ruta, int inmuebles);
