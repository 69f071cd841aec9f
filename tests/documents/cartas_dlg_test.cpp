// The letter dialogs as a user drives them; every modal box is answered by the test.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "documents/carta_aumento_dlg.h"
#include "documents/carta_requerimiento_dlg.h"
#include "documents/cartas_dlg.h"
#include "documents/documentos_dlg.h"
#include "documents/impresor_texto.h"
#include "documents_fixture.h"
#include "modal_helper.h"
#include "properties/inmuebles_dlg.h"

namespace {

// What the dialogs handed to the outside world.
struct Salidas {
    QStringList textos, titulos, direcciones;
};

EntornoDocumentos Entorno(Salidas* s)
{
    EntornoDocumentos e;
    e.hoy = QDate(2024, 3, 5);
    e.abrirDireccion = [s](const QString& d) { s->direcciones << d; return true; };
    e.editarTexto = [s](QWidget*, QString& t) { s->textos << t; return true; };
    e.imprimirTexto = [s](QWidget*, const CImpresorTexto& i) {
        s->textos << i.Texto();
        s->titulos << i.NombreDocumento();
    };
    return e;
}

void Teclear(QLineEdit* e, const QString& texto)
{
    e->clear();
    QTest::keyClicks(e, texto);
}

}  // namespace

TEST_F(DocumentsTest, RevisionFormRecomputesAsTypedAndNormalisesWhenLeft)
{
    Salidas s;
    CCartaAumentoDlg dlg(nullptr, db, Inmueble({}), Entorno(&s));
    ASSERT_TRUE(dlg.Preparado());
    EXPECT_EQ(dlg.Indice()->text(), QStringLiteral("0,00 %"));
    EXPECT_EQ(dlg.Impuesto(1)->text(), QStringLiteral("IVA 21%"));

    Teclear(dlg.Indice(), QStringLiteral("3,"));
    EXPECT_EQ(dlg.Indice()->text(), QStringLiteral("3,"));   // not rewritten while typing
    QTest::keyClicks(dlg.Indice(), QStringLiteral("45"));
    EXPECT_EQ(dlg.Indice()->text(), QStringLiteral("3,45"));
    EXPECT_EQ(dlg.Nuevo(0)->text(), QStringLiteral("620,70"));
    EXPECT_EQ(dlg.TotalNuevo()->text(), QStringLiteral("664,78"));
    QTest::keyClick(dlg.Indice(), Qt::Key_Return);
    EXPECT_EQ(dlg.Indice()->text(), QStringLiteral("3,45 %"));

    dlg.Impuesto(1)->click();   // IVA off
    EXPECT_EQ(dlg.Nuevo(4)->text(), QStringLiteral("0,00"));
    Teclear(dlg.Nuevo(0), QStringLiteral("650"));
    QTest::keyClick(dlg.Nuevo(0), Qt::Key_Return);
    EXPECT_EQ(dlg.Nuevo(0)->text(), QStringLiteral("650,00"));
    EXPECT_EQ(dlg.TotalNuevo()->text(), QStringLiteral("557,21"));   // 650 + 31,04 - 123,83
    dlg.Impuesto(1)->click();   // IVA back, on the typed base: 21 % of 681,04
    EXPECT_EQ(dlg.Nuevo(4)->text(), QStringLiteral("143,02"));

    CerrarMensajes mensajes;
    dlg.Boton(QStringLiteral("Ver Carta Aumento"))->click();
    dlg.Boton(QStringLiteral("Imprimir Carta Aumento"))->click();
    dlg.Boton(QStringLiteral("Instituto Nacional de Estadística"))->click();
    ASSERT_EQ(s.textos.size(), 2);
    EXPECT_TRUE(s.textos[0].contains(QStringLiteral("Renta Actual")) && s.textos[0].contains(QStringLiteral("650,00 €")));
    EXPECT_EQ(s.titulos, QStringList{QStringLiteral("Rentiva Carta Aumento")});
    EXPECT_EQ(mensajes.Textos(), QStringList(2, QStringLiteral("Los contratos se imprimen en hojas tamaño folio.")));
    EXPECT_EQ(s.direcciones, QStringList{kPaginaActualizacionRentas});
}

TEST_F(DocumentsTest, RevisionFormRefusesAnUnreadableAmountThenConfirms)
{
    Salidas s;
    const qint64 ref = Inmueble({});
    CCartaAumentoDlg dlg(nullptr, db, ref, Entorno(&s));
    Teclear(dlg.Indice(), QStringLiteral("10"));
    Teclear(dlg.Nuevo(1), QStringLiteral("treinta"));
    {
        CerrarMensajes mensajes;
        dlg.Confirmar();
        EXPECT_TRUE(mensajes.Ultimo().startsWith(QStringLiteral("El importe nuevo de «COMUNIDAD» no es válido")));
        EXPECT_EQ(dlg.result(), 0);
        EXPECT_EQ(Contar("SELECT renta FROM inmueble"), 6000000);
    }
    Teclear(dlg.Nuevo(1), QStringLiteral("33"));
    dlg.Confirmar();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Contar("SELECT renta FROM inmueble"), 6600000);
    EXPECT_EQ(Contar("SELECT otro_importe1 FROM inmueble"), 330000);
}

