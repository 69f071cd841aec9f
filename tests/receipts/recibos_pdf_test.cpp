#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"
#include "pagina_pdf.h"
#include "receipts/trabajo_impresion.h"
#include "settings/ajustes.h"
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
        EXPECT_TRUE(t.contains(QStringLiteral("RECIBO NÚMERO"))) << t.toStdString();
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
    PonerNombreMoneda(QStringLiteral("Dólares"));   // the next job reads the stored settings
    ASSERT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-03"), fac,
                      QStringLiteral("--factura")}), 0);
    EXPECT_TRUE(PdfTexto(fac, 1).contains(QStringLiteral("Importes en Dólares.")));

    const QString vacio = QDir(ws.dir()).filePath(QStringLiteral("v.pdf"));
    EXPECT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-04"), vacio}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("No hay recibos facturados en abril de 2024.")));
    EXPECT_FALSE(QFile::exists(vacio));
}

// Two jobs in one process, each with its settings, while the store holds others: each
// document prints what its job was given.
TEST(RecibosPdf, EachJobPrintsTheSettingsItWasGiven)
{
    TempWorkspace ws;
    EscribirTexto(QStringLiteral("Impuesto_1"), QStringLiteral("Name"), QStringLiteral("ARCHIVO"));
    EscribirTexto(QStringLiteral("Moneda"), QStringLiteral("Name"), QStringLiteral("ARCHIVO"));
    Database db = CrearWorkspace(ws.workspacePath());
    LlenarDemo(db, 2);
    const QDate mes(2024, 3, 1);
    Facturacion(db).FacturarMes(mes, QStringLiteral("MARZO"));
    db.exec(QStringLiteral("UPDATE recibo SET iva = renta / 10"));

    AjustesRecibo canarias;
    canarias.impuestos.nombre1 = QStringLiteral("IGIC 7%");
    canarias.vencimiento = {1, 20, QString()};
    canarias.recibo_factura = 1;
    canarias.moneda = {QStringLiteral("Dólares"), QStringLiteral("$")};
    const struct { AjustesRecibo ajustes; bool factura; QStringList textos; QChar simbolo; } casos[] = {
        {AjustesRecibo(), false, {"IVA 21%", "A LA VISTA", "RECIBO NÚMERO", "IMPORTE EUROS"}, u'€'},
        {canarias, false, {"IGIC 7%", "20 DE MARZO DEL 2.024", "FACTURA NÚMERO", "IMPORTE DÓLARES"}, u'$'},
        {AjustesRecibo(), true, {"IVA 21%", "Importes en Euros."}, u'€'},
        {canarias, true, {"IGIC 7%", "Importes en Dólares."}, u'$'},
    };
    int n = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.textos.constFirst().toStdString());
        const QString pdf = ws.file(QStringLiteral("job%1.pdf").arg(++n));
        ASSERT_EQ(RecibosMesAPdf(db, mes, pdf, c.factura, true, c.ajustes), 2);
        const QString texto = PaginaPdf::Leer(pdf).Texto();
        for (const QString& t : c.textos)
            EXPECT_TRUE(texto.contains(t)) << t.toStdString();
        EXPECT_TRUE(texto.contains(c.simbolo));
        EXPECT_FALSE(texto.contains(QStringLiteral("ARCHIVO")));
    }
}
