// Files written whole or not at all, outputs that would destroy an input, and the Spanish
// sentences for failures of the disk and of SQLite.
#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "caidas_fixture.h"
#include "data/archivo_atomico.h"
#include "data/mensajes_error.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "temp_workspace.h"
#include "util/errores.h"

using namespace caidas;

namespace {

// Writes beyond `bytes` fail with EFBIG while it lives: a disk that fills up, without root.
class LimiteTamano {
public:
    explicit LimiteTamano(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_antes);
        m_senal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{bytes, m_antes.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteTamano()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_senal);
    }

private:
    rlimit m_antes{};
    void (*m_senal)(int) = nullptr;
};

QStringList Ocultos(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".rentiva-"));
}

}  // namespace

TEST(ArchivoAtomico, AFailedWriteKeepsTheOldFileAndLeavesNoPart)
{
    TempWorkspace ws;
    const QString ruta = ws.file(QStringLiteral("salida.pdf"));
    EscribirBytes(ruta, "anterior");
    try {
        ArchivoAtomico f(ruta);
        LimiteTamano limite(64 * 1024);
        // Like the PDF engine, the writer does not look at what each write returns.
        for (int i = 0; i < 64; ++i)
            f.write(QByteArray(4096, 'p'));
        f.Publicar();
        ADD_FAILURE() << "publicó un archivo incompleto";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.Mensaje().contains(ruta)) << e.what();
    }
    EXPECT_EQ(LeerBytes(ruta), QByteArray("anterior"));
    EXPECT_TRUE(Ocultos(ws.dir()).isEmpty()) << Ocultos(ws.dir()).join(u' ').toStdString();

    EscribirArchivoAtomico(ruta, QByteArray(100'000, 'n'));
    EXPECT_EQ(LeerBytes(ruta).size(), 100'000);
    EXPECT_TRUE(Ocultos(ws.dir()).isEmpty());
}

TEST(ArchivoAtomico, FilesPublishedTogetherAreAllOrNothing)
{
    TempWorkspace ws;
    const QString a = ws.file(QStringLiteral("remesa.pr1"));
    const QString b = ws.file(QStringLiteral("listado.pdf"));
    EscribirBytes(a, "a viejo");
    EscribirBytes(b, "b viejo");
    {
        ArchivoAtomico fa(a), fb(b);
        fa.write("a nuevo");
        LimiteTamano limite(16 * 1024);
        fb.write(QByteArray(64 * 1024, 'b'));
        EXPECT_THROW(ArchivoAtomico::PublicarJuntos({&fa, &fb}), UserError);
    }
    EXPECT_EQ(LeerBytes(a), QByteArray("a viejo"));
    EXPECT_EQ(LeerBytes(b), QByteArray("b viejo"));
    EXPECT_TRUE(Ocultos(ws.dir()).isEmpty());
}

// A killed run leaves its part file; the next write of the same target removes it, but never
// the part file of a run still alive.
TEST(ArchivoAtomico, PartFilesOfKilledRunsAreRemovedByTheNextWrite)
{
    TempWorkspace ws;
    const QString ruta = ws.file(QStringLiteral("recibos.pdf"));
    const pid_t muerto = ::fork();
    if (muerto == 0)
        ::_exit(0);
    ::waitpid(muerto, nullptr, 0);
    const QString huerfano = ws.file(QStringLiteral(".recibos.pdf.rentiva-%1.tmp").arg(muerto));
    const QString vivo = ws.file(QStringLiteral(".recibos.pdf.rentiva-%1.tmp").arg(::getppid()));
    EscribirBytes(huerfano, "parte");
    EscribirBytes(huerfano + QStringLiteral("-journal"), "parte");
    EscribirBytes(vivo, "parte");
    EscribirArchivoAtomico(ruta, "completo");
    EXPECT_FALSE(QFile::exists(huerfano));
    EXPECT_FALSE(QFile::exists(huerfano + QStringLiteral("-journal")));
    EXPECT_TRUE(QFile::exists(vivo));
}

TEST(ComprobarSalidas, AnOutputThatIsTheWorkspaceByAnyNameIsRefused)
{
    TempWorkspace ws;
    const QString trabajo = ws.file(QStringLiteral("F.rtv"));
    EscribirBytes(trabajo, "base");
    ASSERT_TRUE(QDir(ws.dir()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(trabajo, ws.file(QStringLiteral("enlace.rtv"))));
    ASSERT_EQ(::link(QFile::encodeName(trabajo).constData(), QFile::encodeName(ws.file(QStringLiteral("duro.rtv"))).constData()), 0);
    EscribirBytes(ws.file(QStringLiteral("protegido.pdf")), "x");
    ASSERT_TRUE(QFile::setPermissions(ws.file(QStringLiteral("protegido.pdf")), QFile::ReadOwner | QFile::ReadGroup));
    const QString antes = QDir::currentPath();
    QDir::setCurrent(ws.file(QStringLiteral("sub")));

    const struct { const char* caso; QStringList salidas; bool admitida; } casos[] = {
        {"la misma ruta", {trabajo}, false},
        {"relativa con ..", {QStringLiteral("../F.rtv")}, false},
        {"./ y ../", {QStringLiteral("./../sub/../F.rtv")}, false},
        {"enlace simbólico", {ws.file(QStringLiteral("enlace.rtv"))}, false},
        {"enlace duro", {ws.file(QStringLiteral("duro.rtv"))}, false},
        {"su diario", {QStringLiteral("../F.rtv-journal")}, false},
        {"su wal", {trabajo + QStringLiteral("-wal")}, false},
        {"dos veces la misma", {QStringLiteral("a.pdf"), ws.file(QStringLiteral("sub/a.pdf"))}, false},
        {"solo lectura", {ws.file(QStringLiteral("protegido.pdf"))}, false},
        {"una carpeta", {ws.file(QStringLiteral("sub"))}, false},
        {"carpeta inexistente", {ws.file(QStringLiteral("no/a.pdf"))}, false},
        {"vacía", {QString()}, false},
        {"dos distintas", {QStringLiteral("a.pdf"), QStringLiteral("b.pdf")}, true},
        {"otro nombre parecido", {ws.file(QStringLiteral("F.rtv.pdf"))}, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        if (c.admitida) {
            EXPECT_NO_THROW(ComprobarSalidas({trabajo}, c.salidas));
        } else {
            try {
                ComprobarSalidas({trabajo}, c.salidas);
                ADD_FAILURE() << "admitida";
            } catch (const UserError& e) {
                EXPECT_FALSE(e.Mensaje().startsWith(u' '));
                EXPECT_TRUE(e.Mensaje().contains(c.salidas.back().isEmpty() ? QStringLiteral("Indique") : c.salidas.back()))
                    << e.what();
            }
        }
    }
    QDir::setCurrent(antes);
}

// What the user reads: Spanish, the file named, something to do, never a leading blank.
TEST(MensajesError, FailuresOfTheDiskAndOfSqliteSaySpanishSentences)
{
    const QString ruta = QStringLiteral("/datos/F.rtv");
    const struct { int codigo; const char* ingles; const char* dice; } sqlite[] = {
        {SQLITE_CANTOPEN, "unable to open database file", "No se puede abrir"},
        {SQLITE_FULL, "database or disk is full", "lleno"},
        {SQLITE_READONLY, "attempt to write a readonly database", "solo lectura"},
        {SQLITE_READONLY_DBMOVED, "attempt to write a readonly database", "vuelva a abrirlo"},
        {SQLITE_READONLY_ROLLBACK, "attempt to write a readonly database", "cierre inesperado"},
        {SQLITE_BUSY, "database is locked", "en uso por otro programa"},
        {SQLITE_CORRUPT, "database disk image is malformed", "dañado"},
        {SQLITE_NOTADB, "file is not a database", "no es una base de datos"},
        {SQLITE_IOERR_WRITE, "disk I/O error", "Error del disco"},
        {SQLITE_CONSTRAINT_UNIQUE, "UNIQUE constraint failed: propietario.clave_nombre", "ya existe"},
    };
    for (const auto& c : sqlite) {
        SCOPED_TRACE(c.ingles);
        const QString m = MensajeErrorSqlite(c.codigo, ruta, QString::fromLatin1(c.ingles));
        EXPECT_TRUE(m.startsWith(QString::fromUtf8(c.dice)) || m.contains(QString::fromUtf8(c.dice))) << m.toStdString();
        EXPECT_TRUE(m.contains(ruta));
        EXPECT_FALSE(m.startsWith(QString::fromLatin1(c.ingles)));
        EXPECT_TRUE(m.endsWith(QStringLiteral("(%1)").arg(QLatin1String(c.ingles)))) << m.toStdString();
    }
    // Our triggers already speak Spanish.
    EXPECT_EQ(MensajeErrorSqlite(SQLITE_CONSTRAINT_TRIGGER, ruta, QStringLiteral("El campo «dc» admite como máximo 2 caracteres.")),
              QStringLiteral("El campo «dc» admite como máximo 2 caracteres."));

    const struct { int errnum; const char* dice; } archivo[] = {
        {ENOSPC, "No queda espacio"}, {EACCES, "permiso"}, {EROFS, "solo lectura"},
        {ENOENT, "No existe la carpeta"}, {EISDIR, "es una carpeta"},
    };
    for (const auto& c : archivo) {
        SCOPED_TRACE(c.dice);
        const QString m = MensajeErrorArchivo(c.errnum, ruta, AccionArchivo::Escribir);
        EXPECT_TRUE(m.contains(QString::fromUtf8(c.dice)) && m.contains(ruta)) << m.toStdString();
        EXPECT_FALSE(m.contains(QStringLiteral("No space left")) || m.contains(QStringLiteral("Permission denied")));
    }
}

// A new workspace takes its name only when complete, and never a name taken meanwhile.
TEST(ArchivoAtomico, ANewWorkspaceIsNamedOnlyWhenComplete)
{
    TempWorkspace ws;
    const QString ruta = ws.file(QStringLiteral("nueva.rtv"));
    EXPECT_THROW(CrearWorkspace(ruta, [&](Database&) {
                     EXPECT_FALSE(QFile::exists(ruta));
                     throw UserError(QStringLiteral("interrumpido"));
                 }),
                 UserError);
    EXPECT_FALSE(QFile::exists(ruta));
    EXPECT_TRUE(Ocultos(ws.dir()).isEmpty());

    EXPECT_THROW(CrearWorkspace(ruta, [&](Database&) { EscribirBytes(ruta, "de otro programa"); }), UserError);
    EXPECT_EQ(LeerBytes(ruta), QByteArray("de otro programa"));
    EXPECT_TRUE(Ocultos(ws.dir()).isEmpty());
}