TEST_F(DocumentsTest, PropertyFormShowsTheConfirmedRevision)
{
    const qint64 ref = Inmueble({});
    CInmueblesDlg form(nullptr, db, ref);
    Respuestas r{[](QWidget* w) {
        auto* carta = qobject_cast<CCartaAumentoDlg*>(w);
        ASSERT_NE(carta, nullptr);
        carta->Indice()->setText(QStringLiteral("10"));
        QTimer::singleShot(0, carta, [carta] { carta->Confirmar(); });
    }};
    form.findChild<QLineEdit*>(QStringLiteral("nom_arrendatario"))->setText(QStringLiteral("BEA"));
    form.Boton(QStringLiteral("I.P.C."))->click();
    EXPECT_EQ(r.vistos, QStringList{QStringLiteral("Carta Aumento")});
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("renta"))->text(), QStringLiteral("660,00"));
    EXPECT_TRUE(form.findChild<QPlainTextEdit*>(QStringLiteral("notas"))->toPlainText().endsWith(
        QStringLiteral("CARTA DE AUMENTO DE 600,00 A 660,00.")));

    // The next save keeps the revision and the note.
    form.findChild<QPlainTextEdit*>(QStringLiteral("notas"))->appendPlainText(QStringLiteral("Llamar en mayo."));
    CerrarMensajes mensajes;
    form.Boton(QStringLiteral("Aceptar"))->click();
    EXPECT_TRUE(mensajes.Textos().isEmpty()) << mensajes.Ultimo().toStdString();
    EXPECT_EQ(Contar("SELECT renta FROM inmueble"), 6600000);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE nom_arrendatario = 'BEA'"
                     " AND notas LIKE '%CARTA DE AUMENTO DE 600,00 A 660,00.%Llamar en mayo.'"), 1);
}

TEST_F(DocumentsTest, ClaimFormFillsTickedMonthsAndAddsUp)
{
    Salidas s;
    CCartaRequerimientoDlg dlg(nullptr, db, Inmueble({}), Entorno(&s));
    ASSERT_TRUE(dlg.Preparado());
    EXPECT_EQ(dlg.Mes(0)->text(), QStringLiteral("MARZO del 2024"));
    EXPECT_EQ(dlg.Mes(5)->text(), QStringLiteral("OCTUBRE del 2023"));
    dlg.Mes(1)->click();
    EXPECT_EQ(dlg.ImporteMes(1)->text(), QStringLiteral("642,00"));
    dlg.Concepto(0)->setText(QStringLiteral("Agua"));
    QTest::keyClicks(dlg.ImporteConcepto(0), QStringLiteral("10,5"));
    EXPECT_EQ(dlg.Total()->text(), QStringLiteral("652,50"));
    dlg.Mes(1)->click();
    EXPECT_EQ(dlg.ImporteMes(1)->text(), QStringLiteral("0,00"));
    EXPECT_EQ(dlg.Total()->text(), QStringLiteral("10,50"));
    dlg.Mes(0)->click();
    dlg.Boton(QStringLiteral("Ver"))->click();
    dlg.Boton(QStringLiteral("Imprimir"))->click();
    ASSERT_EQ(s.textos.size(), 2);
    EXPECT_TRUE(s.textos[0].contains(QStringLiteral("el mes de MARZO del 2024 [642,00€], así como  Agua")));
    EXPECT_EQ(s.titulos, QStringList{QStringLiteral("Rentiva Carta requerimiento rentas, ")});
}

TEST_F(DocumentsTest, DocumentsMenuOpensTheRescissionWindowsOrSaysWhyNot)
{
    Salidas s;
    {
        CDocumentosDlg menu(nullptr, db, Inmueble({}), Entorno(&s));
        Respuestas r{[](QWidget* w) {
                         auto* aviso = qobject_cast<CCartaRescisionDlg*>(w);
                         ASSERT_NE(aviso, nullptr);
                         EXPECT_TRUE(aviso->Editor()->toPlainText().contains(QStringLiteral("Próximo  a vencer")));
                         aviso->Editor()->appendPlainText(QStringLiteral("Posdata."));
                         aviso->Imprimir();
                         Rechazar(w);
                     },
                     Rechazar};
        for (const char* boton : {"Aviso rescisión", "Rescisión Contrato"})
            for (QPushButton* b : menu.findChildren<QPushButton*>())
                if (b->text() == QString::fromUtf8(boton))
                    b->click();
        EXPECT_EQ(r.vistos, (QStringList{QStringLiteral("Documento"), QStringLiteral("Carta Rescisión")}));
        EXPECT_EQ(s.titulos, QStringList{QStringLiteral("Rentiva Carta rescisión ")});
        EXPECT_TRUE(s.textos.value(0).endsWith(QStringLiteral("Posdata.")));
    }

    CDocumentosDlg sinDueno(nullptr, db, Inmueble({.arrendador = QStringLiteral("NADIE")}), Entorno(&s));
    CerrarMensajes mensajes;
    sinDueno.AvisoRescision();
    sinDueno.CartaAumento();
    sinDueno.Requerimiento();
    EXPECT_EQ(mensajes.Textos(), QStringList(3, QStringLiteral("propietario erroneo no encontrado = NADIE")));
}
