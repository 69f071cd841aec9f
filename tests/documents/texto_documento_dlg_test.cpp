#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "documents/documentos_dlg.h"
#include "documents/impresor_texto.h"
#include "documents/texto_documento_dlg.h"
#include "modal_helper.h"
#include "modales.h"
#include "settings/ajustes.h"
#include "temp_workspace.h"
#include "texto_pdf.h"

TEST(TextoDocumentoDlg, FontHeightComesFromTheSettingsOrTenWhenAbsent)
{
    TempWorkspace ws;
    EXPECT_EQ(CTextoDocumentoDlg(QStringLiteral("x")).AltoLetra(), 10);
    EscribirEntero(ajustes::kContrato, ajustes::kAltoLetra, 12);
    CTextoDocumentoDlg dlg(QStringLiteral("x"));
    EXPECT_EQ(dlg.AltoLetra(), 12);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Contrato"));
}

TEST(TextoDocumentoDlg, AFailedSaveIsToldAndKeepsTheWindowAndTheOldFile)
{
    TempWorkspace ws;
    CTextoDocumentoDlg dlg(QStringLiteral("Texto del contrato"));
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.Editor()->setPlainText(QStringLiteral("Texto corregido, con eñes"));
    const QString bien = ws.file(QStringLiteral("contrato.txt"));
    EXPECT_TRUE(dlg.Guardar(bien));
    QFile f(bien);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("Texto corregido, con eñes"));

    const QString largo = ws.file(QString(250, u'n'));   // no room for the temporary name
    GuardarTexto(largo, QStringLiteral("vieja"));
    CerrarMensajes mensajes;
    EXPECT_FALSE(dlg.Guardar(largo));
    EXPECT_EQ(mensajes.Textos(), QStringList{QStringLiteral(" No ha sido posible guardar el fichero")});
    EXPECT_TRUE(dlg.isVisible());
    QFile v(largo);
    ASSERT_TRUE(v.open(QIODevice::ReadOnly));
    EXPECT_EQ(v.readAll(), QByteArray("vieja"));
}

TEST(TextoDocumentoDlg, PrintsTheEditedTextAndNothingWhenEmpty)
{
    TempWorkspace ws;
    CTextoDocumentoDlg dlg{QString()};
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = ws.file(QStringLiteral("texto.pdf"));
    impresora.setOutputFileName(pdf);
    dlg.PonerImpresora(&impresora);
    {
        Modales modales([](QWidget* w) { QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection); });
        dlg.Imprimir();
        EXPECT_EQ(modales.vistos, QStringList{QStringLiteral("QMessageBox")});   // no print dialog
    }
    EXPECT_FALSE(QFile::exists(pdf));
    dlg.Editor()->setPlainText(QStringLiteral("Primera cláusula del contrato."));
    {
        Modales modales(Modales::Aceptar);
        dlg.Imprimir();
        EXPECT_EQ(modales.vistos, QStringList{QStringLiteral("QPrintDialog")});
    }
    const QString texto = TextoPdf(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("Rentiva Contrato")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Primera cláusula del contrato.")));
    EXPECT_EQ(PaginasDePdf(pdf), 1);
}

// "Ver/Modificar Contrato" of the program shows the contract text in this window.
TEST(TextoDocumentoDlg, TheProgramsDocumentsOpenTheContractTextHere)
{
    TempWorkspace ws;
    const EntornoDocumentos e = EntornoDocumentosPorDefecto();
    ASSERT_TRUE(e.editarTexto);
    QString visto;
    QTimer::singleShot(0, [&] {
        if (auto* v = qobject_cast<CTextoDocumentoDlg*>(QApplication::activeModalWidget())) {
            visto = v->Editor()->toPlainText();
            v->reject();
        }
    });
    QString texto = QStringLiteral("PRIMERA.- El arrendador cede el uso de la vivienda.");
    EXPECT_FALSE(e.editarTexto(nullptr, texto));
    EXPECT_EQ(visto, texto);
}
