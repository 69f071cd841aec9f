#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "servidor_prueba.h"

namespace {

// rentiva-cli in a child process while this process's event loop keeps the server answering.
int Cli(const QStringList& args, QString* out, QString* err)
{
    QProcess p;
    QEventLoop bucle;
    QObject::connect(&p, &QProcess::finished, &bucle, &QEventLoop::quit);
    p.start(QStringLiteral(RENTIVA_CLI_PATH), args);
    if (!p.waitForStarted())
        return -1;
    bucle.exec();
    *out = QString::fromUtf8(p.readAllStandardOutput());
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

}  // namespace

TEST(BuscarActualizacionCli, DownloadsWithoutHandOverOrSaysWhy)
{
    const QByteArray release = QByteArray("programa nuevo\x00\xff", 16).repeated(100);
    ServidorPrueba servidor;
    servidor.Responder("/actualizacion/RENTIVA", ServidorPrueba::Respuesta("4030"));
    servidor.Responder("/actualizacion/RENTIVA4030", ServidorPrueba::Respuesta(release));
    servidor.Responder("/actualizacion/RENTIVA4030.sha256",
                       ServidorPrueba::Respuesta(ServidorPrueba::Suma(release, "RENTIVA4030")));
    QTemporaryDir dir;
    QString out, err;

    ASSERT_EQ(Cli({"buscar-actualizacion", servidor.Direccion(), dir.path(), "--version-local", "4030"}, &out, &err), 0);
    EXPECT_EQ(out, QStringLiteral("actualizado\n"));
    ASSERT_EQ(Cli({"buscar-actualizacion", servidor.Direccion(), dir.path(), "--version-local", "4031"}, &out, &err), 0);
    EXPECT_EQ(out, QStringLiteral("anterior\n"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    ASSERT_EQ(Cli({"buscar-actualizacion", servidor.Direccion(), dir.path(), "--version-local", "4029"}, &out, &err), 0)
        << err.toStdString();
    const QByteArray suma = QCryptographicHash::hash(release, QCryptographicHash::Sha256).toHex();
    EXPECT_EQ(out, QStringLiteral("descargado 4030 %1\n").arg(QString::fromLatin1(suma)));
    QFile descarga(QDir(dir.path()).filePath(QStringLiteral("new_rentiva")));
    ASSERT_TRUE(descarga.open(QIODevice::ReadOnly));
    EXPECT_EQ(descarga.readAll(), release);

    // A custom name missing on the server: the reason in Spanish, the folder as it was.
    QTemporaryDir otra;
    EXPECT_EQ(Cli({"buscar-actualizacion", servidor.Direccion(), otra.path(), "--nombre", "parche"}, &out, &err), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(err.trimmed().isEmpty());
    EXPECT_TRUE(servidor.Pedidos().contains(QStringLiteral("/actualizacion/PARCHE.sha256"))
                || servidor.Pedidos().contains(QStringLiteral("/actualizacion/PARCHE")));
    EXPECT_TRUE(QDir(otra.path()).isEmpty());
}
