#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "reports/exportacion_facturacion.h"
#include "reports/salida_archivo.h"
#include "reports_fixture.h"
#include "util/cp1252.h"

namespace {

// A reader as RFC 4180 describes it: quoted fields may hold commas, line breaks and
// doubled quotes; records end at LF (or CR LF) outside quotes.
QList<QStringList> LeerCsv(const QString& texto)
{
    QList<QStringList> filas;
    QStringList fila;
    QString campo;
    bool comillas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (comillas) {
            if (c == u'"' && i + 1 < texto.size() && texto[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                comillas = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            comillas = true;
        } else if (c == u',') {
            fila << campo;
            campo.clear();
        } else if (c == u'\n') {
            fila << campo;
            filas << fila;
            fila.clear();
            campo.clear();
        } else if (c != u'\r') {
            campo += c;
        }
    }
    return filas;
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST_F(ReportsTest, CsvHeaderBytesAreCodePage1252WithLf)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("f.csv"));
    const ResultadoExportacion r = ExportarFacturacion(db, Marzo2024(), ruta, CodificacionCsv::Cp1252);
    EXPECT_EQ(r.recibos, 0);
    EXPECT_EQ(Leer(ruta), QByteArray("Numero,Fecha,\"Arrendador\",\"Direcci\xF3n\",\"Arrendatario\",\"Doc\",\"Renta\","
                                     "\"Concepto_1\",\"Importe_1\",\"Concepto_2\",\"Importe_2\",\"Concepto_3\","
                                     "\"Importe_3\",\"IVA\",\"IRPF\",\"TOTAL\",\"Cuenta Bancaria\",\"Recibo Banco\","
                                     "\"Recibo Fisico\",\"Numerar Recibo\",\"Notas\"\n"));
}

TEST_F(ReportsTest, CsvReadsBackFieldForField)
{
    Recibo({.fecha = "2007-03-31 14:00:00", .arrendador = "O'DONNELL, PATRICK", .renta = 123450, .o1 = 1000,
            .irpf = -2000, .c1 = "AGUA \"FRÍA\"", .numero = 15, .notas = "Dijo \"sí\", y\nsegunda línea"});
    Recibo({.fecha = "2007-03-01 00:00:00", .arrendador = "ANA", .renta = 0});
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("f.csv"));
    FiltroInforme f;
    f.desde = f.hasta = QDate(2007, 3, 1);
    const ResultadoExportacion r = ExportarFacturacion(db, f, ruta, CodificacionCsv::Cp1252);
    EXPECT_EQ(r.recibos, 2);
    EXPECT_EQ(r.total, Moneda::DeCentimos(122450));
    const QByteArray bytes = Leer(ruta);
    EXPECT_FALSE(bytes.contains("\r"));
    const QList<QStringList> filas = LeerCsv(DesdeCp1252(bytes));
    ASSERT_EQ(filas.size(), 3);
    for (const QStringList& fila : filas)
        EXPECT_EQ(fila.size(), 21);
    EXPECT_EQ(filas[1], (QStringList{"", "03/2007", "ANA", "MAYOR 1 1º", "LUIS", "NIF 1X", "0,00", "", "0,00", "", "0,00",
                                     "", "0,00", "0,00", "0,00", "0,00", "2100 0418 45 0200051332", "SI", "NO", "SI",
                                     ""}));
    EXPECT_EQ(filas[2].mid(0, 9), (QStringList{"15", "03/2007", "O'DONNELL, PATRICK", "MAYOR 1 1º", "LUIS", "NIF 1X",
                                               "1.234,50", "AGUA \"FRÍA\"", "10,00"}));
    EXPECT_EQ(filas[2][15], QStringLiteral("1.224,50"));
    EXPECT_EQ(filas[2][20], QStringLiteral("Dijo \"sí\", y\nsegunda línea"));
    // Ordinary values stand byte for byte, quoted.
    EXPECT_TRUE(bytes.contains(",\"1.234,50\",\"AGUA \"\"FR\xCD" "A\"\"\","));
}

