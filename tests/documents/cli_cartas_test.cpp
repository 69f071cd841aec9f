#include <QFile>

#include "documents_fixture.h"
#include "lector_rtf.h"

namespace {

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST_F(DocumentsTest, CliRevisionPrintsTheColumnsAndStoresOnlyWhenConfirmed)
{
    const QString ref = QString::number(Inmueble({}));
    const QString rtf = ws.file(QStringLiteral("aumento.rtf"));
    QString out, err;
    ASSERT_EQ(RunCli({"carta", ws.workspacePath(), ref, "aumento", rtf, "--ipc", "-1,5", "--hoy", "2024-03-05"}, &out, &err), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("-1,50 %\nRenta\t600,00\t591,00\nCOMUNIDAD\t30,00\t29,55\n"
                                  "IVA 21%\t126,00\t130,32\nIRPF\t-114,00\t-117,90\nTOTAL\t642,00\t632,97\n"));
    EXPECT_TRUE(TextoDeRtf(Leer(rtf)).contains(QStringLiteral("bajarle la renta un 1,50 %")));
    EXPECT_EQ(Contar("SELECT renta FROM inmueble"), 6000000);

    const QString txt = ws.file(QStringLiteral("aumento.txt"));
    ASSERT_EQ(RunCli({"carta", ws.workspacePath(), ref, "aumento", txt, "--ipc", "-1,5", "--hoy", "2024-03-05",
                      "--confirmar"}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(Contar("SELECT renta FROM inmueble"), 5910000);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE notas LIKE '%- 5/3/2024 CARTA DE AUMENTO DE 600,00 A 591,00.'"), 1);
    EXPECT_TRUE(QString::fromUtf8(Leer(txt)).contains(QStringLiteral("\r\n  Renta Actual ")));
}

TEST_F(DocumentsTest, CliClaimAndRescissionLetters)
{
    const QString ref = QString::number(Inmueble({}));
    const QString salida = ws.file(QStringLiteral("requerimiento.txt"));
    QString out, err;
    ASSERT_EQ(RunCli({"carta", ws.workspacePath(), ref, "requerimiento", salida, "--hoy", "2024-01-10", "--mes", "1",
                      "--mes", "2=600", "--concepto", "Agua=12,5"}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1.254,50\n"));
    const QString texto = QString::fromUtf8(Leer(salida));
    EXPECT_TRUE(texto.contains(QStringLiteral("de los meses de DICIEMBRE del 2023 y ENERO del 2024 [1.242,00€], así como  Agua")));

    for (const char* tipo : {"aviso-rescision", "rescision"}) {
        const QString archivo = ws.file(QString::fromLatin1(tipo) + QStringLiteral(".txt"));
        EXPECT_EQ(RunCli({"carta", ws.workspacePath(), ref, tipo, archivo}, &out, &err), 0) << tipo;
        EXPECT_TRUE(QString::fromUtf8(Leer(archivo)).contains(QStringLiteral("CALLE MAYOR 12 de TOLEDO, de fecha"))) << tipo;
    }
}

TEST_F(DocumentsTest, CliLettersRefuseWithoutLeavingAFile)
{
    const QString ref = QString::number(Inmueble({}));
    const QString sinDueno = QString::number(Inmueble({.arrendador = QStringLiteral("NADIE")}));
    const QString salida = ws.file(QStringLiteral("carta.txt"));
    const struct { QStringList args; int rc; const char* mensaje; } casos[] = {
        {{sinDueno, "rescision", salida}, 1, "propietario erroneo no encontrado = NADIE"},
        {{"99", "rescision", salida}, 1, "El inmueble 99 no existe"},
        {{ref, "rescision", ws.dir() + QStringLiteral("/no/hay/carpeta.txt")}, 1, "No existe la carpeta"},
        {{ref, "felicitacion", salida}, 2, "TIPO es aumento"},
        {{ref, "aumento", salida}, 2, "--ipc"},
        {{ref, "rescision", salida, "--ipc", "3"}, 2, "--ipc y --confirmar"},
        {{ref, "requerimiento", salida, "--mes", "7"}, 2, "--mes espera"},
        {{ref, "requerimiento", salida, "--concepto", "Agua=doce"}, 2, "no es un importe"},
        {{ref, "rescision", salida, "--hoy", "10/01/2024"}, 2, "--hoy espera"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensaje);
        QString out, err;
        EXPECT_EQ(RunCli(QStringList{"carta", ws.workspacePath()} + c.args, &out, &err), c.rc);
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.mensaje))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(salida));
    }
}

TEST_F(DocumentsTest, CliFieldsAndTemplates)
{
    const QString ref = QString::number(Inmueble({.arrendador = QStringLiteral("NADIE")}));
    QString out, err;
    ASSERT_EQ(RunCli({"campos", ws.workspacePath(), ref, "--hoy", "2024-03-01"}, &out, &err), 0);
    const QStringList lineas = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 43);
    EXPECT_EQ(lineas[8], QStringLiteral("9\t_Fecha_Hoy_\tuno de marzo del  dos mil veinticuatro"));
    EXPECT_EQ(lineas[9], QStringLiteral("10\t_Nombre_Arrendador_\t "));
    EXPECT_EQ(err, QStringLiteral("propietario erroneo no encontrado = NADIE\n"));

    const QString plantilla = ws.file(QStringLiteral("plantilla.txt"));
    QFile f(plantilla);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Estimado _NOMBRE_INQUILINO_:\r\nsu renta es de _Renta_Numero_\xC2\xA0mensuales.\r\n");
    f.close();
    const QString salida = ws.file(QStringLiteral("lleno.txt"));
    ASSERT_EQ(RunCli({"rellenar", ws.workspacePath(), ref, plantilla, salida}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("2\n"));
    EXPECT_EQ(Leer(salida), QByteArray("Estimado ANA:\r\nsu renta es de 600,00 \xE2\x82\xAC\xC2\xA0mensuales.\r\n"));
    EXPECT_EQ(RunCli({"rellenar", ws.workspacePath(), ref, plantilla, plantilla}, &out, &err), 1);
}
