#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest/QTest>

#include "billing/emision_facturacion.h"
#include "billing/modificar_recibo_dlg.h"
#include "billing/seleccion_recibos_dlg.h"
#include "emision_fixture.h"
#include "modal_helper.h"
#include "modales.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "settings/avisos.h"
#include "texto_pdf.h"

namespace {

void Pulsar(QTableView* t, int fila, int columna)
{
    const QRect r = t->visualRect(t->model()->index(fila, columna));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
}

QAction* Menu(QWidget& w, const QString& texto)
{
    for (QAction* a : w.findChild<QMenuBar*>()->actions())
        if (a->text() == texto)
            return a;
    return nullptr;
}

QPushButton* Boton(QWidget& w, const QString& texto)
{
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->text() == texto)
            return b;
    return nullptr;
}

QString Celda(CSeleccionRecibosDlg& d, int fila, int columna)
{
    return d.Modelo()->data(d.Modelo()->index(fila, columna)).toString();
}

}  // namespace

class SeleccionDlgTest : public EmisionTest {
protected:
    void SetUp() override
    {
        EmisionTest::SetUp();
        Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
        for (int i = 0; i < 40; ++i)
            Recibo({.inquilino = QStringLiteral("INQUILINO %1").arg(i + 1), .fisico = i != 1});
        PrepararEmisionPapel(db, QDate(2007, 3, 1));
    }
    QDateTime cobro{QDate(2007, 3, 9), QTime(10, 30)};
};

TEST_F(SeleccionDlgTest, TogglesMenuAndConfirmation)
{
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Papel, cobro);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    ASSERT_NE(Boton(dlg, QStringLiteral("Imprimir Recibos/Facturas Standard")), nullptr);
    EXPECT_EQ(Celda(dlg, 1, CSeleccionRecibos::kSeleccion), QStringLiteral("No"));   // no "Recibo Fisico"
    Pulsar(dlg.Tabla(), 0, CSeleccionRecibos::kSeleccion);
    Pulsar(dlg.Tabla(), 1, CSeleccionRecibos::kSeleccion);
    EXPECT_EQ(Celda(dlg, 0, CSeleccionRecibos::kSeleccion), QStringLiteral("No"));
    EXPECT_EQ(Celda(dlg, 1, CSeleccionRecibos::kSeleccion), QStringLiteral("Si"));
    Pulsar(dlg.Tabla(), 2, CSeleccionRecibos::kVia);   // the boxes change nothing
    EXPECT_EQ(dlg.Modelo()->Seleccionados(), 39);

    Menu(dlg, QStringLiteral("Ninguno"))->trigger();
    EXPECT_EQ(dlg.Modelo()->Seleccionados(), 0);
    Menu(dlg, QStringLiteral("Todos"))->trigger();
    EXPECT_EQ(dlg.Modelo()->Seleccionados(), 40);
    Pulsar(dlg.Tabla(), 0, CSeleccionRecibos::kSeleccion);
    EXPECT_EQ(Contar("SELECT is_recibo_seleccionado FROM emision_recibo WHERE ref = 2"), 0);   // nothing stored yet
    Boton(dlg, QStringLiteral("Imprimir Recibos/Facturas Standard"))->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo WHERE is_recibo_seleccionado = 1"), 39);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo WHERE fecha_cobro = '2007-03-09 10:30:00'"), 40);
    EXPECT_EQ(Contar("SELECT is_recibo_seleccionado FROM emision_recibo WHERE ref = 1"), 0);
    EXPECT_EQ(Contar("SELECT is_recibo_seleccionado FROM emision_recibo WHERE ref = 2"), 1);
}

TEST_F(SeleccionDlgTest, ModifyRefreshesTheRowWithTheAmountAsMoney)
{
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Revision, cobro);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(Celda(dlg, 3, CSeleccionRecibos::kImporte), QStringLiteral("580,00"));
    {
        Modales modales([](QWidget* w) {
            if (auto* m = qobject_cast<CModificarReciboDlg*>(w)) {
                for (QLineEdit* e : m->findChildren<QLineEdit*>())
                    if (e->text() == QStringLiteral("580,00"))
                        e->setText(QStringLiteral("12345,6"));
                Modales::Aceptar(m);
            }
        });
        Pulsar(dlg.Tabla(), 3, CSeleccionRecibos::kModificar);
        EXPECT_EQ(modales.vistos, QStringList{QStringLiteral("CModificarReciboDlg")});
    }
    EXPECT_EQ(Celda(dlg, 3, CSeleccionRecibos::kImporte), QStringLiteral("12.345,60"));
    EXPECT_EQ(Celda(dlg, 4, CSeleccionRecibos::kImporte), QStringLiteral("580,00"));
}

