#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSslCertificate>
#include <QSslSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "servidor_prueba.h"
#include "update/actualizacion.h"

namespace {

// A release that does not start with "M" and holds zero bytes: it must be stored whole.
const QByteArray kBinario = QByteArray("\x00\x01ZZ\r\n\r\nprograma nuevo\x00\xff", 22).repeated(40);

struct Entorno {
    QTemporaryDir dir;
    ServidorPrueba servidor;
    CActualizador actualizador;
    QList<QStringList> lanzados;   // the argument lists utilidad was started with
    bool lanzarFunciona = true;

    explicit Entorno(bool tls = false) : servidor(tls)
    {
        QFile utilidad(dir.filePath(kProgramaUtilidad));
        utilidad.open(QIODevice::WriteOnly);
        utilidad.setPermissions(utilidad.permissions() | QFileDevice::ExeOwner);
    }

    OpcionesActualizacion Opciones()
    {
        OpcionesActualizacion o;
        o.servidor = servidor.Direccion();
        o.carpeta = dir.path();
        o.limites.esperaMs = 5000;
        o.lanzar = [this](const QString& programa, const QStringList& argumentos) {
            EXPECT_EQ(programa, dir.filePath(kProgramaUtilidad));
            lanzados << argumentos;
            return lanzarFunciona;
        };
        return o;
    }
    ResultadoActualizacion Comprobar(const QString& nombre = QString())
    {
        return actualizador.ComprobarYEsperar(Opciones(), nombre);
    }
    // Everything in the program's folder but utilidad: the download, or any leftover.
    QStringList Ficheros() const
    {
        QStringList r = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        r.removeAll(kProgramaUtilidad);
        return r;
    }
    QByteArray Descarga() const
    {
        QFile f(dir.filePath(kFicheroDescarga));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ninguna)");
    }
};

void Publicar(ServidorPrueba& s, const QByteArray& version, const QByteArray& release)
{
    s.Responder("/actualizacion/RENTIVA", ServidorPrueba::Respuesta(version));
    s.Responder("/actualizacion/RENTIVA4030", release);
    s.Responder("/actualizacion/RENTIVA4030.sha256", ServidorPrueba::Respuesta(ServidorPrueba::Suma(kBinario, "RENTIVA4030")));
}

}  // namespace

TEST(ComprobarActualizacion, AnswersOfTheServer)
{
    const QByteArray ok = ServidorPrueba::Respuesta(kBinario);
    const struct {
        const char* caso;
        QByteArray version;
        QByteArray release;
        int codigo;
        const char* motivo;     // part of the Spanish reason
        int pedidos;            // requests the check made
    } casos[] = {
        {"same version", "4029", ok, kAlDia, "al día", 1},
        {"older version", "4028", ok, kVersionAnterior, "anterior a la instalada (4029)", 1},
        {"newer, with a line end", "4030\r\n", ok, kDescargado, "Rentiva se cerrará", 3},
        {"chunked body", "4030", ServidorPrueba::Troceada(kBinario), kDescargado, "Rentiva se cerrará", 3},
        {"an HTML page as version", "<html><body>4030</body></html>", ok, kSinVersion, "no es un número", 1},
        {"empty version", "", ok, kSinVersion, "vacío", 1},
        {"release missing", "4030", ServidorPrueba::Respuesta("no", 404), kDescargaFallida, "código 404", 3},
        {"empty release", "4030", ServidorPrueba::Respuesta(""), kDescargaFallida, "vacío", 3},
        {"truncated release", "4030", ServidorPrueba::Respuesta(kBinario).chopped(100), kDescargaFallida,
         "RENTIVA4030", 3},
        {"release other than its checksum", "4030", ServidorPrueba::Respuesta(kBinario + "x"), kDescargaFallida,
         "no coincide con su suma SHA-256", 3},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Entorno e;
        Publicar(e.servidor, c.version, c.release);
        const ResultadoActualizacion r = e.Comprobar();
        EXPECT_EQ(r.codigo, c.codigo);
        EXPECT_TRUE(r.motivo.contains(QString::fromUtf8(c.motivo))) << r.motivo.toStdString();
        EXPECT_EQ(e.servidor.Pedidos().size(), c.pedidos) << e.servidor.Pedidos().join(' ').toStdString();
        if (c.codigo == kDescargado) {
            EXPECT_EQ(e.Descarga(), kBinario);
            EXPECT_EQ(e.servidor.Pedidos(), QStringList({"/actualizacion/RENTIVA", "/actualizacion/RENTIVA4030.sha256",
                                                         "/actualizacion/RENTIVA4030"}));
            ASSERT_EQ(e.lanzados.size(), 1);
            EXPECT_EQ(e.lanzados[0].mid(0, 4), QStringList({"--carpeta", e.dir.path(), "--nuevo",
                                                            e.dir.filePath(kFicheroDescarga)}));
            EXPECT_EQ(e.lanzados[0].mid(6), QStringList({"--sha256", QString::fromLatin1(r.sha256)}));
        } else {
            // No hand-over and nothing half-written in the program's folder.
            EXPECT_TRUE(e.lanzados.isEmpty());
            EXPECT_TRUE(e.Ficheros().isEmpty()) << e.Ficheros().join(' ').toStdString();
        }
    }
}

