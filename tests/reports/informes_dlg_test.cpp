#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QtTest/QTest>

#include "billing/emision_facturacion.h"
#include "emision_fixture.h"
#include "modal_helper.h"
#include "modales.h"
#include "reports/informes_dlg.h"
#include "texto_pdf.h"

class InformesDlgTest : public EmisionTest {};

TEST_F(InformesDlgTest, RunListingFillsTheWidthAndPrintsUnderItsTitle)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    Recibo({.numero = 7});
    Recibo({.numero = 1234});
    PrepararEmisionMes(db, QDate(2007, 3, 1));
    DlgInformes dlg(db, QDate(2007, 3, 1));
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.Titulo(), QStringLiteral("Facturación MARZO del 2007."));
    const QStringList lineas = dlg.Texto()->toPlainText().split(u'\n');
    ASSERT_EQ(lineas.size(), 4);
    EXPECT_TRUE(lineas[1].startsWith(QStringLiteral("         7 ")));
    EXPECT_TRUE(lineas[2].startsWith(QStringLiteral("     1.234 ")));
    // 116 columns fill the text box.
    const qreal ancho = QFontMetricsF(dlg.Texto()->font()).horizontalAdvance(QString(116, u'M'));
    const int caja = dlg.Texto()->viewport()->width();
    EXPECT_LE(ancho, caja);
    EXPECT_GT(ancho, caja * 0.9);

    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = ws.file(QStringLiteral("visor.pdf"));
    impresora.setOutputFileName(pdf);
    dlg.PonerImpresora(&impresora);
    {
        Modales modales(Modales::Aceptar);
        for (QPushButton* b : dlg.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Imprimir"))
                b->click();
        EXPECT_EQ(modales.vistos, QStringList{QStringLiteral("QPrintDialog")});
    }
    EXPECT_TRUE(dlg.isVisible());   // printing leaves the viewer open
    const QString texto = TextoPdf(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("Facturación MARZO del 2007.")));
    EXPECT_TRUE(texto.contains(QStringLiteral("1.234")));
    EXPECT_EQ(PaginasDePdf(pdf), 1);
}

TEST_F(InformesDlgTest, AnEmptyRunIsToldAndTheViewerCloses)
{
    PrepararEmisionMes(db, QDate(2007, 3, 1));
    CerrarMensajes mensajes;
    DlgInformes dlg(db, QDate(2007, 3, 1));
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(mensajes.Textos(), QStringList{QStringLiteral("No existen recibos para esta selección.")});
}
