#include "data/workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <sqlite3.h>

#include "data/esquema.h"
#include "util/errores.h"

namespace {

// What the file header says, read without opening the file as a database.
enum class Cabecera { Nuestra, Ajena, Danada };

Cabecera LeerCabecera(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return Cabecera::Ajena;
    const QByteArray h = f.read(100);
    if (h.size() < 100 || !h.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return Cabecera::Ajena;
    const auto* p = reinterpret_cast<const uchar*>(h.constData());
    if (qFromBigEndian<qint32>(p + 68) != kAplicacionId)
        return Cabecera::Ajena;
    qint64 tamPagina = qFromBigEndian<quint16>(p + 16);
    if (tamPagina == 1)
        tamPagina = 65536;
    if (tamPagina < 512 || (tamPagina & (tamPagina - 1)) != 0)
        return Cabecera::Danada;
    const qint64 tam = f.size();
    if (tam % tamPagina != 0)
        return Cabecera::Danada;
    // The page count is valid when the change counter matches "version valid for".
    const quint32 paginas = qFromBigEndian<quint32>(p + 28);
    if (qFromBigEndian<quint32>(p + 24) == qFromBigEndian<quint32>(p + 92) && paginas != 0
        && qint64(paginas) * tamPagina > tam)
        return Cabecera::Danada;
    return Cabecera::Nuestra;
}

QString Danado(const QString& ruta, const QString& detalle)
{
    return QStringLiteral("El archivo %1 está dañado y no se puede abrir (%2). No se ha modificado.")
        .arg(ruta, detalle);
}

}  // namespace

Database CrearWorkspace(const QString& ruta)
{
    if (QFileInfo::exists(ruta))
        throw UserError(QStringLiteral("El archivo %1 ya existe; elija otro nombre.").arg(ruta));
    Database db(ruta, Database::Mode::Create);
    try {
        CrearTablas(db);
    } catch (...) {
        db.close();
        QFile::remove(ruta);
        throw;
    }
    return db;
}

bool EsWorkspace(const QString& ruta)
{
    return LeerCabecera(ruta) == Cabecera::Nuestra;
}

Database AbrirWorkspace(const QString& ruta)
{
    if (!QFileInfo(ruta).isFile())
        throw UserError(QStringLiteral("No se encuentra el archivo %1.").arg(ruta));
    switch (LeerCabecera(ruta)) {
    case Cabecera::Ajena: throw UserError(MensajeNoEsWorkspace(ruta));
    case Cabecera::Danada: throw UserError(Danado(ruta, QStringLiteral("el tamaño no es el esperado")));
    case Cabecera::Nuestra: break;
    }
    try {
        Database db(ruta);
        ActualizarEsquema(db);
        return db;
    } catch (const DbError& e) {
        const int primario = e.code() & 0xff;
        if (primario == SQLITE_CORRUPT || primario == SQLITE_NOTADB)
            throw UserError(Danado(ruta, TextoError(e)));
        throw UserError(QStringLiteral("No se ha podido abrir el archivo %1: %2").arg(ruta, TextoError(e)));
    }
}
