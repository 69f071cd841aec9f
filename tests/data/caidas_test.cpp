// rentiva-cli killed at chosen moments of its writes (strace fault injection): after every
// kill the files are whole (the old state or the new one, never a mixture), stock SQLite's
// integrity_check passes, and a restore or copy onto the crashed workspace gives exactly
// the copy.
#include <QDir>
#include <csignal>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "caidas_fixture.h"
#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"

using namespace caidas;

namespace {

constexpr int kPuntos = 20;
const char* const kLlamadas = "pwrite64,write,fsync,fdatasync,rename,renameat,renameat2,unlink,unlinkat,ftruncate";

QString Strace()
{
    return QStandardPaths::findExecutable(QStringLiteral("strace"));
}

// The exit code, or -1 when the program was killed.
int Ejecutar(const QStringList& args)
{
    QProcess p;
    p.start(Strace(), args);
    p.waitForFinished(60000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() == 128 + SIGKILL)
        return -1;
    return p.exitCode();
}

// The write calls of one run, in order: the places a kill can fall.
QList<QPair<QString, int>> Llamadas(const QStringList& orden, const QString& traza)
{
    QList<QPair<QString, int>> r;
    if (Ejecutar(QStringList{"-f", "-qq", "-o", traza, "-e", QStringLiteral("trace=") + kLlamadas,
                             QStringLiteral(RENTIVA_CLI_PATH)} + orden) != 0)
        return r;
    QFile f(traza);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    static const QRegularExpression kLinea(QStringLiteral("^\\d+\\s+(\\w+)\\("));
    QHash<QString, int> cuenta;
    for (const QByteArray& l : f.readAll().split('\n')) {
        const auto m = kLinea.match(QString::fromUtf8(l));
        if (m.hasMatch())
            r.append({m.captured(1), ++cuenta[m.captured(1)]});
    }
    return r;
}

// kPuntos of them: every sync, rename, unlink and truncation (where the order of a commit or
// a replacement shows), the rest spread evenly over the plain writes.
QList<QPair<QString, int>> Elegir(const QList<QPair<QString, int>>& llamadas)
{
    QList<qsizetype> raras, escrituras;
    for (qsizetype i = 0; i < llamadas.size(); ++i)
        (llamadas[i].first.contains(QLatin1String("write")) ? escrituras : raras) << i;
    QList<qsizetype> elegidas;
    const qsizetype deRaras = qMin<qsizetype>(raras.size(), kPuntos / 2);
    for (qsizetype i = 0; i < deRaras; ++i)
        elegidas << raras[i * raras.size() / deRaras];
    const qsizetype deEscrituras = qMin<qsizetype>(escrituras.size(), kPuntos - deRaras);
    for (qsizetype i = 0; i < deEscrituras; ++i)
        elegidas << escrituras[i * escrituras.size() / deEscrituras];
    std::sort(elegidas.begin(), elegidas.end());
    QList<QPair<QString, int>> r;
    for (qsizetype i : elegidas)
        r << llamadas[i];
    return r;
}

// Kills the run at its n-th call of `llamada`; true when the kill happened.
bool MatarEn(const QStringList& orden, const QPair<QString, int>& punto)
{
    return Ejecutar(QStringList{"-f", "-qq", "-o", "/dev/null", "-e",
                                QStringLiteral("inject=%1:signal=KILL:when=%2").arg(punto.first).arg(punto.second),
                                QStringLiteral(RENTIVA_CLI_PATH)} + orden) == -1;
}

// Stock sqlite3 judges the file; the layout before this one needs our collation, so our own
// connection checks it (which also recovers it, as any opening would).
QString Integridad(const QString& ruta)
{
    // Stock sqlite3 is the first to open the crashed file: its own recovery is judged.
    if (Sqlite3(ruta, QStringLiteral("PRAGMA user_version")).toInt() >= 2)
        return Sqlite3(ruta, QStringLiteral("PRAGMA integrity_check"));
    Database db(ruta);
    Statement st(db, "PRAGMA integrity_check");
    return st.next() ? st.text(0) : QString();
}

class Caidas : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (Strace().isEmpty() || Sqlite3Programa().isEmpty())
            GTEST_SKIP() << "sin strace o sin sqlite3";
        base = ws.file(QStringLiteral("base.rtv"));
        copia = ws.file(QStringLiteral("copia.rtv"));
        propietario = DemoFacturada(base, 15);
        ASSERT_FALSE(propietario.isEmpty());
        ASSERT_EQ(RunCli({"demo", copia, "--inmuebles", "6"}), 0);
        contenidoCopia = Contenido(copia);
    }

    // Runs `orden` once to find its write calls, then kPuntos times from `preparar`'s state,
    // killed at calls spread over the run, and checks each crash with `comprobar`. Then puts
    // the copy onto the crashed workspace, alternately by restore and by copy.
    void Matar(const QStringList& orden, const std::function<void()>& preparar,
               const QString& trabajo, const std::function<void(int)>& comprobar)
    {
        preparar();
        const auto llamadas = Llamadas(orden, ws.file(QStringLiteral("traza.txt")));
        if (llamadas.isEmpty())
            GTEST_SKIP() << "strace no puede seguir el programa aquí";
        int muertes = 0;
        const auto puntos = Elegir(llamadas);
        for (int i = 0; i < int(puntos.size()); ++i) {
            const auto punto = puntos[i];
            SCOPED_TRACE(QStringLiteral("%1 #%2").arg(punto.first).arg(punto.second).toStdString());
            preparar();
            muertes += MatarEn(orden, punto) ? 1 : 0;
            // The copy goes onto the crashed file with whatever journal the kill left.
            const QString caido = ws.file(QStringLiteral("caido.rtv"));
            for (const char* s : {"", "-journal"}) {
                QFile::remove(caido + QLatin1String(s));
                QFile::copy(trabajo + QLatin1String(s), caido + QLatin1String(s));
            }
            EXPECT_EQ(Integridad(trabajo), QStringLiteral("ok"));
            comprobar(i);
            QString err;
            EXPECT_EQ(RunCli({i % 2 ? "copia" : "restaurar", copia, caido}, nullptr, &err), 0) << err.toStdString();
            EXPECT_EQ(Contenido(caido), contenidoCopia);
        }
        EXPECT_EQ(puntos.size(), kPuntos);
        EXPECT_GE(muertes, kPuntos * 3 / 4);
        EXPECT_TRUE(QDir(ws.dir()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".caido.rtv.rentiva-")).isEmpty());
    }

    void Reponer(const QString& desde, const QString& hacia)
    {
        for (const char* s : {"", "-journal"})
            QFile::remove(hacia + QLatin1String(s));
        ASSERT_TRUE(QFile::copy(desde, hacia));
    }

    qint64 Contar(const QString& ruta, const char* sql)
    {
        Database db(ruta, Database::Mode::ReadOnly);
        return QueryInteger(db, QString::fromLatin1(sql));
    }

    TempWorkspace ws;
    QString base, copia, propietario, contenidoCopia;
};

}  // namespace

