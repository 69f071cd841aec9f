#include "data/copia_segura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

#include "data/database.h"
#include "util/errores.h"

namespace {

QString Temporal(const QString& target)
{
    const QFileInfo fi(target);
    return fi.absolutePath() + QStringLiteral("/.") + fi.fileName()
        + QStringLiteral(".%1.tmp").arg(::getpid());
}

bool Sincronizar(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Renames tmp over target and flushes the folder entry.
void Reemplazar(const QString& tmp, const QString& target)
{
    if (!Sincronizar(tmp) || ::rename(QFile::encodeName(tmp).constData(),
                                      QFile::encodeName(target).constData()) != 0) {
        QFile::remove(tmp);
        throw UserError(QStringLiteral("Error al guardar"));
    }
    Sincronizar(QFileInfo(target).absolutePath());
}

bool MismoArchivo(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

void CopiarBaseA(Database& db, const QString& target)
{
    if (MismoArchivo(db.path(), target) || QFileInfo(db.path()).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        throw UserError(QStringLiteral("No se puede copiar el archivo abierto sobre sí mismo. Elija otro nombre."));
    const QString tmp = Temporal(target);
    QFile::remove(tmp);
    try {
        db.backupTo(tmp);
    } catch (...) {
        QFile::remove(tmp);
        throw;
    }
    Reemplazar(tmp, target);
}

void RestaurarArchivo(const QString& origen, const QString& destino, int appId,
                      const std::function<void(const QString&)>& comprobar)
{
    const QString noValido = QStringLiteral("El archivo %1 no es una copia de Rentiva válida. "
                                            "No se ha cambiado nada.").arg(origen);
    if (!QFileInfo(origen).isFile())
        throw UserError(QStringLiteral("No existe el archivo %1.").arg(origen));
    if (MismoArchivo(origen, destino))
        throw UserError(QStringLiteral("La copia elegida es el mismo archivo abierto. Elija otro."));
    const QString tmp = Temporal(destino);
    QFile::remove(tmp);
    try {
        Database src(origen, Database::Mode::ReadOnly);
        if (src.applicationId() != appId)
            throw UserError(noValido);
        Statement st(src, "PRAGMA integrity_check");
        if (!st.next() || st.text(0) != QLatin1String("ok"))
            throw UserError(noValido);
        src.backupTo(tmp);
        src.close();
        if (comprobar)
            comprobar(tmp);
    } catch (const DbError&) {
        QFile::remove(tmp);
        QFile::remove(tmp + QStringLiteral("-journal"));
        throw UserError(noValido);
    } catch (...) {
        QFile::remove(tmp);
        QFile::remove(tmp + QStringLiteral("-journal"));
        throw;
    }
    Reemplazar(tmp, destino);
}

QString NombreLibre(const QString& carpeta)
{
    const QDir dir(carpeta);
    QString path = dir.filePath(QStringLiteral("rentiva.rtv"));
    for (int i = 0; QFileInfo::exists(path); ++i)
        path = dir.filePath(QStringLiteral("rentiva_%1.rtv").arg(i));
    return path;
}