TEST(ComprobarActualizacion, VersionFileMissingSaysSoAndAsksNothingMore)
{
    Entorno e;
    e.servidor.Responder("/actualizacion/RENTIVA", ServidorPrueba::Respuesta("no", 404));
    const ResultadoActualizacion r = e.Comprobar();
    EXPECT_EQ(r.codigo, kSinVersion);
    EXPECT_TRUE(r.motivo.contains(QStringLiteral("404"))) << r.motivo.toStdString();
    EXPECT_EQ(e.servidor.Pedidos(), QStringList({"/actualizacion/RENTIVA"}));
    EXPECT_TRUE(e.lanzados.isEmpty());
    EXPECT_TRUE(e.Ficheros().isEmpty()) << e.Ficheros().join(' ').toStdString();
}

TEST(ComprobarActualizacion, NoChecksumNoDownload)
{
    Entorno e;
    e.servidor.Responder("/actualizacion/RENTIVA", ServidorPrueba::Respuesta("4030"));
    e.servidor.Responder("/actualizacion/RENTIVA4030", ServidorPrueba::Respuesta(kBinario));
    const ResultadoActualizacion r = e.Comprobar();
    EXPECT_EQ(r.codigo, kDescargaFallida);
    EXPECT_TRUE(r.motivo.contains("RENTIVA4030.sha256"));
    EXPECT_FALSE(e.servidor.Pedidos().contains("/actualizacion/RENTIVA4030"));
    EXPECT_TRUE(e.Ficheros().isEmpty());
}

TEST(ComprobarActualizacion, UnreachableServerGivesNoVersion)
{
    Entorno e;
    OpcionesActualizacion o = e.Opciones();
    {
        ServidorPrueba cerrado;
        o.servidor = cerrado.Direccion();
    }
    const ResultadoActualizacion r = e.actualizador.ComprobarYEsperar(o, QString());
    EXPECT_EQ(r.codigo, kSinVersion);
    EXPECT_TRUE(r.motivo.contains("rechazó la conexión")) << r.motivo.toStdString();
}