TEST_F(Caidas, Facturar)
{
    const QString f = ws.file(QStringLiteral("f.rtv"));
    const qint64 propiedades = Contar(base, "SELECT COUNT(*) FROM recibo");
    Matar({"facturar", f, "2024-02"}, [&] { Reponer(base, f); }, f, [&](int) {
        const qint64 nuevos = Contar(f, "SELECT COUNT(*) FROM recibo WHERE fecha_facturacion LIKE '2024-02%'");
        const qint64 runs = Contar(f, "SELECT COUNT(*) FROM facturacion WHERE fecha LIKE '2024-02%'");
        EXPECT_TRUE((nuevos == 0 && runs == 0) || (nuevos == propiedades && runs == 1)) << nuevos << ' ' << runs;
    });
}

TEST_F(Caidas, Copia)
{
    const QString destino = ws.file(QStringLiteral("destino.rtv"));
    const QString antes = Contenido(copia);
    const QString despues = Contenido(base);
    Matar({"copia", base, destino}, [&] { Reponer(copia, destino); }, destino, [&](int) {
        const QString ahora = Contenido(destino);
        EXPECT_TRUE(ahora == antes || ahora == despues);
        EXPECT_EQ(Contenido(base), despues);
    });
}

TEST_F(Caidas, Restaurar)
{
    const QString destino = ws.file(QStringLiteral("destino.rtv"));
    const QString antes = Contenido(base);
    Matar({"restaurar", copia, destino}, [&] { Reponer(base, destino); }, destino, [&](int) {
        const QString ahora = Contenido(destino);
        EXPECT_TRUE(ahora == antes || ahora == contenidoCopia);
    });
}

TEST_F(Caidas, Remesa)
{
    const QString f = ws.file(QStringLiteral("f.rtv"));
    const QString fichero = ws.file(QStringLiteral("remesa.pr1"));
    const QString listado = ws.file(QStringLiteral("listado.pdf"));
    Reponer(base, f);
    ASSERT_EQ(RunCli({"remesa", f, propietario, "2024-01", fichero}), 0);
    const QByteArray nuevo = LeerBytes(fichero);
    const QString contenido = Contenido(f);
    Matar({"remesa", f, propietario, "2024-01", fichero, "--listado", listado},
          [&] {
              Reponer(base, f);
              EscribirBytes(fichero, "anterior");
              EscribirBytes(listado, "anterior");
          },
          f, [&](int) {
              const QByteArray b = LeerBytes(fichero), l = LeerBytes(listado);
              EXPECT_TRUE(b == "anterior" || b == nuevo);
              EXPECT_TRUE(l == "anterior" || (l.startsWith("%PDF") && l.trimmed().endsWith("%%EOF")));
              EXPECT_EQ(Contenido(f), contenido);
          });
}

TEST_F(Caidas, Actualizar)
{
    const QString vieja = ws.file(QStringLiteral("vieja.rtv"));
    const QString f = ws.file(QStringLiteral("f.rtv"));
    Reponer(base, vieja);
    VolverAlDisenoAnterior(vieja);
    const qint64 recibos = Contar(vieja, "SELECT COUNT(*) FROM recibo");
    Matar({"actualizar", f}, [&] { Reponer(vieja, f); }, f, [&](int) {
        Database db(f, Database::Mode::ReadOnly);
        const int version = db.userVersion();
        EXPECT_TRUE(version == 1 || version == 2) << version;
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo")), recibos);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%ES_NOCASE%'")) > 0,
                  version == 1);
    });
}
