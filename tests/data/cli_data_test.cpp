#include <gtest/gtest.h>

#include <QFile>

#include "data/database.h"
#include "data/esquema.h"
#include "data/workspace.h"
#include "temp_workspace.h"

namespace {

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(CliData, CrearMakesAWorkspaceAndNeverOverwrites)
{
    TempWorkspace ws;
    const QString ruta = ws.workspacePath();
    QString out, err;
    ASSERT_EQ(RunCli({QStringLiteral("crear"), ruta}, &out, &err), 0) << err.toStdString();
    {
        Database db = AbrirWorkspace(ruta);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM conceptos_recibos")), 5);
        Statement(db, "INSERT INTO propietario (nombre) VALUES ('ANA')").run();
    }
    const QByteArray antes = Leer(ruta);
    EXPECT_EQ(RunCli({QStringLiteral("crear"), ruta}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("ya existe"))) << err.toStdString();
    EXPECT_EQ(Leer(ruta), antes);
    EXPECT_EQ(RunCli({QStringLiteral("crear")}, &out, &err), 2);
}

TEST(CliData, ActualizarUpgradesOursAndRefusesOthers)
{
    TempWorkspace ws;
    const QString ruta = ws.workspacePath();
    {
        Database db(ruta, Database::Mode::Create);
        db.setApplicationId(kAplicacionId);
        db.exec(QStringLiteral("CREATE TABLE recibo (ref INTEGER NOT NULL, direccion TEXT(50) NOT NULL,"
                               " CONSTRAINT pk_recibo PRIMARY KEY (ref)); INSERT INTO recibo VALUES (7, 'Sol 1')"));
    }
    QString out, err;
    ASSERT_EQ(RunCli({QStringLiteral("actualizar"), ruta}, &out, &err), 0) << err.toStdString();
    {
        Database db = AbrirWorkspace(ruta);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT ref FROM recibo WHERE num_alquiler IS NULL")), 7);
    }
    const QString ajeno = ws.file(QStringLiteral("notas.txt"));
    {
        QFile f(ajeno);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("hola\n");
    }
    EXPECT_EQ(RunCli({QStringLiteral("actualizar"), ajeno}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("no es un archivo de Rentiva"))) << err.toStdString();
    EXPECT_EQ(Leer(ajeno), QByteArray("hola\n"));
}

TEST(CliData, CopiaCopiesAnOpenWorkspaceConsistently)
{
    TempWorkspace ws;
    const QString origen = ws.workspacePath();
    const QString destino = ws.file(QStringLiteral("copia.rtv"));
    Database db = CrearWorkspace(origen);
    Statement ins(db, "INSERT INTO recibo (direccion, renta) VALUES ('Mayor 1', ?1)");
    for (int i = 1; i <= 50; ++i)
        ins.bind(1, qint64(i)).run();
    QString out, err;
    // The program keeps the workspace open while the scheduler copies it.
    ASSERT_EQ(RunCli({QStringLiteral("copia"), origen, destino}, &out, &err), 0) << err.toStdString();
    Database copia = AbrirWorkspace(destino);
    EXPECT_EQ(QueryInteger(copia, QStringLiteral("SELECT SUM(renta) FROM recibo")), 50 * 51 / 2);

    EXPECT_EQ(RunCli({QStringLiteral("copia"), origen, origen}, &out, &err), 1);
    EXPECT_EQ(RunCli({QStringLiteral("copia"), ws.file(QStringLiteral("falta.rtv")), destino}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("No se encuentra"))) << err.toStdString();
}
