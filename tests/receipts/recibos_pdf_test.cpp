#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "temp_workspace.h"

namespace {

QString PdfTexto(const QString& pdf, int pagina)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                          QString::number(pagina), QStringLiteral("-l"),
                                          QString::number(pagina), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST(RecibosPdf, CliWritesOnePagePerReceiptAndRefusesAnEmptyMonth)
{
    TempWorkspace ws;
    const QString rtv = QDir(ws.dir()).filePath(QStringLiteral("demo.rtv"));
    ASSERT_EQ(RunCli({QStringLiteral("demo"), rtv, QStringLiteral("--inmuebles"), QStringLiteral("3")}), 0);
    ASSERT_EQ(RunCli({QStringLiteral("facturar"), rtv, QStringLiteral("2024-03")}), 0);

    const QString pdf = QDir(ws.dir()).filePath(QStringLiteral("r.pdf"));
    QString out, err;
    ASSERT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-03"), pdf}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out.trimmed(), QStringLiteral("3"));
    for (int pagina = 1; pagina <= 3; ++pagina) {
        const QString t = PdfTexto(pdf, pagina);
        EXPECT_TRUE(t.contains(QStringLiteral("RECIBO NUMERO"))) << t.toStdString();
        EXPECT_TRUE(t.contains(QStringLiteral("1 DE MARZO DEL 2.024")));
        EXPECT_TRUE(t.contains(QStringLiteral("Renta MARZO DEL 2.024")));
        EXPECT_TRUE(t.contains(QStringLiteral("Arrendatario:")));
    }
    EXPECT_TRUE(PdfTexto(pdf, 4).isEmpty());

    const QString fac = QDir(ws.dir()).filePath(QStringLiteral("f.pdf"));
    ASSERT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-03"), fac,
                      QStringLiteral("--factura")}), 0);
    const QString t = PdfTexto(fac, 1);
    EXPECT_TRUE(t.contains(QStringLiteral("Corresponde al alquiler del mes de MARZO del 2.024")));
    EXPECT_TRUE(t.contains(QStringLiteral("TOTAL")));
    EXPECT_TRUE(t.contains(QStringLiteral("Importes en Euros.")));

    const QString vacio = QDir(ws.dir()).filePath(QStringLiteral("v.pdf"));
    EXPECT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-04"), vacio}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("No hay recibos facturados en abril de 2024.")));
    EXPECT_FALSE(QFile::exists(vacio));
}
