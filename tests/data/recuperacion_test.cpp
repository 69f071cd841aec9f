// A workspace left by a killed program, a damaged one, and where copies and restores may go.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "caidas_fixture.h"
#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"
#include "util/errores.h"

using namespace caidas;

namespace {

void CrearConPropietario(const QString& ruta, const QString& nombre)
{
    Database db = CrearWorkspace(ruta);
    Statement(db, "INSERT INTO propietario (nombre) VALUES (?1)").bind(1, nombre).run();
}

// Overwrites the cells of the index's root page: the file opens, the index is damaged.
void DanarIndice(const QString& ruta, const char* indice)
{
    qint64 pagina = 0;
    {
        Database db(ruta, Database::Mode::ReadOnly);
        Statement st(db, "SELECT rootpage FROM sqlite_master WHERE name = ?1");
        ASSERT_TRUE(st.bind(1, indice).next());
        pagina = st.integer(0);
    }
    QByteArray datos = LeerBytes(ruta);
    const qint64 tam = qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(datos.constData()) + 16);
    for (qint64 i = 8; i < 308; ++i)
        datos[(pagina - 1) * tam + i] = char(0xFF);
    EscribirBytes(ruta, datos);
}

class Recuperacion : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (Sqlite3Programa().isEmpty())
            GTEST_SKIP() << "sin el programa sqlite3";
        ruta = ws.file(QStringLiteral("trabajo.rtv"));
        copia = ws.file(QStringLiteral("copia.rtv"));
        CrearConPropietario(ruta, QStringLiteral("ANA"));
        CrearConPropietario(copia, QStringLiteral("COPIA"));
        Database db(copia);
        Statement ins(db, "INSERT INTO recibo (direccion) VALUES ('Sol 1')");
        for (int i = 0; i < 5; ++i)
            ins.run();
    }

    TempWorkspace ws;
    QString ruta, copia;
};

}  // namespace

// The journal a kill leaves beside the target belongs to the old file: a copy put in its
// place must not have it replayed over it at the next open.
TEST_F(Recuperacion, RestoreAndCopyOntoACrashedWorkspaceGiveExactlyTheCopy)
{
    const QString esperado = Contenido(copia);
    const QByteArray original = LeerBytes(ruta);
    for (const char* orden : {"restaurar", "copia"}) {
        SCOPED_TRACE(orden);
        EscribirBytes(ruta, original);
        MatarEnTransaccion(ruta);
        QString err;
        ASSERT_EQ(RunCli({QString::fromLatin1(orden), copia, ruta}, nullptr, &err), 0) << err.toStdString();
        EXPECT_FALSE(QFile::exists(ruta + QStringLiteral("-journal")));
        EXPECT_EQ(Sqlite3(ruta, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        EXPECT_EQ(Contenido(ruta), esperado);
    }
}

// A kill inside a commit leaves a header that claims more pages than the file has until
// SQLite rolls the journal back: that is a file to recover, not a damaged one.
TEST_F(Recuperacion, ACrashInsideACommitIsRecoveredNotCalledDamaged)
{
    const QString antes = Contenido(ruta);
    MatarEnTransaccion(ruta, true);
    EXPECT_TRUE(EsWorkspace(ruta));
    {
        Database db = AbrirWorkspace(ruta);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo")), 0);
    }
    EXPECT_FALSE(QFile::exists(ruta + QStringLiteral("-journal")));
    EXPECT_EQ(Contenido(ruta), antes);

    // A crashed workspace is copied as SQLite recovers it.
    const QString destino = ws.file(QStringLiteral("respaldo.rtv"));
    MatarEnTransaccion(ruta, true);
    QString err;
    ASSERT_EQ(RunCli({"copia", ruta, destino}, nullptr, &err), 0) << err.toStdString();
    EXPECT_EQ(Contenido(destino), antes);
}

TEST_F(Recuperacion, DamagedFilesAreNeitherCopiedOverABackupNorUpgraded)
{
    const QString danado = ws.file(QStringLiteral("danado.rtv"));
    ASSERT_TRUE(QFile::copy(ruta, danado));
    DanarIndice(danado, "propietario_ref");
    const QByteArray bytesDanado = LeerBytes(danado);
    const QByteArray bytesCopia = LeerBytes(copia);

    QString err;
    EXPECT_EQ(RunCli({"copia", danado, copia}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("dañado")) && err.contains(danado)) << err.toStdString();
    EXPECT_EQ(LeerBytes(copia), bytesCopia);

    EXPECT_EQ(RunCli({"actualizar", danado}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("dañado"))) << err.toStdString();
    EXPECT_EQ(LeerBytes(danado), bytesDanado);

    // An earlier layout is not upgraded over damage either.
    {
        Database db(danado);
        db.setUserVersion(1);
    }
    const QByteArray viejo = LeerBytes(danado);
    EXPECT_THROW(AbrirWorkspace(danado), UserError);
    EXPECT_EQ(LeerBytes(danado), viejo);
}

TEST_F(Recuperacion, RefusedRestoresNameWhatFailed)
{
    QString err;
    EXPECT_EQ(RunCli({"restaurar", copia, ws.file(QStringLiteral("falta.rtv"))}, nullptr, &err), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("No existe el archivo"))) << err.toStdString();

    const QString carpeta = ws.file(QStringLiteral("protegida"));
    ASSERT_TRUE(QDir().mkpath(carpeta));
    const QString destino = carpeta + QStringLiteral("/trabajo.rtv");
    ASSERT_TRUE(QFile::copy(ruta, destino));
    const QByteArray antes = LeerBytes(destino);
    {
        CarpetaSoloLectura ro(carpeta);
        if (!ro.Lista())
            GTEST_SKIP() << "no se puede proteger la carpeta aquí";
        EXPECT_EQ(RunCli({"restaurar", copia, destino}, nullptr, &err), 1);
        EXPECT_TRUE(err.contains(QStringLiteral("solo lectura")) || err.contains(QStringLiteral("permiso")))
            << err.toStdString();
        EXPECT_FALSE(err.contains(QStringLiteral("no es una copia"))) << err.toStdString();
    }
    EXPECT_EQ(LeerBytes(destino), antes);
}
