#include "app/copia_unica.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

CopiaUnica::CopiaUnica(const QString& carpeta)
{
    QString dir = carpeta;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_ruta = QDir(dir).filePath(QStringLiteral("rentiva.lock"));
    m_lock = std::make_unique<QLockFile>(m_ruta);
    m_lock->setStaleLockTime(0);   // only a dead owner's lock is stale
}

CopiaUnica::~CopiaUnica() = default;

bool CopiaUnica::Adquirir()
{
    // When the folder cannot be used at all, go on as if no other copy ran.
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}
