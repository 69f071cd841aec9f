#include "data/archivo_atomico.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/mensajes_error.h"
#include "util/errores.h"

namespace {

const QString kMarca = QStringLiteral(".rentiva-");

QString PrefijoTemporal(const QFileInfo& fi)
{
    return u'.' + fi.fileName() + kMarca;
}

QByteArray Nativo(const QString& ruta)
{
    return QFile::encodeName(ruta);
}

bool SincronizarRuta(const QString& ruta)
{
    const int fd = ::open(Nativo(ruta).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The folder entry of a rename survives a crash only once the folder is synced.
void SincronizarCarpeta(const QString& ruta)
{
    SincronizarRuta(QFileInfo(ruta).absolutePath());
}

}  // namespace

QString RutaTemporal(const QString& ruta)
{
    const QFileInfo fi(ruta);
    return fi.absolutePath() + u'/' + PrefijoTemporal(fi) + QString::number(::getpid())
        + QStringLiteral(".tmp");
}

void BorrarTemporalesHuerfanos(const QString& ruta)
{
    const QFileInfo fi(ruta);
    const QString prefijo = PrefijoTemporal(fi);
    const QDir carpeta = fi.absoluteDir();
    const QStringList nombres = carpeta.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : nombres) {
        if (!n.startsWith(prefijo))
            continue;
        // ".NOMBRE.rentiva-PID.tmp" and SQLite's "-journal" beside it.
        const QString resto = n.mid(prefijo.size());
        bool ok = false;
        const qint64 pid = resto.left(resto.indexOf(u'.')).toLongLong(&ok);
        if (!ok || pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(pid_t(pid), 0) == -1 && errno == ESRCH)
            QFile::remove(carpeta.filePath(n));
    }
}

namespace {

// Syncs temporal and gives it the name ruta: rename() replaces what is there, link() never
// does (a name taken meanwhile is refused). On failure temporal is removed.
void Publicar(const QString& temporal, const QString& ruta, bool reemplazar)
{
    int error = 0;
    if (!SincronizarRuta(temporal))
        error = errno ? errno : EIO;
    else if ((reemplazar ? ::rename(Nativo(temporal).constData(), Nativo(ruta).constData())
                         : ::link(Nativo(temporal).constData(), Nativo(ruta).constData())) != 0)
        error = errno;
    if (error || !reemplazar) {
        QFile::remove(temporal);
        QFile::remove(temporal + QStringLiteral("-journal"));
    }
    if (error == EEXIST && !reemplazar)
        throw UserError(QStringLiteral("El archivo %1 ya existe; elija otro nombre.").arg(ruta));
    if (error)
        throw UserError(MensajeErrorArchivo(error, ruta, AccionArchivo::Escribir));
    SincronizarCarpeta(ruta);
}

}  // namespace

void PublicarTemporal(const QString& temporal, const QString& ruta)
{
    Publicar(temporal, ruta, true);
}

void PublicarNuevo(const QString& temporal, const QString& ruta)
{
    Publicar(temporal, ruta, false);
}

ArchivoAtomico::ArchivoAtomico(const QString& ruta) : m_ruta(ruta)
{
    if (ruta.trimmed().isEmpty())
        throw UserError(QStringLiteral("Indique el nombre del archivo de salida."));
    BorrarTemporalesHuerfanos(ruta);
    m_temporal = RutaTemporal(ruta);
    m_fd = ::open(Nativo(m_temporal).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0)
        throw UserError(MensajeErrorArchivo(errno, ruta, AccionArchivo::Escribir));
    // A replaced file keeps its permissions.
    struct stat st {};
    if (::stat(Nativo(ruta).constData(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(m_fd, st.st_mode & 07777);
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

ArchivoAtomico::~ArchivoAtomico()
{
    if (!m_publicado)
        Descartar();
}

void ArchivoAtomico::Descartar()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporal.isEmpty())
        ::unlink(Nativo(m_temporal).constData());
    m_temporal.clear();
}

void ArchivoAtomico::Fallar(int errnum)
{
    Descartar();
    QIODevice::close();
    throw UserError(MensajeErrorArchivo(errnum, m_ruta, AccionArchivo::Escribir));
}

qint64 ArchivoAtomico::writeData(const char* datos, qint64 largo)
{
    if (m_error || m_fd < 0)
        return -1;
    qint64 hecho = 0;
    while (hecho < largo) {
        const ssize_t n = ::write(m_fd, datos + hecho, size_t(largo - hecho));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // Kept: writers such as the PDF engine do not look at what write returns.
            m_error = n < 0 ? errno : ENOSPC;
            return -1;
        }
        hecho += n;
    }
    return hecho;
}

void ArchivoAtomico::Terminar()
{
    if (m_terminado)
        return;
    if (m_fd < 0)
        Fallar(m_error ? m_error : EBADF);
    if (m_error)
        Fallar(m_error);
    if (::fsync(m_fd) != 0)
        Fallar(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        Fallar(errno);
    QIODevice::close();
    m_terminado = true;
}

void ArchivoAtomico::Publicar()
{
    Terminar();
    if (::rename(Nativo(m_temporal).constData(), Nativo(m_ruta).constData()) != 0)
        Fallar(errno);
    m_publicado = true;
    SincronizarCarpeta(m_ruta);
}

void ArchivoAtomico::PublicarJuntos(std::initializer_list<ArchivoAtomico*> archivos)
{
    for (ArchivoAtomico* a : archivos)
        a->Terminar();
    for (ArchivoAtomico* a : archivos)
        a->Publicar();
}

void EscribirArchivoAtomico(const QString& ruta, const QByteArray& contenido)
{
    ArchivoAtomico f(ruta);
    f.write(contenido);
    f.Publicar();
}
