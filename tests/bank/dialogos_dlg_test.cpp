#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

#include "bank/copias_informe_dlg.h"
#include "bank/remesa.h"
#include "data/database.h"
#include "data/workspace.h"
#include "settings/ajustes.h"
#include "widgets/aviso_dlg.h"
#include "bank/recibo_banco_dlg.h"
#include "bank_fixture.h"
#include "temp_workspace.h"
#include "util/formato.h"

namespace {

// Closes the next message box that opens and returns its text through `texto`.
void CerrarMensaje(QString* texto)
{
    QTimer::singleShot(0, [texto] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *texto = box->text();
            box->close();
        }
    });
}

}  // namespace

TEST(CopiasInforme, ButtonsStayWithinZeroAndTenAndReadTheBoxFirst)
{
    CCopiasInformeDlg dlg;
    EXPECT_EQ(dlg.Caja()->text(), "2");
    for (int i = 0; i < 15; ++i)
        dlg.Mas();
    EXPECT_EQ(dlg.Caja()->text(), "10");
    for (int i = 0; i < 15; ++i)
        dlg.Menos();
    EXPECT_EQ(dlg.Caja()->text(), "0");
    dlg.Caja()->setText(QStringLiteral("7"));
    dlg.Mas();
    EXPECT_EQ(dlg.Caja()->text(), "8");

    const struct { const char* texto; bool acepta; int copias; const char* mensaje; } casos[] = {
        {"3", true, 3, ""},
        {"0", true, 0, ""},
        {"abc", false, 0, "Escriba un número entero."},
        {"11", false, 0, "Escriba un número entero entre 0 y 10."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        CCopiasInformeDlg d;
        d.Caja()->setText(QString::fromLatin1(c.texto));
        QString mensaje;
        if (!c.acepta)
            CerrarMensaje(&mensaje);
        d.accept();
        EXPECT_EQ(d.result() == QDialog::Accepted, c.acepta);
        if (c.acepta)
            EXPECT_EQ(d.Copias(), c.copias);
        else
            EXPECT_EQ(mensaje, QString::fromUtf8(c.mensaje));
    }
}

TEST(ReciboBancoForm, HandsOverTheReviewedValues)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    ReciboBancoInmueble datos;
    datos.recibo = ReciboSimple(9, 65000, QStringLiteral("PÉREZ LÓPEZ ANA"));
    datos.recibo.iva = Moneda::DeCentimos(13650);
    datos.arrendador = QStringLiteral("MUÑOZ LÓPEZ ELENA");
    datos.direccion = QStringLiteral("CALLE MAYOR 12");
    CReciboBancoDlg dlg(nullptr, db, datos, QStringLiteral("50001774G"));
    EXPECT_EQ(dlg.Total()->text(), "786,50");

    dlg.Importe(0)->setText(QStringLiteral("700,005"));
    dlg.Concepto(0)->setText(QStringLiteral("COMUNIDAD"));
    dlg.Importe(1)->setText(QStringLiteral("25"));
    dlg.Numero()->setText(QStringLiteral("41"));
    dlg.ActualizarTotal();
    EXPECT_EQ(dlg.Total()->text(), "861,51");

    // A wrong account length keeps the form open with the property form's message.
    dlg.Cuenta(3)->setText(QStringLiteral("12345"));
    QString mensaje;
    CerrarMensaje(&mensaje);
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(mensaje, QStringLiteral("La cuenta bancaria no tiene la longitud correcta."));

    // An amount that cannot be read is named, nothing is handed over.
    dlg.Cuenta(3)->setText(QString::fromLatin1(kCuentaInquilino.ccc));
    dlg.Importe(2)->setText(QStringLiteral("12a5"));
    ReciboBanco leido;
    EXPECT_TRUE(dlg.Leer(leido).contains(QStringLiteral("12a5")));
    dlg.Importe(2)->clear();

    dlg.accept();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    const ReciboBanco& r = dlg.Recibo();
    EXPECT_EQ(r.ref, 9);
    EXPECT_EQ(r.nom_arrendatario, QStringLiteral("PÉREZ LÓPEZ ANA"));
    EXPECT_EQ(r.numero_recibo, 41);
    EXPECT_EQ(r.renta, Moneda::DeCentimos(70001));   // rounded to cents
    EXPECT_EQ(r.otro_importe1, Moneda::DeCentimos(2500));
    EXPECT_EQ(r.otro_concepto1, QStringLiteral("COMUNIDAD"));
    EXPECT_EQ(r.Total(), Moneda::DeCentimos(86151));
    EXPECT_EQ(r.fecha_facturacion, dlg.FechaEmision());
}

// "Imprimir" prints what "Recibo Físico" prints for the property (owner's street, town and
// postcode, both documents with their type) with the form's values over it (number with
// dots, account as payment domicile), and treats a grey printer as that form does.
TEST(ReciboBancoForm, PrintsTheReceiptAsThePropertyFormDoes)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    db.exec("INSERT INTO propietario (nombre, via, direccion, localidad, cp, documento_tipo, documento_numero)"
            " VALUES ('MUÑOZ LÓPEZ ELENA', 'CALLE', 'DEL PEZ 7', 'ZARAGOZA', '50001', 'NIF', '50001774G');"
            "INSERT INTO inmueble (ref, direccion, piso, arrendador, nom_arrendatario, doc_arrendatario_tipo,"
            " doc_arrendatario_num, renta, banco, sucursal, dc, ccc, fecha) VALUES (7, 'MAYOR 12', '1',"
            " 'MUÑOZ LÓPEZ ELENA', 'PÉREZ LÓPEZ ANA', 'D.N.I.', '12345678Z', 6500000, '2100', '0418', '45',"
            " '0200051332', '2024-01-01 00:00:00')");
    const ReciboBancoInmueble datos = ReciboDesdeInmueble(db, 7, QDate(2024, 3, 1));
    CReciboBancoDlg dlg(nullptr, db, datos, QStringLiteral("50001774G"));
    dlg.Numero()->setText(QStringLiteral("1234"));

    const QString pdf = ws.file(QStringLiteral("recibo.pdf"));
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(pdf);
    impresora.setColorMode(QPrinter::GrayScale);
    QStringList vistos;
    QTimer reloj;
    QObject::connect(&reloj, &QTimer::timeout, [&vistos] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || (!vistos.isEmpty() && vistos.last() == QString::fromLatin1(w->metaObject()->className())))
            return;
        vistos << QString::fromLatin1(w->metaObject()->className());
        if (auto* d = qobject_cast<QPrintDialog*>(w))
            d->accept();
        else if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
    });
    reloj.start(10);
    GuardarEstadoAviso(DatosAviso(Aviso::ImpresionReciboColor), false);
    dlg.Imprimir(&impresora);
    EXPECT_EQ(vistos, QStringList({QStringLiteral("QPrintDialog"), QStringLiteral("CAvisoDlg")}));

    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished());
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* t : {"1.234", "DEL PEZ 7", "ZARAGOZA, (50001)", "NIF 50001774G", "D.N.I. 12345678Z",
                          "Domiciliación bancaria: 2100 0418 45 0200051332", "650,00"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(t))) << t << "\n" << texto.toStdString();
}
