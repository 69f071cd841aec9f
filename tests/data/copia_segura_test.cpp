#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "data/copia_segura.h"
#include "data/database.h"
#include "data/esquema.h"
#include "data/workspace.h"
#include "temp_workspace.h"
#include "util/errores.h"

namespace {
constexpr int kId = 0x52545641;

void Crear(const QString& path, const QString& valor)
{
    Database db(path, Database::Mode::Create);
    db.setApplicationId(kId);
    db.exec("CREATE TABLE t (v TEXT)");
    Statement(db, "INSERT INTO t VALUES (?1)").bind(1, valor).run();
}

QString Valor(const QString& path)
{
    Database db(path);
    Statement st(db, "SELECT v FROM t");
    return st.next() ? st.text(0) : QString();
}
}  // namespace

TEST(CopiaSegura, FreeNameRule)
{
    TempWorkspace tw;
    EXPECT_EQ(NombreLibre(tw.dir()), tw.file("rentiva.rtv"));
    QFile(tw.file("rentiva.rtv")).open(QIODevice::WriteOnly);
    EXPECT_EQ(NombreLibre(tw.dir()), tw.file("rentiva_0.rtv"));
    QFile(tw.file("rentiva_0.rtv")).open(QIODevice::WriteOnly);
    EXPECT_EQ(NombreLibre(tw.dir()), tw.file("rentiva_1.rtv"));
}

TEST(CopiaSegura, BackupAndRestoreRoundTrip)
{
    TempWorkspace tw;
    Crear(tw.workspacePath(), "original");
    {
        Database db(tw.workspacePath());
        CopiarBaseA(db, tw.file("copia.rtv"));
        EXPECT_THROW(CopiarBaseA(db, tw.workspacePath()), UserError);
        Statement(db, "UPDATE t SET v = 'cambiado'").run();
    }
    EXPECT_EQ(Valor(tw.file("copia.rtv")), "original");
    EXPECT_EQ(Valor(tw.workspacePath()), "cambiado");
    RestaurarArchivo(tw.file("copia.rtv"), tw.workspacePath(), kId);
    EXPECT_EQ(Valor(tw.workspacePath()), "original");
}

TEST(CopiaSegura, RestoreRefusesGarbageForeignAndMissing)
{
    TempWorkspace tw;
    Crear(tw.workspacePath(), "intacto");
    QFile basura(tw.file("basura.rtv"));
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
    basura.write(QByteArray(8192, 'x'));
    basura.close();
    {
        Database ajena(tw.file("ajena.rtv"), Database::Mode::Create);
        ajena.exec("CREATE TABLE z (a)");
    }
    for (const QString& f : {tw.file("basura.rtv"), tw.file("ajena.rtv"), tw.file("no_existe.rtv")}) {
        SCOPED_TRACE(f.toStdString());
        EXPECT_THROW(RestaurarArchivo(f, tw.workspacePath(), kId), UserError);
        EXPECT_EQ(Valor(tw.workspacePath()), "intacto");
    }
    EXPECT_EQ(QDir(tw.dir()).entryList(QDir::Files | QDir::Hidden).filter(".tmp").size(), 0);
}

TEST(CopiaSegura, CliRestoreChecksAndReplaces)
{
    TempWorkspace tw;
    const auto crear = [](const QString& path, const QString& nombre) {
        Database db = CrearWorkspace(path);
        Statement(db, "INSERT INTO propietario (ref, nombre) VALUES (1, ?1)").bind(1, nombre).run();
    };
    const auto nombre = [](const QString& path) {
        Database db(path, Database::Mode::ReadOnly);
        Statement st(db, "SELECT nombre FROM propietario");
        return st.next() ? st.text(0) : QString();
    };
    crear(tw.workspacePath(), "actual");
    crear(tw.file("copia.rtv"), "copia");
    QFile basura(tw.file("basura.rtv"));
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
    basura.write("esto no es una base");
    basura.close();
    QString out, err;
    for (const char* mala : {"basura.rtv", "no_existe.rtv"}) {
        SCOPED_TRACE(mala);
        EXPECT_EQ(RunCli({"restaurar", tw.file(mala), tw.workspacePath()}, &out, &err), 1);
        EXPECT_FALSE(err.isEmpty());
        EXPECT_EQ(nombre(tw.workspacePath()), "actual");
    }
    // The target must be a workspace too: a copy is never written over another file.
    EXPECT_EQ(RunCli({"restaurar", tw.file("copia.rtv"), tw.file("basura.rtv")}, &out, &err), 1);
    EXPECT_EQ(RunCli({"restaurar", tw.file("copia.rtv"), tw.workspacePath()}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(nombre(tw.workspacePath()), "copia");
}

TEST(CopiaSegura, RestoreRefusesACopyWithDamagedPagesOrOfANewerLayout)
{
    TempWorkspace tw;
    const QString danada = tw.file("danada.rtv");
    const QString nueva = tw.file("nueva.rtv");
    {
        Database db = CrearWorkspace(danada);
        Transaction tx(db);
        Statement ins(db, "INSERT INTO propietario (ref, nombre, notas) VALUES (?1, ?2, ?3)");
        for (int i = 1; i <= 400; ++i)
            ins.bind(1, i).bind(2, QStringLiteral("PROPIETARIO %1").arg(i)).bind(3, QString(200, u'n')).run();
        tx.commit();
    }
    {
        // The header stays valid; pages in the middle of the file are overwritten.
        QFile f(danada);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 16 * 4096);
        f.seek(f.size() / 2);
        f.write(QByteArray(3 * 4096, '\xA5'));
    }
    {
        Database db = CrearWorkspace(nueva);
        db.setUserVersion(kVersionEsquema + 1);
    }
    CrearWorkspace(tw.workspacePath());
    const auto bytes = [](const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray antes = bytes(tw.workspacePath());
    for (const QString& copia : {danada, nueva}) {
        SCOPED_TRACE(copia.toStdString());
        QString err;
        EXPECT_EQ(RunCli({"restaurar", copia, tw.workspacePath()}, nullptr, &err), 1);
        EXPECT_FALSE(err.isEmpty());
        EXPECT_EQ(bytes(tw.workspacePath()), antes);
    }
}
