#pragma once
#include <QString>
#include <memory>

class QLockFile;

// One running copy per user: a lock file in the user's runtime folder. Another user of the
// same machine has another folder and is not blocked. A stale lock (crashed copy) is taken over.
class CopiaUnica {
public:
    explicit CopiaUnica(const QString& carpeta = QString());   // empty: the runtime folder
    ~CopiaUnica();
    // True when this process holds the lock; false when another copy runs.
    bool Adquirir();
    QString Ruta() const { return m_ruta; }
private:
    QString m_ruta;
    std::unique_ptr<QLockFile> m_lock;
};
