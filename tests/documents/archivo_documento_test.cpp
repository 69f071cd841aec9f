#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "documents/archivo_documento.h"
#include "temp_workspace.h"
#include "util/errores.h"
#include <gtest/gtest.h>

TEST(ArchivoDocumento, NewNamesNeverReplaceAnEarlierDocument)
{
    TempWorkspace ws;
    const QString carpeta = ws.file(QStringLiteral("Documentos/nueva"));   // created when missing
    const QString base = NombreContrato(QDate(2024, 4, 15));
    QStringList rutas;
    for (int i = 0; i < 3; ++i) {
        const QString r = RutaDocumentoNueva(carpeta, base, QStringLiteral("rtf"));
        EscribirArchivoDocumento(r, QByteArray::number(i));
        rutas << QFileInfo(r).fileName();
    }
    EXPECT_EQ(rutas, (QStringList{"Contrato 2024-04-15.rtf", "Contrato 2024-04-15 (2).rtf",
                                  "Contrato 2024-04-15 (3).rtf"}));
    QFile f(QDir(carpeta).filePath(rutas[0]));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("0"));
    EXPECT_EQ(QFileInfo(RutaDocumentoNueva(carpeta, QStringLiteral("a/b:c"), QStringLiteral("txt"))).fileName(),
              QStringLiteral("a_b_c.txt"));
}

TEST(ArchivoDocumento, FailuresSayWhyAndLeaveNoFile)
{
    TempWorkspace ws;
    const struct { QString ruta; const char* mensaje; } escrituras[] = {
        {ws.file(QStringLiteral("no/existe/x.rtf")),
         " Error al escribir el archivo debido a:     La ruta del archivo no es válida, toda o en parte."},
        {ws.dir(), " Error al escribir el archivo debido a:    No se ha podido acceder al archivo."},
    };
    for (const auto& c : escrituras) {
        try {
            EscribirArchivoDocumento(c.ruta, "x");
            FAIL() << c.ruta.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.Mensaje(), QString::fromUtf8(c.mensaje));
        }
    }
    try {
        LeerArchivoDocumento(ws.file(QStringLiteral("modelo.rtf")));
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral(" Error al leer el archivo debido a:     No se ha encontrado el archivo."));
    }
    EXPECT_EQ(QDir(ws.dir()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 0);
    EXPECT_EQ(TextoCausaArchivo(CausaArchivo::Otra), QStringLiteral(" Error desconocido "));
}