TEST_F(SeleccionDlgTest, APageStepMovesOneVisiblePage)
{
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Papel, cobro);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.showNormal();
    dlg.resize(900, 400);
    QCoreApplication::processEvents();
    QScrollBar* barra = dlg.Tabla()->verticalScrollBar();
    const int visibles = dlg.Tabla()->viewport()->height() / 26;
    ASSERT_GT(visibles, 3);
    ASSERT_LT(visibles, 20) << dlg.height();
    EXPECT_EQ(barra->pageStep(), visibles);
    barra->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dlg.Tabla()->rowAt(0), visibles);
    barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dlg.Tabla()->rowAt(0), visibles + 1);
    // Columns: 3:2:4:2 between the buttons and the 80 pixel amount.
    QTableView* t = dlg.Tabla();
    EXPECT_EQ(t->columnWidth(CSeleccionRecibos::kImporte), 80);
    EXPECT_EQ(t->columnWidth(CSeleccionRecibos::kPiso) * 2, t->columnWidth(CSeleccionRecibos::kArrendatario));
    EXPECT_EQ(t->columnWidth(CSeleccionRecibos::kPiso), t->columnWidth(CSeleccionRecibos::kDni));
}

TEST_F(SeleccionDlgTest, EmptyStagingIsToldAndTheFormEndsCancelled)
{
    db.exec(QStringLiteral("DELETE FROM emision_recibo"));
    CerrarMensajes mensajes;
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Banco, cobro);
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(mensajes.Textos(), QStringList{QStringLiteral("No existen recibos para esta selección.")});
}

TEST_F(SeleccionDlgTest, ListingAndInvoicesFollowTheSelectionOnScreen)
{
    GuardarEstadoAviso(DatosAviso(Aviso::ImpresionReciboColor), true);
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Papel, cobro);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    dlg.PonerImpresora(&impresora);
    Menu(dlg, QStringLiteral("Ninguno"))->trigger();
    {
        CerrarMensajes mensajes;
        dlg.ImprimirFacturas();   // nothing at "Si": no print dialog, no blank page
        EXPECT_EQ(mensajes.Textos().size(), 1);
    }
    dlg.Modelo()->Alternar(4);
    dlg.Modelo()->Alternar(7);
    const QString informe = ws.file(QStringLiteral("informe.pdf"));
    impresora.setOutputFileName(informe);
    {
        Modales modales(Modales::Aceptar);
        Boton(dlg, QStringLiteral("Imprimir Informe"))->click();
        EXPECT_EQ(modales.vistos, QStringList{QStringLiteral("QPrintDialog")});
    }
    const QString texto = TextoPdf(informe);
    EXPECT_TRUE(texto.contains(QStringLiteral("INQUILINO 5 ")));
    EXPECT_TRUE(texto.contains(QStringLiteral("INQUILINO 8 ")));
    EXPECT_EQ(texto.count(QStringLiteral("INQUILINO")), 2);
    EXPECT_TRUE(texto.contains(QStringLiteral("1.160,00")));

    const QString facturas = ws.file(QStringLiteral("facturas.pdf"));
    impresora.setOutputFileName(facturas);
    {
        Modales modales(Modales::Aceptar);
        Boton(dlg, QStringLiteral("Imprimir Factura Tamaño Folio"))->click();
    }
    EXPECT_EQ(PaginasDePdf(facturas), 2);
    EXPECT_EQ(dlg.Modelo()->Seleccionados(), 2);   // the form stays as it was
}

TEST_F(SeleccionDlgTest, StagedReceiptsJobChecksTheColourOfThePrinter)
{
    CerrarEmisionRevision(db);   // 39 left at "Si"
    for (bool gris : {true, false}) {
        SCOPED_TRACE(gris);
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = ws.file(gris ? QStringLiteral("gris.pdf") : QStringLiteral("color.pdf"));
        impresora.setOutputFileName(pdf);
        impresora.setColorMode(gris ? QPrinter::GrayScale : QPrinter::Color);
        Modales modales(Modales::Aceptar);
        EXPECT_TRUE(ImprimirRecibosSeleccionados(nullptr, db, VarianteImpresion::PapelTodos, QDate(2007, 3, 1),
                                                 &impresora));
        EXPECT_EQ(modales.vistos.contains(QStringLiteral("CAvisoDlg")), gris);
        EXPECT_EQ(PaginasDePdf(pdf), 39);
    }
}