TEST(ComprobarActualizacion, StallAfterHeadersEndsAtTheTimeoutLeavingNothing)
{
    Entorno e;
    Publicar(e.servidor, "4030", "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\nMZ");
    e.servidor.Responder("/actualizacion/RENTIVA4030", "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\nMZ", true);
    OpcionesActualizacion o = e.Opciones();
    o.limites.esperaMs = 1000;
    QElapsedTimer reloj;
    reloj.start();
    const ResultadoActualizacion r = e.actualizador.ComprobarYEsperar(o, QString());
    EXPECT_LT(reloj.elapsed(), 10'000);
    EXPECT_EQ(r.codigo, kDescargaFallida);
    EXPECT_TRUE(r.motivo.contains("dejó de responder")) << r.motivo.toStdString();
    EXPECT_TRUE(e.Ficheros().isEmpty()) << e.Ficheros().join(' ').toStdString();
}

TEST(ComprobarActualizacion, RunsOncePerRun)
{
    Entorno e;
    Publicar(e.servidor, "4029", {});
    EXPECT_EQ(e.Comprobar().codigo, kAlDia);
    EXPECT_TRUE(e.actualizador.Comprobado());
    const ResultadoActualizacion r = e.Comprobar();
    EXPECT_EQ(r.codigo, kYaComprobado);
    EXPECT_FALSE(r.motivo.isEmpty());
    EXPECT_EQ(e.servidor.Pedidos().size(), 1);
}

TEST(ComprobarActualizacion, CustomNameSkipsTheVersion)
{
    Entorno e;
    e.servidor.Responder("/actualizacion/PRUEBA", ServidorPrueba::Respuesta(kBinario));
    e.servidor.Responder("/actualizacion/PRUEBA.sha256", ServidorPrueba::Respuesta(ServidorPrueba::Suma(kBinario, "PRUEBA")));
    const ResultadoActualizacion r = e.Comprobar(QStringLiteral("PRUEBA"));
    EXPECT_EQ(r.codigo, kDescargado);
    EXPECT_EQ(r.etiqueta, "PRUEBA");
    EXPECT_EQ(e.servidor.Pedidos(), QStringList({"/actualizacion/PRUEBA.sha256", "/actualizacion/PRUEBA"}));
    EXPECT_EQ(e.Descarga(), kBinario);
}

// Refused before any request, and not counted as the run's check.
TEST(ComprobarActualizacion, RefusesAddressesAndNamesBeforeAnyRequest)
{
    const struct {
        const char* servidor;   // nullptr: the test server
        const char* nombre;
        int codigo;
        const char* motivo;
    } casos[] = {
        {"http://actualizaciones.example.com", "", kSinVersion, "Solo se admiten direcciones https://"},
        {"ftp://127.0.0.1", "", kSinVersion, "Solo se admiten direcciones https://"},
        {"servidor.es", "", kSinVersion, "Solo se admiten direcciones https://"},
        {"", "", kSinVersion, "No hay ningún servidor"},
        {nullptr, "../x", kDescargaFallida, "no es válido"},
        {nullptr, "..", kDescargaFallida, "no es válido"},
        {nullptr, "A B", kDescargaFallida, "no es válido"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        SCOPED_TRACE(c.servidor ? c.servidor : "(test server)");
        Entorno e;
        OpcionesActualizacion o = e.Opciones();
        if (c.servidor)
            o.servidor = QString::fromUtf8(c.servidor);
        const ResultadoActualizacion r = e.actualizador.ComprobarYEsperar(o, QString::fromUtf8(c.nombre));
        EXPECT_EQ(r.codigo, c.codigo);
        EXPECT_TRUE(r.motivo.contains(QString::fromUtf8(c.motivo))) << r.motivo.toStdString();
        EXPECT_FALSE(e.actualizador.Comprobado());
        EXPECT_TRUE(e.servidor.Pedidos().isEmpty());
    }
}

TEST(ComprobarActualizacion, FolderNotWritableMeansThePackageManager)
{
    Entorno e;
    Publicar(e.servidor, "4030", ServidorPrueba::Respuesta(kBinario));
    OpcionesActualizacion o = e.Opciones();
    o.carpeta = e.dir.filePath("no/existe");
    const ResultadoActualizacion r = e.actualizador.ComprobarYEsperar(o, QString());
    EXPECT_EQ(r.codigo, kDescargaFallida);
    EXPECT_TRUE(r.motivo.contains("gestor de paquetes"));
    EXPECT_EQ(e.servidor.Pedidos(), QStringList{"/actualizacion/RENTIVA"});
}

TEST(ComprobarActualizacion, HandOverThatFailsDropsTheDownload)
{
    Entorno e;
    e.lanzarFunciona = false;
    Publicar(e.servidor, "4030", ServidorPrueba::Respuesta(kBinario));
    const ResultadoActualizacion r = e.Comprobar();
    EXPECT_EQ(r.codigo, kDescargaFallida);
    EXPECT_TRUE(r.motivo.contains("No se pudo iniciar"));
    EXPECT_EQ(e.lanzados.size(), 1);
    EXPECT_TRUE(e.Ficheros().isEmpty());
}

TEST(ComprobarActualizacion, BodyOverTheLimitIsRefused)
{
    Entorno e;
    Publicar(e.servidor, "4030", ServidorPrueba::Troceada(kBinario));
    OpcionesActualizacion o = e.Opciones();
    o.limites.maxBytes = kBinario.size() - 1;
    const ResultadoActualizacion r = e.actualizador.ComprobarYEsperar(o, QString());
    EXPECT_EQ(r.codigo, kDescargaFallida);
    EXPECT_TRUE(r.motivo.contains("bytes admitidos")) << r.motivo.toStdString();
    EXPECT_TRUE(e.Ficheros().isEmpty());
}

TEST(ComprobarActualizacion, HttpsTrustsOnlyKnownAuthorities)
{
    if (!QSslSocket::supportsSsl())
        GTEST_SKIP() << "no TLS backend";
    QFile ca(ServidorPrueba::Datos("ca.pem"));
    ASSERT_TRUE(ca.open(QIODevice::ReadOnly));
    const QList<QSslCertificate> autoridad = QSslCertificate::fromDevice(&ca);
    ASSERT_EQ(autoridad.size(), 1);
    for (const bool conocida : {false, true}) {
        SCOPED_TRACE(conocida);
        Entorno e(true);
        Publicar(e.servidor, "4029", {});
        OpcionesActualizacion o = e.Opciones();
        ASSERT_TRUE(o.servidor.startsWith("https://"));
        if (conocida)
            o.limites.autoridades = autoridad;
        const ResultadoActualizacion r = e.actualizador.ComprobarYEsperar(o, QString());
        EXPECT_EQ(r.codigo, conocida ? kAlDia : kSinVersion);
        if (!conocida) {
            EXPECT_TRUE(r.motivo.contains("certificado")) << r.motivo.toStdString();
        }
    }
}
