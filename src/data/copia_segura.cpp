#include "data/copia_segura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>

#include "data/archivo_atomico.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "util/errores.h"

namespace {

const char* const kAuxiliares[] = {"-journal", "-wal", "-shm"};

bool HayAuxiliares(const QString& ruta)
{
    for (const char* s : kAuxiliares)
        if (QFileInfo::exists(ruta + QLatin1String(s)))
            return true;
    return false;
}

void BorrarTemporal(const QString& tmp)
{
    QFile::remove(tmp);
    QFile::remove(tmp + QStringLiteral("-journal"));
}

void RechazarEnlace(const QString& destino)
{
    const QFileInfo fi(destino);
    if (fi.isSymLink())
        throw UserError(QStringLiteral("%1 es un enlace a %2: no se sustituye a través del enlace. "
                                       "Indique directamente el archivo.")
                            .arg(destino, fi.symLinkTarget()));
}

bool Existe(const QString& ruta)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(ruta).constData(), &st) == 0;
}

// The copy to restore, opened (and recovered) once it has proved to be a sound workspace of
// ours. Only what concerns the copy itself calls it invalid; a full disk or a read-only
// folder at the target is said as such later.
Database AbrirCopia(const QString& origen, int appId)
{
    const QString noValido = QStringLiteral("El archivo %1 no es una copia de Rentiva válida. "
                                            "No se ha cambiado nada.").arg(origen);
    try {
        Database src = AbrirRecuperando(origen);
        if (src.applicationId() != appId)
            throw UserError(noValido);
        const QString problema = ProblemaIntegridad(src, true);
        if (!problema.isEmpty())
            throw UserError(QStringLiteral("La copia %1 está dañada (%2). No se ha cambiado nada; "
                                           "elija otra copia.").arg(origen, problema));
        return src;
    } catch (const DbError& e) {
        const int primario = e.code() & 0xff;
        if (primario == SQLITE_NOTADB || primario == SQLITE_CORRUPT)
            throw UserError(noValido);
        throw UserError(TextoError(e));
    }
}

}  // namespace

void SustituirBase(const QString& temporal, const QString& destino)
{
    try {
        RechazarEnlace(destino);
    } catch (...) {
        BorrarTemporal(temporal);
        throw;
    }
    if (!Existe(destino)) {
        PublicarTemporal(temporal, destino);
        return;
    }
    Database viejo;
    try {
        viejo.open(destino);
        // A WAL holds pages of the old file too: fold it in and leave WAL mode.
        bool wal = false;
        {
            Statement modo(viejo, "PRAGMA journal_mode");
            wal = modo.next() && modo.text(0).compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
        }
        if (wal)
            viejo.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        // Reads the header: a hot journal is rolled back here, under the lock we keep.
        viejo.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    } catch (const DbError& e) {
        viejo.close();
        const int primario = e.code() & 0xff;
        const bool danado = primario == SQLITE_CORRUPT || primario == SQLITE_NOTADB;
        if (primario == SQLITE_BUSY || primario == SQLITE_LOCKED || (!danado && HayAuxiliares(destino))) {
            BorrarTemporal(temporal);
            throw UserError(QStringLiteral("No se ha sustituido el archivo %1: %2").arg(destino, TextoError(e)));
        }
        // Beyond recovery (or not a database): its side files must not reach the copy.
        for (const char* s : kAuxiliares)
            QFile::remove(destino + QLatin1String(s));
    }
    PublicarTemporal(temporal, destino);
    // Closing rolls back an empty transaction on the old, now unlinked, file.
}

void CopiarBaseA(Database& db, const QString& target)
{
    ComprobarSalidas({db.path()}, {target});
    RechazarEnlace(target);
    const QString problema = ProblemaIntegridad(db, false);
    if (!problema.isEmpty())
        throw UserError(QStringLiteral("El archivo %1 está dañado (%2): no se copia, para no sustituir "
                                       "una copia buena. Restaure una copia de seguridad.")
                            .arg(db.path(), problema));
    BorrarTemporalesHuerfanos(target);
    const QString tmp = RutaTemporal(target);
    BorrarTemporal(tmp);
    try {
        db.backupTo(tmp, target);
    } catch (...) {
        BorrarTemporal(tmp);
        throw;
    }
    SustituirBase(tmp, target);
}

void RestaurarArchivo(const QString& origen, const QString& destino, int appId,
                      const std::function<void(const QString&)>& comprobar)
{
    if (!QFileInfo(origen).isFile())
        throw UserError(QStringLiteral("No existe el archivo %1. Elija la copia que quiere restaurar.")
                            .arg(origen));
    if (!Existe(destino))
        throw UserError(QStringLiteral("No existe el archivo %1 que se iba a sustituir. Compruebe la "
                                       "ruta.").arg(destino));
    if (MismoArchivo(origen, destino))
        throw UserError(QStringLiteral("La copia elegida %1 es el mismo archivo que %2. Elija otra.")
                            .arg(origen, destino));
    ComprobarSalidas({origen}, {destino});
    RechazarEnlace(destino);
    Database src = AbrirCopia(origen, appId);

    BorrarTemporalesHuerfanos(destino);
    const QString tmp = RutaTemporal(destino);
    BorrarTemporal(tmp);
    try {
        src.backupTo(tmp, destino);
        src.close();
        if (comprobar)
            comprobar(tmp);
    } catch (const DbError& e) {
        BorrarTemporal(tmp);
        throw UserError(TextoError(e));
    } catch (const UserError& e) {
        // The check opened the hidden copy; the user knows the file by its own name.
        BorrarTemporal(tmp);
        throw UserError(e.Mensaje().replace(tmp, destino));
    } catch (...) {
        BorrarTemporal(tmp);
        throw;
    }
    SustituirBase(tmp, destino);
}

QString NombreLibre(const QString& carpeta)
{
    const QDir dir(carpeta);
    QString path = dir.filePath(QStringLiteral("rentiva.rtv"));
    for (int i = 0; QFileInfo::exists(path); ++i)
        path = dir.filePath(QStringLiteral("rentiva_%1.rtv").arg(i));
    return path;
}
