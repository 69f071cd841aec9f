#pragma once
// Helpers for the crash, full-disk and damage tests: workspaces left as a killed program
// leaves them, the stock sqlite3 program as the judge, and root-only test folders.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/database.h"

namespace caidas {

inline QByteArray LeerBytes(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void EscribirBytes(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(datos);
}

inline QString Sqlite3Programa()
{
    return QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
}

// Runs the stock sqlite3 program (no function or collation of ours) on ruta.
inline QString Sqlite3(const QString& ruta, const QString& orden)
{
    QProcess p;
    p.start(Sqlite3Programa(), {ruta, orden});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

// Everything a user could tell apart: schema, rows and the file's marks.
inline QString Contenido(const QString& ruta)
{
    return Sqlite3(ruta, QStringLiteral(".dump")) + u'\n'
         + Sqlite3(ruta, QStringLiteral("PRAGMA user_version; PRAGMA application_id;"));
}

// A program killed in the middle of a transaction on ruta: a child writes many receipts with
// a tiny page cache, so that changed pages reach the file, and dies before its commit,
// leaving a hot journal. With cabeceraMayor the header also claims more pages than the file
// has, as when a kill falls inside a commit after page 1 was written.
inline void MatarEnTransaccion(const QString& ruta, bool cabeceraMayor = false)
{
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        try {
            Database db(ruta);
            db.exec(QStringLiteral("PRAGMA cache_size = 2; BEGIN; PRAGMA user_version = 99"));
            Statement ins(db, "INSERT INTO recibo (direccion, notas) VALUES ('Caida 1', ?1)");
            for (int i = 0; i < 400; ++i)
                ins.bind(1, QString(500, QChar(u'a' + i % 26))).run();
            ::_exit(0);   // no commit, no rollback, no close: as a kill leaves it
        } catch (...) {
            ::_exit(2);
        }
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    ASSERT_GT(QFile(ruta + QStringLiteral("-journal")).size(), 0);
    if (cabeceraMayor) {
        QByteArray datos = LeerBytes(ruta);
        auto* p = reinterpret_cast<uchar*>(datos.data());
        const quint32 tamPagina = qFromBigEndian<quint16>(p + 16);
        qToBigEndian<quint32>(quint32(datos.size() / tamPagina + 8), p + 28);
        qToBigEndian<quint32>(qFromBigEndian<quint32>(p + 24), p + 92);
        EscribirBytes(ruta, datos);
    }
}

// The layout before this one declared our collation on the columns compared ignoring case
// (which stock sqlite3 cannot read) and had no folded key columns.
inline void VolverAlDisenoAnterior(const QString& ruta)
{
    Database db(ruta);
    for (const char* t : {"propietario", "inmueble", "direccion", "localidad", "conceptos_recibos"})
        for (const char* sufijo : {"_clave_insert", "_clave_update"})
            db.exec(QStringLiteral("DROP TRIGGER %1%2").arg(QLatin1String(t), QLatin1String(sufijo)));
    db.exec(QStringLiteral(
        "DROP INDEX propietario_clave; DROP INDEX inmueble_clave; ALTER TABLE propietario DROP COLUMN clave_nombre;"
        "ALTER TABLE inmueble DROP COLUMN clave_direccion; ALTER TABLE inmueble DROP COLUMN clave_piso;"
        "PRAGMA writable_schema = ON;"
        "UPDATE sqlite_master SET sql = replace(sql, 'nombre TEXT(50) NOT NULL', 'nombre TEXT(50) NOT NULL COLLATE ES_NOCASE')"
        " WHERE name = 'propietario';"
        "UPDATE sqlite_master SET sql = replace(replace(sql, 'direccion TEXT(50) NOT NULL', 'direccion TEXT(50) NOT NULL COLLATE ES_NOCASE'),"
        " 'arrendador TEXT(50)', 'arrendador TEXT(50) COLLATE ES_NOCASE') WHERE name IN ('inmueble', 'recibo');"
        "PRAGMA writable_schema = OFF; PRAGMA user_version = 1;"));
    db.close();
    db.open(ruta);
    db.exec(QStringLiteral("REINDEX"));
}

inline bool EsRoot()
{
    return ::geteuid() == 0;
}

// A small tmpfs at carpeta (root only): a disk that fills up.
class DiscoPequeno {
public:
    DiscoPequeno(const QString& carpeta, const char* tam) : m_carpeta(carpeta)
    {
        const QByteArray opciones = QByteArray("size=") + tam;
        m_montado = ::mount("tmpfs", QFile::encodeName(carpeta).constData(), "tmpfs", 0, opciones.constData()) == 0;
    }
    ~DiscoPequeno()
    {
        if (m_montado)
            ::umount2(QFile::encodeName(m_carpeta).constData(), MNT_DETACH);
    }
    bool Montado() const { return m_montado; }
    // Fills what is left with one file.
    void Llenar() const
    {
        QFile f(m_carpeta + QStringLiteral("/relleno"));
        if (!f.open(QIODevice::WriteOnly))
            return;
        const QByteArray bloque(4096, 'x');
        while (f.write(bloque) == bloque.size() && f.flush()) {
        }
    }

private:
    QString m_carpeta;
    bool m_montado = false;
};

// A folder that cannot be written: read-only bind mount for root (whom permissions do not
// stop), no write permission otherwise. Files are put in it before.
class CarpetaSoloLectura {
public:
    explicit CarpetaSoloLectura(const QString& carpeta) : m_carpeta(QFile::encodeName(carpeta))
    {
        if (EsRoot()) {
            m_montado = ::mount(m_carpeta.constData(), m_carpeta.constData(), nullptr, MS_BIND, nullptr) == 0
                && ::mount(nullptr, m_carpeta.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        } else {
            m_montado = ::chmod(m_carpeta.constData(), 0555) == 0;
        }
    }
    ~CarpetaSoloLectura()
    {
        if (EsRoot())
            ::umount2(m_carpeta.constData(), MNT_DETACH);
        else
            ::chmod(m_carpeta.constData(), 0755);
    }
    bool Lista() const { return m_montado; }

private:
    QByteArray m_carpeta;
    bool m_montado = false;
};

}  // namespace caidas
