#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "updater/reemplazo.h"

namespace {

QByteArray Bytes(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe)");
}

// A program folder: `rentiva` is a copy of /bin/sleep (so it can run and be waited for),
// and the download `new_rentiva` a copy of /bin/true.
struct Carpeta {
    QTemporaryDir dir;
    QByteArray viejo = Bytes(QStringLiteral("/bin/sleep"));
    QByteArray nuevo = Bytes(QStringLiteral("/bin/true"));

    Carpeta()
    {
        QFile::copy(QStringLiteral("/bin/sleep"), Programa());
        QFile::copy(QStringLiteral("/bin/true"), Descarga());
    }
    QString Programa() const { return dir.filePath(QStringLiteral("rentiva")); }
    QString Respaldo() const { return dir.filePath(QStringLiteral("rentiva.anterior")); }
    QString Descarga() const { return dir.filePath(QStringLiteral("new_rentiva")); }
    PeticionReemplazo Peticion(qint64 pid = 1) const
    {
        PeticionReemplazo p;
        p.carpeta = dir.path();
        p.nuevo = QStringLiteral("new_rentiva");
        p.pid = pid;
        p.sha256 = Sha256DeFichero(QStringLiteral("/bin/true"));
        return p;
    }
    QStringList Argumentos(qint64 pid, int espera) const
    {
        const PeticionReemplazo p = Peticion(pid);
        return {"--carpeta", p.carpeta, "--nuevo", p.nuevo, "--pid", QString::number(pid), "--sha256",
                QString::fromLatin1(p.sha256), "--espera", QString::number(espera), "--sin-ventana"};
    }
    QStringList Ficheros() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

// Fails the n-th file operation (1-based), or writes a damaged copy of the new program.
class OperacionesQueFallan : public OperacionesArchivo {
public:
    int fallarEn = 0;
    bool danarNuevo = false;
    int llamadas = 0;

    QString Copiar(const QString& origen, const QString& destino, QFileDevice::Permissions permisos) override
    {
        if (++llamadas == fallarEn)
            return QStringLiteral("fallo simulado");
        const QString error = OperacionesArchivo::Copiar(origen, destino, permisos);
        if (danarNuevo && destino.endsWith(QLatin1String(".rentiva.nuevo"))) {
            QFile f(destino);
            f.open(QIODevice::Append);
            f.write("x");
        }
        return error;
    }
    QString Renombrar(const QString& de, const QString& a) override
    {
        if (++llamadas == fallarEn)
            return QStringLiteral("fallo simulado");
        return OperacionesArchivo::Renombrar(de, a);
    }
};

}  // namespace

