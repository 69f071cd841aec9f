#pragma once
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

// One running copy per user: a lock file in the user's runtime folder. Another user of the
// same machine has another folder and is not blocked. A stale lock (crashed copy) is taken over.
// The first copy listens on a local socket beside the lock; a later start hands it its file
// (or nothing) and ends, so that the running window opens the file and comes to the front.
class CopiaUnica {
public:
    explicit CopiaUnica(const QString& carpeta = QString());   // empty: the runtime folder
    ~CopiaUnica();
    // True when this process holds the lock; false when another copy runs.
    bool Adquirir();
    QString Ruta() const { return m_ruta; }

    // In the copy that holds the lock: calls `recibido` with each path a later start hands
    // over (empty when it was started without a file).
    void Escuchar(const std::function<void(const QString&)>& recibido);
    // In a later copy: hands `ruta` to the running one. False when it did not answer.
    bool Entregar(const QString& ruta, int msEspera = 5000);

private:
    QString m_ruta;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_servidor;
};
