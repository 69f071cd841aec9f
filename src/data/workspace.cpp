#include "data/workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <sqlite3.h>
#include <unistd.h>

#include "data/archivo_atomico.h"
#include "data/esquema.h"
#include "util/errores.h"

namespace {

// Our mark in the header: SQLite's magic text and our application id. Nothing more is read
// from it: a file a crash left half-written is judged only once SQLite has recovered it.
bool CabeceraNuestra(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray h = f.read(100);
    if (h.size() < 100 || !h.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return false;
    return qFromBigEndian<qint32>(reinterpret_cast<const uchar*>(h.constData()) + 68) == kAplicacionId;
}

bool HayDiario(const QString& ruta)
{
    for (const char* sufijo : {"-journal", "-wal"})
        if (QFileInfo(ruta + QLatin1String(sufijo)).size() > 0)
            return true;
    return false;
}

bool Escribible(const QString& ruta)
{
    return ::access(QFile::encodeName(ruta).constData(), W_OK) == 0
        && ::access(QFile::encodeName(QFileInfo(ruta).absolutePath()).constData(), W_OK) == 0;
}

void ComprobarIntegridad(Database& db, const QString& ruta)
{
    const QString problema = ProblemaIntegridad(db, true);
    if (!problema.isEmpty())
        throw UserError(MensajeDanado(ruta, problema));
}

}  // namespace

QString MensajeDanado(const QString& ruta, const QString& detalle)
{
    return QStringLiteral("El archivo %1 está dañado y no se puede usar (%2). No se ha modificado. "
                          "Restaure una copia de seguridad.").arg(ruta, detalle);
}

Database CrearWorkspace(const QString& ruta, const std::function<void(Database&)>& llenar)
{
    if (QFileInfo::exists(ruta))
        throw UserError(QStringLiteral("El archivo %1 ya existe; elija otro nombre.").arg(ruta));
    BorrarTemporalesHuerfanos(ruta);
    const QString temporal = RutaTemporal(ruta);
    const auto borrar = [&] {
        for (const char* sufijo : {"", "-journal", "-wal", "-shm"})
            QFile::remove(temporal + QLatin1String(sufijo));
    };
    borrar();
    try {
        Database db(temporal, Database::Mode::Create);
        CrearTablas(db);
        if (llenar)
            llenar(db);
    } catch (const DbError& e) {
        borrar();
        throw DbError(QString::fromUtf8(e.what()).replace(temporal, ruta), e.code(), e.detalle());
    } catch (...) {
        borrar();
        throw;
    }
    PublicarNuevo(temporal, ruta);
    return Database(ruta);
}

bool EsWorkspace(const QString& ruta)
{
    return CabeceraNuestra(ruta);
}

Database AbrirRecuperando(const QString& ruta)
{
    Database db(ruta, Escribible(ruta) ? Database::Mode::OpenExisting : Database::Mode::ReadOnly);
    db.applicationId();
    return db;
}

QString ProblemaIntegridad(Database& db, bool completa)
{
    Statement st(db, completa ? "PRAGMA integrity_check(20)" : "PRAGMA quick_check(20)");
    QStringList problemas;
    while (st.next())
        for (const QString& linea : st.text(0).split(u'\n', Qt::SkipEmptyParts))
            if (!linea.startsWith(QLatin1String("***")))   // "*** in database main ***"
                problemas << linea.trimmed();
    if (problemas == QStringList{QStringLiteral("ok")})
        return QString();
    if (problemas.isEmpty())
        return QStringLiteral("sin detalles");
    // The first finding says enough.
    return problemas.size() <= 1 ? problemas.value(0) : problemas[0] + QStringLiteral("; y otros problemas");
}

Database AbrirWorkspace(const QString& ruta, bool comprobarIntegridad)
{
    Database db = AbrirWorkspaceSinActualizar(ruta, comprobarIntegridad);
    try {
        // An upgrade that had work to do checks the file after its steps, inside its savepoint.
        ActualizarEsquema(db);
    } catch (const DbError& e) {
        const int primario = e.code() & 0xff;
        if (primario == SQLITE_CORRUPT || primario == SQLITE_NOTADB)
            throw UserError(MensajeDanado(ruta, e.detalle()));
        throw UserError(TextoError(e));
    }
    return db;
}

Database AbrirWorkspaceSinActualizar(const QString& ruta, bool comprobarIntegridad)
{
    const QFileInfo fi(ruta);
    if (!fi.exists())
        throw UserError(QStringLiteral("No se encuentra el archivo %1.").arg(ruta));
    if (!fi.isFile())
        throw UserError(QStringLiteral("%1 no es un archivo. Elija un archivo de Rentiva.").arg(ruta));
    const bool nuestra = CabeceraNuestra(ruta);
    // A foreign file is not even opened, unless a journal beside it may change its header.
    if (!nuestra && !HayDiario(ruta))
        throw UserError(MensajeNoEsWorkspace(ruta));
    try {
        Database db = AbrirRecuperando(ruta);
        if (db.applicationId() != kAplicacionId)
            throw UserError(MensajeNoEsWorkspace(ruta));
        if (comprobarIntegridad)
            ComprobarIntegridad(db, ruta);
        return db;
    } catch (const DbError& e) {
        const int primario = e.code() & 0xff;
        if (primario == SQLITE_NOTADB && !nuestra)
            throw UserError(MensajeNoEsWorkspace(ruta));
        if (primario == SQLITE_CORRUPT || primario == SQLITE_NOTADB)
            throw UserError(MensajeDanado(ruta, e.detalle()));
        throw UserError(TextoError(e));
    }
}