TEST(Utilidad, ReadsItsArguments)
{
    const QString hex(64, u'a');
    const struct {
        QStringList argumentos;
        bool ok;
    } casos[] = {
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42", "--sha256", hex, "--espera", "5", "--sin-ventana"}, true},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42", "--sha256", hex.toUpper()}, true},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42"}, false},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42", "--sha256", hex.left(63)}, false},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "0", "--sha256", hex}, false},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "x", "--sha256", hex}, false},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42", "--sha256", hex, "--espera", "-1"}, false},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42", "--sha256", hex, "--otra"}, false},
        {{"--carpeta", "/d", "--nuevo", "n", "--pid", "42", "--sha256"}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.argumentos.join(' ').toStdString());
        PeticionReemplazo p;
        QString error;
        EXPECT_EQ(LeerArgumentos(c.argumentos, &p, &error), c.ok) << error.toStdString();
        EXPECT_EQ(error.isEmpty(), c.ok);
        if (c.ok) {
            EXPECT_EQ(p.pid, 42);
            EXPECT_EQ(p.sha256, hex.toLatin1());
        }
    }
    PeticionReemplazo p;
    QString error;
    ASSERT_TRUE(LeerArgumentos(casos[0].argumentos, &p, &error));
    EXPECT_EQ(p.esperaSegundos, 5);
    EXPECT_TRUE(p.sinVentana);

    QProcess utilidad;
    utilidad.start(QStringLiteral(UTILIDAD_PATH), {"--pid", "1"});
    ASSERT_TRUE(utilidad.waitForFinished(10'000));
    EXPECT_EQ(utilidad.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(utilidad.readAllStandardError()).contains("uso: utilidad"));
}

TEST(Utilidad, WaitsForTheProgramThenReplacesIt)
{
    Carpeta c;
    QProcess programa;
    programa.start(c.Programa(), {"60"});
    ASSERT_TRUE(programa.waitForStarted());
    EXPECT_TRUE(EjecutaPrograma(programa.processId(), c.Programa()));
    // This test's own pid runs another program: it counts as ended.
    EXPECT_FALSE(EjecutaPrograma(QCoreApplication::applicationPid(), c.Programa()));

    QProcess utilidad;
    utilidad.start(QStringLiteral(UTILIDAD_PATH), c.Argumentos(programa.processId(), 30));
    ASSERT_TRUE(utilidad.waitForStarted());
    EXPECT_FALSE(utilidad.waitForFinished(1000));
    EXPECT_EQ(Bytes(c.Programa()), c.viejo);   // nothing replaced while it runs
    programa.kill();
    programa.waitForFinished();
    EXPECT_FALSE(EjecutaPrograma(programa.processId(), c.Programa()));

    ASSERT_TRUE(utilidad.waitForFinished(20'000));
    EXPECT_EQ(utilidad.exitCode(), 0) << utilidad.readAllStandardError().toStdString();
    EXPECT_EQ(Bytes(c.Programa()), c.nuevo);
    EXPECT_TRUE(QFileInfo(c.Programa()).isExecutable());
    EXPECT_EQ(Bytes(c.Respaldo()), c.viejo);
    EXPECT_EQ(c.Ficheros(), QStringList({"rentiva", "rentiva.anterior"}));
}

TEST(Utilidad, GivesUpOnAProgramThatDoesNotEnd)
{
    Carpeta c;
    QProcess programa;
    programa.start(c.Programa(), {"60"});
    ASSERT_TRUE(programa.waitForStarted());
    QProcess utilidad;
    utilidad.start(QStringLiteral(UTILIDAD_PATH), c.Argumentos(programa.processId(), 1));
    ASSERT_TRUE(utilidad.waitForFinished(20'000));
    EXPECT_EQ(utilidad.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(utilidad.readAllStandardError()).contains("sigue abierto"));
    EXPECT_EQ(Bytes(c.Programa()), c.viejo);
    EXPECT_EQ(c.Ficheros(), QStringList({"new_rentiva", "rentiva"}));
    programa.kill();
    programa.waitForFinished();
}

TEST(Utilidad, WrongChecksumChangesNothing)
{
    Carpeta c;
    PeticionReemplazo p = c.Peticion();
    p.sha256 = QByteArray(64, '0');
    OperacionesArchivo ops;
    const ResultadoReemplazo r = Reemplazar(p, ops);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.mensaje.contains("no coincide con su suma SHA-256")) << r.mensaje.toStdString();
    EXPECT_EQ(Bytes(c.Programa()), c.viejo);
    EXPECT_EQ(c.Ficheros(), QStringList({"new_rentiva", "rentiva"}));
}

// Whatever step fails, the program file ends as it was, byte for byte, and no temporary
// file stays behind.
TEST(Utilidad, AnyFailureRestoresTheOldProgram)
{
    const struct {
        const char* caso;
        int fallarEn;
        bool danarNuevo;
        const char* mensaje;
    } casos[] = {
        {"backup copy", 1, false, "no se ha cambiado nada"},
        {"backup rename", 2, false, "no se ha cambiado nada"},
        {"new copy", 3, false, "sigue como estaba"},
        {"rename over the program", 4, false, "sigue como estaba"},
        {"installed program differs", 0, true, "sigue como estaba"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Carpeta carpeta;
        OperacionesQueFallan ops;
        ops.fallarEn = c.fallarEn;
        ops.danarNuevo = c.danarNuevo;
        const ResultadoReemplazo r = Reemplazar(carpeta.Peticion(), ops);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.mensaje.contains(QString::fromUtf8(c.mensaje))) << r.mensaje.toStdString();
        EXPECT_EQ(Bytes(carpeta.Programa()), carpeta.viejo);
        // The backup is kept once it was written whole.
        const bool respaldo = c.fallarEn == 0 || c.fallarEn > 2;
        EXPECT_EQ(carpeta.Ficheros(), respaldo ? QStringList({"new_rentiva", "rentiva", "rentiva.anterior"})
                                               : QStringList({"new_rentiva", "rentiva"}));
        if (respaldo) {
            EXPECT_EQ(Bytes(carpeta.Respaldo()), carpeta.viejo);
        }
    }

    // When even the restore fails, the message says how to put the backup back by hand.
    Carpeta carpeta;
    OperacionesQueFallan ops;
    ops.danarNuevo = true;
    ops.fallarEn = 5;
    const ResultadoReemplazo r = Reemplazar(carpeta.Peticion(), ops);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.mensaje.contains("Copie " + carpeta.Respaldo())) << r.mensaje.toStdString();
    EXPECT_EQ(Bytes(carpeta.Respaldo()), carpeta.viejo);
}