TEST_F(ReportsTest, CsvRefusesWhatCodePage1252CannotHoldAndOffersUtf8)
{
    Recibo({.inquilino = "ŁUKASZ NOWAK", .numero = 9});
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("f.csv"));
    EscribirArchivo(ruta, "anterior");
    try {
        ExportarFacturacion(db, Marzo2024(), ruta, CodificacionCsv::Cp1252);
        FAIL() << "a character outside code page 1252 was written";
    } catch (const CaracterFueraCp1252& e) {
        for (const char* parte : {"MAYOR 1 1º", "03/2024", "número 9", "ŁUKASZ NOWAK", "\"Arrendatario\"", "U+0141", "UTF-8"})
            EXPECT_TRUE(e.Mensaje().contains(QString::fromUtf8(parte))) << parte << ": " << e.what();
    }
    EXPECT_EQ(Leer(ruta), QByteArray("anterior"));
    ExportarFacturacion(db, Marzo2024(), ruta, CodificacionCsv::Utf8ConBom);
    const QByteArray bytes = Leer(ruta);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFNumero,Fecha,\"Arrendador\",\"Direcci\xC3\xB3n\""));
    EXPECT_TRUE(bytes.contains("\"\xC5\x81UKASZ NOWAK\""));
}

TEST_F(ReportsTest, AFailedWriteSaysWhyAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("no/existe/f.csv"));
    try {
        ExportarFacturacion(db, Marzo2024(), ruta, CodificacionCsv::Cp1252);
        FAIL() << "writing into a missing folder succeeded";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.Mensaje().startsWith(kErrorEscribirArchivo)) << e.what();
        EXPECT_TRUE(e.Mensaje().contains(ruta));
    }
    EXPECT_FALSE(QFile::exists(ruta));
}

// The file is written from the stored bytes without decoding each receipt: every line must
// still be what LineaCsv makes of the receipt, in both encodings and for awkward values.
TEST_F(ReportsTest, CsvLinesAreTheReceiptsLinesWhateverTheirTexts)
{
    Recibo({.arrendador = "ÑANDÚ “S.L.”", .direccion = "VÍA \"LA\" 3", .piso = "2ª€", .inquilino = "ZOË\tO'HARA",
            .renta = -123456789, .iva = 5, .c2 = "a,b\r\nc", .numero = -7, .notas = "ß µ ÿ Œ ž ™"});
    Recibo({.fecha = "2024-03-3x 00:00:00", .inquilino = "EMOJI 😀 AQUÍ", .numero = 123456});
    Recibo({.fecha = "2024-03-15 09:00:00", .numero = 99});
    db.exec(QStringLiteral("UPDATE recibo SET renta = NULL, notas = CAST(X'41C3' AS TEXT) WHERE numero_recibo = 99"));
    SeleccionarRecibos(db, Marzo2024(), OrdenInforme::Inmueble);
    QStringList lineas;
    RecorrerSeleccion(db, [&](const ReciboInforme& r) { lineas << LineaCsv(r); });
    ASSERT_EQ(lineas.size(), 3);
    const QString esperado = CabeceraCsv() + u'\n' + lineas.join(u'\n') + u'\n';
    EXPECT_EQ(CsvFacturacion(db, CodificacionCsv::Utf8ConBom), "\xEF\xBB\xBF" + esperado.toUtf8());
    // Without the emoji and the broken byte, code page 1252 holds every line.
    db.exec(QStringLiteral("DELETE FROM emision_recibo WHERE numero_recibo <> -7"));
    const QString linea = lineas.filter(QRegularExpression(QStringLiteral("^-7,"))).value(0);
    ResultadoExportacion r;
    EXPECT_EQ(CsvFacturacion(db, CodificacionCsv::Cp1252, &r), ACp1252(CabeceraCsv() + u'\n' + linea + u'\n'));
    EXPECT_EQ(r.recibos, 1);
    EXPECT_EQ(r.total, Moneda::DeCentimos(-123456789 + 5));
}
