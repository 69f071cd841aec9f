#include "app/copia_unica.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString NombreSocket(const QString& rutaLock)
{
    return rutaLock.chopped(5) + QStringLiteral(".socket");   // beside "rentiva.lock"
}

}  // namespace

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

void CopiaUnica::Escuchar(const std::function<void(const QString&)>& recibido)
{
    const QString nombre = NombreSocket(m_ruta);
    m_servidor = std::make_unique<QLocalServer>();
    m_servidor->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left there belongs to a copy that died.
    QLocalServer::removeServer(nombre);
    if (!m_servidor->listen(nombre))
        return;
    QLocalServer* servidor = m_servidor.get();
    QObject::connect(servidor, &QLocalServer::newConnection, servidor, [servidor, recibido] {
        while (QLocalSocket* s = servidor->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QLocalSocket::readyRead, s, [s, recibido] {
                if (!s->canReadLine())
                    return;
                const QString ruta = QFile::decodeName(QByteArray::fromPercentEncoding(s->readLine().chopped(1)));
                s->write("ok\n");
                s->flush();
                recibido(ruta);
            });
        }
    });
}

bool CopiaUnica::Entregar(const QString& ruta, int msEspera)
{
    QLocalSocket s;
    s.connectToServer(NombreSocket(m_ruta));
    if (!s.waitForConnected(msEspera))
        return false;
    // Percent-encoded file-name bytes: a name may hold a line break or bytes that are not UTF-8.
    s.write(QFile::encodeName(ruta).toPercentEncoding() + '\n');
    if (!s.waitForBytesWritten(msEspera))
        return false;
    while (!s.canReadLine())
        if (!s.waitForReadyRead(msEspera))
            return false;
    return s.readLine() == "ok\n";
}
