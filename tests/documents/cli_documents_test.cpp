#include <QFile>

#include "documents_fixture.h"
#include "lector_rtf.h"

namespace {

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

}  // namespace

TEST_F(DocumentsTest, CliWritesTheContractAndPrintsThePayments)
{
    const QString ref = QString::number(Inmueble({}));
    const QString txt = ws.file(QStringLiteral("contrato.txt"));
    QString out, err;
    ASSERT_EQ(RunCli({"contrato", ws.workspacePath(), ref, txt, "--pagos", "2", "--sin-otros-conceptos",
                      "--equipo", "lavadora,television", "--coarrendatario", "LUIS;N.I.E.;X1;francesa",
                      "--coarrendatario", "EVA;D.N.I.;2;española"}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Fianza, un mes\t600,00\nRenta 16 días restantes mes ABRIL\t320,00\n"
                                  "Renta adelantada de MAYO\t600,00\nTOTAL\t1.520,00\n"));
    const QString texto = QString::fromUtf8(Leer(txt));
    EXPECT_TRUE(texto.contains(QStringLiteral("SEGUNDA.- El apartamento se arrienda vacío de muebles, excepto television, lavadora,")));
    EXPECT_TRUE(texto.contains(QStringLiteral("De otra parte, ANA, EVA y LUIS,")));
    EXPECT_TRUE(texto.contains(QStringLiteral("\r\n          EL ARRENDADOR")));

    // RTF for .rtf, the font height from the settings.
    QFile ajustes(ws.settingsPath());
    ASSERT_TRUE(ajustes.open(QIODevice::WriteOnly));
    ajustes.write(R"({"Contrato": {"AltoLetra": 12}})");
    ajustes.close();
    const QString rtf = ws.file(QStringLiteral("contrato.rtf"));
    ASSERT_EQ(RunCli({"contrato", ws.workspacePath(), ref, rtf}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(Leer(rtf).contains("\\fs24 "));
    EXPECT_TRUE(TextoDeRtf(Leer(rtf)).contains(QStringLiteral("De otra parte, ANA, con domicilio")));

    // A model: filled, and never written over itself.
    const QString modelo = ws.file(QStringLiteral("modelo.rtf"));
    Escribir(modelo, "{\\rtf1 Arrendatario: &Nombre; duraci\\'f3n &Duraci}");
    const QString lleno = ws.file(QStringLiteral("lleno.rtf"));
    ASSERT_EQ(RunCli({"contrato", ws.workspacePath(), ref, lleno, "--modelo", modelo, "--meses", "18"}, &out, &err), 0);
    EXPECT_EQ(TextoDeRtf(Leer(lleno)), QStringLiteral("Arrendatario: ANA; duración un año y medio año"));
    EXPECT_EQ(RunCli({"contrato", ws.workspacePath(), ref, modelo, "--modelo", modelo}, &out, &err), 1);
    EXPECT_EQ(Leer(modelo), QByteArray("{\\rtf1 Arrendatario: &Nombre; duraci\\'f3n &Duraci}"));
}

TEST_F(DocumentsTest, CliRefusesWithoutLeavingAFile)
{
    const QString ref = QString::number(Inmueble({}));
    const QString sinFecha = QString::number(Inmueble({.fecha = QDate()}));
    const QString salida = ws.file(QStringLiteral("x.txt"));
    const struct { QStringList args; int rc; const char* mensaje; } casos[] = {
        {{ref, salida, "--representante", "NADIE"}, 1, "propietario erroneo no encontrado = NADIE"},
        {{sinFecha, salida}, 1, "Error con fecha alquiler"},
        {{"99", salida}, 1, "El inmueble no existe"},
        {{ref, salida, "--modelo", ws.file(QStringLiteral("falta.rtf"))}, 1, "Error al leer el archivo"},
        {{ref, salida, "--meses", "7"}, 2, "múltiplo de 6"},
        {{ref, salida, "--equipo", "piscina"}, 2, "piscina"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensaje);
        QString out, err;
        EXPECT_EQ(RunCli(QStringList{"contrato", ws.workspacePath()} + c.args, &out, &err), c.rc);
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.mensaje))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(salida));
    }
}

TEST_F(DocumentsTest, CliFirstPaymentWritesTheReceiptOrNothing)
{
    const QString ref = QString::number(Inmueble({.fecha = QDate(2024, 6, 1)}));
    QString out, err;
    ASSERT_EQ(RunCli({"primer-pago", ws.workspacePath(), ref}, &out, &err), 0) << err.toStdString();
    const qint64 recibo = Contar("SELECT MAX(ref) FROM recibo");
    EXPECT_EQ(out, QStringLiteral("%1\t8\t642,00\n").arg(recibo));

    // Nothing to bill: rent 0 and the other concepts left out.
    const QString vacio = QString::number(Inmueble({.renta = 0}));
    EXPECT_EQ(RunCli({"primer-pago", ws.workspacePath(), vacio, "--sin-otros-conceptos"}, &out, &err), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 8);
}
