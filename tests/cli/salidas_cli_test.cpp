// What rentiva-cli writes, and what it refuses to write over.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"

namespace {

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A demo workspace billed for January 2024; `propietario` has receipts charged to the bank.
class SalidasCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = ws.file(QStringLiteral("F.rtv"));
        propietario = DemoFacturada(ruta, 12);
        ASSERT_FALSE(propietario.isEmpty());
    }

    // The command is refused with a Spanish sentence on standard error and leaves the
    // workspace as it was.
    void Rechazada(const QStringList& orden, const char* dice)
    {
        const QByteArray antes = Leer(ruta);
        QString err;
        EXPECT_EQ(RunCli(orden, nullptr, &err), 1) << orden.join(u' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(dice))) << err.toStdString();
        EXPECT_FALSE(err.startsWith(u' '));
        EXPECT_EQ(Leer(ruta), antes);
    }

    TempWorkspace ws;
    QString ruta, propietario;
};

}  // namespace

TEST_F(SalidasCli, AnOutputThatIsTheWorkspaceIsRefusedByAnyName)
{
    ASSERT_TRUE(QFile::link(ruta, ws.file(QStringLiteral("enlace.rtv"))));
    ASSERT_EQ(::link(QFile::encodeName(ruta).constData(), QFile::encodeName(ws.file(QStringLiteral("duro.rtv"))).constData()), 0);
    ASSERT_TRUE(QDir(ws.dir()).mkdir(QStringLiteral("sub")));
    const QString x = ws.file(QStringLiteral("X.pr1"));
    for (const QString& salida : {ruta, ws.file(QStringLiteral("sub/../F.rtv")), ws.file(QStringLiteral("enlace.rtv")),
                                  ws.file(QStringLiteral("duro.rtv")), ruta + QStringLiteral("-journal")}) {
        SCOPED_TRACE(salida.toStdString());
        Rechazada({"recibos-pdf", ruta, "2024-01", salida}, "archivo de trabajo");
        Rechazada({"remesa", ruta, propietario, "2024-01", salida}, "archivo de trabajo");
        Rechazada({"remesa", ruta, propietario, "2024-01", x, "--listado", salida}, "archivo de trabajo");
        Rechazada({"copia", ruta, salida}, "archivo de trabajo");
    }
    Rechazada({"remesa", ruta, propietario, "2024-01", x, "--listado", ws.file(QStringLiteral("sub/../X.pr1"))},
              "son el mismo archivo");
    EXPECT_FALSE(QFile::exists(x));
}

// A file protected against writing is kept by every command alike, root's included.
TEST_F(SalidasCli, ReadOnlyOutputsAreRefusedByEveryCommand)
{
    const QString protegido = ws.file(QStringLiteral("protegido"));
    ASSERT_TRUE(QFile::copy(ruta, protegido));
    ASSERT_TRUE(QFile::setPermissions(protegido, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray antes = Leer(protegido);
    const QStringList ordenes[] = {
        {"recibos-pdf", ruta, "2024-01", protegido},
        {"remesa", ruta, propietario, "2024-01", protegido},
        {"copia", ruta, protegido},
        {"restaurar", ruta, protegido},
    };
    for (const QStringList& orden : ordenes) {
        SCOPED_TRACE(orden.first().toStdString());
        Rechazada(orden, "solo lectura");
        EXPECT_EQ(Leer(protegido), antes);
    }
}

// A restore replaces the file named, never the file a link points to.
TEST_F(SalidasCli, RestoreOntoALinkIsRefusedAndWritesNothingThrough)
{
    const QString copia = ws.file(QStringLiteral("copia.rtv"));
    ASSERT_EQ(RunCli({"crear", copia}), 0);
    const QString enlace = ws.file(QStringLiteral("enlace.rtv"));
    ASSERT_TRUE(QFile::link(ruta, enlace));
    Rechazada({"restaurar", copia, enlace}, "no se sustituye a través del enlace");
    EXPECT_TRUE(QFileInfo(enlace).isSymLink());
}

// Names Qt would take for its own options reach the program as files.
TEST_F(SalidasCli, FilesNamedLikeQtOptionsAreFiles)
{
    const QString antes = QDir::currentPath();
    QDir::setCurrent(ws.dir());
    for (const char* nombre : {"-reverse", "-style"}) {
        SCOPED_TRACE(nombre);
        QString err;
        EXPECT_EQ(RunCli({"recibos-pdf", ruta, "2024-01", nombre}, nullptr, &err), 0) << err.toStdString();
        EXPECT_TRUE(Leer(ws.file(QString::fromLatin1(nombre))).startsWith("%PDF"));
    }
    QDir::setCurrent(antes);
}

// A name that is not UTF-8 cannot travel through Qt unchanged: refused, never written under
// another name. (QProcess cannot pass such bytes, hence exec.)
TEST_F(SalidasCli, NamesThatAreNotUtf8AreRefusedNotRenamed)
{
    const QByteArray nombre = QFile::encodeName(ws.dir()) + "/caf\xe9.pdf";
    const QByteArray cli = RENTIVA_CLI_PATH, f = QFile::encodeName(ruta);
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        const char* args[] = {cli.constData(), "recibos-pdf", f.constData(), "2024-01", nombre.constData(), nullptr};
        ::execv(cli.constData(), const_cast<char* const*>(args));
        ::_exit(127);
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 2) << estado;
    EXPECT_EQ(QDir(ws.dir()).entryList({QStringLiteral("caf*")}, QDir::Files), QStringList());
}

TEST_F(SalidasCli, TheLastMonthOfTheCalendarIsFoundLikeAnyOther)
{
    QString enero, diciembre, err;
    ASSERT_EQ(RunCli({"remesa", ruta, propietario, "2024-01", ws.file(QStringLiteral("enero.pr1"))}, &enero, &err), 0)
        << err.toStdString();
    ASSERT_EQ(RunCli({"facturar", ruta, "9999-12"}), 0);
    ASSERT_EQ(RunCli({"remesa", ruta, propietario, "9999-12", ws.file(QStringLiteral("fin.pr1"))}, &diciembre, &err), 0)
        << err.toStdString();
    EXPECT_EQ(diciembre, enero);
}

// A workspace another program holds locked: a Spanish sentence, not SQLite's English.
TEST_F(SalidasCli, ALockedWorkspaceIsSaidInSpanish)
{
    // Another process: closing any descriptor of the file in this one would drop its locks.
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t otro = ::fork();
    if (otro == 0) {
        ::close(tubo[0]);
        Database db(ruta);
        db.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        const char listo = 'x';
        ::write(tubo[1], &listo, 1);
        ::sleep(20);
        ::_exit(0);
    }
    ::close(tubo[1]);
    char c = 0;
    ASSERT_EQ(::read(tubo[0], &c, 1), 1);
    Rechazada({"facturar", ruta, "2024-02"}, "en uso por otro programa");
    ::kill(otro, SIGKILL);
    ::waitpid(otro, nullptr, 0);
    ::close(tubo[0]);
}
