#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "widgets/aviso_dlg.h"
#include "billing/edicion_recibo.h"
#include "billing/modificar_recibo_dlg.h"
#include "pagina_pdf.h"
#include "receipts/diseno_recibo_dlg.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "receipts/llenar_recibo.h"
#include "receipts/trabajo_impresion.h"
#include "modales.h"
#include "recibo_fixture.h"
#include "settings/ajustes.h"
#include "util/errores.h"

using namespace ajustes;

namespace {

void Aceptar(QWidget* w) { QMetaObject::invokeMethod(w, "accept", Qt::QueuedConnection); }
void Cancelar(QWidget* w) { QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection); }

void SilenciarAvisos()
{
    for (Aviso a : {Aviso::RecibosGenerar, Aviso::ImpresionReciboColor, Aviso::ArchivoLogoEditar,
                    Aviso::ArchivoLogoSeleccionar, Aviso::SelectPonerLogo})
        GuardarEstadoAviso(DatosAviso(a), true);
}

}  // namespace

class EntradasTest : public ReciboTest {
protected:
    void SetUp() override
    {
        ReciboTest::SetUp();
        Propietario(QStringLiteral("PÉREZ MORENO SERGIO"), QStringLiteral("976638606"));
        inmueble = Inmueble(QStringLiteral("MAYOR 5"), QStringLiteral("2º B"),
                            QStringLiteral("PÉREZ MORENO SERGIO"));
    }

    // A stored receipt of the property, with its own number and account.
    qint64 Recibo(qint64 numero, const QString& ccc)
    {
        Statement(db, "INSERT INTO recibo (ref, codref, direccion, piso, localidad, arrendador,"
                      " nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num,"
                      " fecha_facturacion, renta, iva, irpf, otro_importe1, otro_importe2,"
                      " otro_importe3, otro_concepto1, banco, sucursal, dc, ccc, numero_recibo,"
                      " nota_recibo, refcatastral, direccioninquilino, is_recibo_numerar,"
                      " is_recibo_banco, is_recibo_fisico, notas, estado)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM recibo), 'R-1', 'MAYOR 5',"
                      " '2º B', 'MÁLAGA', 'PÉREZ MORENO SERGIO', 'RUIZ MUÑOZ ANTONIO', 'D.N.I.',"
                      " '66135277L', '2005-03-01 00:00:00', ?1, 0, ?2, 0, 0, 0, '', '2100',"
                      " '0418', '45', ?3, ?4, 'Nota', '7381891 VK 7612', 'C/ LUNA 3', 1, 0, 1,"
                      " '', 0)")
            .bind(1, Euros(58000)).bind(2, Euros(-11020)).bind(3, ccc).bind(4, numero).run();
        return QueryInteger(db, QStringLiteral("SELECT MAX(ref) FROM recibo"));
    }

    qint64 inmueble = 0;
};

TEST_F(EntradasTest, PropertyReceiptTakesThePropertyRowAndTheChosenDate)
{
    const CImpresionRecibo r = ReciboDeInmueble(db, inmueble, QDate(2024, 7, 15), 2, AjustesRecibo());
    EXPECT_EQ(r.modelo_impresion, 2);
    EXPECT_EQ(r.fecha_emision, QDate(2024, 7, 15));
    EXPECT_EQ(r.doc_arrendador, QStringLiteral("N.I.F. 26216258F"));
    EXPECT_EQ(r.doc_arrendatario, QStringLiteral("D.N.I. 66135277L"));
    EXPECT_EQ(r.localidad, QStringLiteral("MÁLAGA"));
    EXPECT_EQ(r.refcatastral, QStringLiteral("7381891 VK 7612"));
    EXPECT_EQ(r.nota_recibo, QStringLiteral("Pago antes del día 5"));
    EXPECT_EQ(r.texto_numero, QString());
    EXPECT_EQ(r.Total(), Euros(58000 + 12180 - 11020 + 1636));
    EXPECT_EQ(ReciboDeInmueble(db, inmueble, QDate(2024, 7, 15), 1, AjustesRecibo()).modelo_impresion, 1);

    Statement(db, "UPDATE inmueble SET arrendador = 'DESCONOCIDO'").run();
    try {
        ReciboDeInmueble(db, inmueble, QDate(2024, 7, 15), 1, AjustesRecibo());
        ADD_FAILURE() << "a property without owner must be refused";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("propietario erroneo no encontrado = DESCONOCIDO"));
    }
    EXPECT_THROW(ReciboDeInmueble(db, 999, QDate(2024, 7, 15), 1, AjustesRecibo()), UserError);
}

TEST_F(EntradasTest, ModifyFormPrintsTheFormWithTheNumberOfEachButton)
{
    const struct { qint64 numero; bool a4; const char* texto; } casos[] = {
        {1234, false, "1234"}, {1234, true, "1.234"}, {0, false, "0"}, {0, true, "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const qint64 ref = Recibo(c.numero, QString());
        PrepararEdicionRecibo(db, ref);
        ReciboEmision form = LeerReciboEmision(db, ref);
        form.importes.renta = Euros(60000);   // typed in the form, not stored
        const CImpresionRecibo r = ReciboModificado(db, form, c.a4, AjustesRecibo());
        EXPECT_EQ(r.texto_numero, QString::fromUtf8(c.texto));
        EXPECT_EQ(r.modelo_impresion, c.a4 ? 2 : 1);
        EXPECT_EQ(r.renta, Euros(60000));
        EXPECT_EQ(r.localidad, QStringLiteral("MÁLAGA"));
        EXPECT_EQ(r.doc_arrendador, QStringLiteral("N.I.F. 26216258F"));
        EXPECT_EQ(r.fecha_emision, QDate(2005, 3, 1));
        // The cadastral reference and tenant address go on the A4 invoice only; no note.
        EXPECT_EQ(r.refcatastral.isEmpty(), !c.a4);
        EXPECT_EQ(r.direccioninquilino.isEmpty(), !c.a4);
        EXPECT_EQ(r.nota_recibo, QString());
    }
}

TEST_F(EntradasTest, BilledMonthFillsDomicileNumberAndTelephonePerLayout)
{
    Recibo(1234, QStringLiteral("0200051332"));
    Recibo(0, QString());
    std::vector<CImpresionRecibo> recibos = RecibosDelMes(db, QDate(2005, 3, 1), false, AjustesRecibo());
    ASSERT_EQ(recibos.size(), 2u);
    EXPECT_EQ(recibos[0].texto_numero, QStringLiteral("1234"));
    EXPECT_EQ(recibos[0].texto_domiciliacion,
              QStringLiteral(" Domiciliación bancaria: 2100 0418 45 0200051332"));
    EXPECT_EQ(recibos[0].telefono_arrendador, QString());
    EXPECT_EQ(recibos[1].texto_numero, QString());
    EXPECT_EQ(recibos[1].texto_domiciliacion, QString());

    recibos = RecibosDelMes(db, QDate(2005, 3, 1), true, AjustesRecibo());
    EXPECT_EQ(recibos[0].texto_numero, QStringLiteral("1.234"));
    EXPECT_EQ(recibos[0].texto_domiciliacion, QString());
    EXPECT_EQ(recibos[0].telefono_arrendador, QStringLiteral("976638606"));
    EXPECT_EQ(recibos[0].modelo_impresion, 2);

    Statement(db, "DELETE FROM propietario").run();
    EXPECT_THROW(RecibosDelMes(db, QDate(2005, 3, 1), false, AjustesRecibo()), UserError);
}

TEST_F(EntradasTest, PrintDialogComesFirstAndCancellingPrintsNothing)
{
    SilenciarAvisos();
    for (bool confirmar : {false, true}) {
        SCOPED_TRACE(confirmar);
        const QString salida = ws.file(confirmar ? QStringLiteral("si.pdf") : QStringLiteral("no.pdf"));
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(salida);
        CImpresionRecibo r = ReciboDeInmueble(db, inmueble, QDate(2024, 7, 1), 1, AjustesRecibo());
        Modales modales(confirmar ? Aceptar : Cancelar);
        EXPECT_EQ(ImprimirRecibo(nullptr, r, &impresora), confirmar);
        EXPECT_EQ(modales.vistos.value(0), QStringLiteral("QPrintDialog"));
        EXPECT_EQ(QFile::exists(salida), confirmar);
        if (confirmar) {
            const PaginaPdf pag = PaginaPdf::Leer(salida);
            EXPECT_TRUE(pag.Tiene(QStringLiteral("1 DE JULIO DEL 2.024")));
            EXPECT_TRUE(PaginaPdf::Leer(salida, 2).palabras.isEmpty());   // one page
        }
    }
}

TEST_F(EntradasTest, GreyPrinterGivesTheGreyReceiptAndTheColourNotice)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(ws.file(QStringLiteral("gris.pdf")));
    impresora.setColorMode(QPrinter::GrayScale);
    CImpresionRecibo r = ReciboDeInmueble(db, inmueble, QDate(2024, 7, 1), 1, AjustesRecibo());
    Modales modales(Aceptar);
    EXPECT_TRUE(ImprimirRecibo(nullptr, r, &impresora));
    EXPECT_EQ(r.en_color, 0);
    EXPECT_EQ(modales.vistos, QStringList({QStringLiteral("QPrintDialog"), QStringLiteral("CAvisoDlg")}));
}

TEST_F(EntradasTest, ModifyFormButtonsPrintWhatTheFormShows)
{
    SilenciarAvisos();
    const qint64 ref = Recibo(1234, QString());
    PrepararEdicionRecibo(db, ref);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    const QString salida = ws.file(QStringLiteral("a4.pdf"));
    impresora.setOutputFileName(salida);
    PonerNombreImpuesto(2, QStringLiteral("Retención"));   // the print job reads the settings
    CModificarReciboDlg dlg(nullptr, db, ref);
    dlg.PonerImpresora(&impresora);
    QPushButton* a4 = nullptr;
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Imprimir Factura tamaño A4"))
            a4 = b;
    ASSERT_NE(a4, nullptr);
    for (QLineEdit* e : dlg.findChildren<QLineEdit*>())
        if (e->text() == QStringLiteral("580,00"))
            e->setText(QStringLiteral("600,00"));
    {
        Modales modales(Aceptar);
        a4->click();
    }
    const PaginaPdf pag = PaginaPdf::Leer(salida);
    EXPECT_TRUE(pag.Tiene(QStringLiteral("FACTURA Nº 1.234")));
    EXPECT_TRUE(pag.Tiene(QStringLiteral("600,00 €")));
    EXPECT_TRUE(pag.Texto().contains(QStringLiteral("Retención")));
    // Printing stored nothing: the staged row keeps its rent.
    EXPECT_EQ(LeerReciboEmision(db, ref).importes.renta, Euros(58000));
}

TEST_F(EntradasTest, DesignDialogStoresColourAndLogoAtOnceTheRestOnAccept)
{
    EscribirTexto(kRecibo, kFondo, QStringLiteral("SOLIDO"));
    EscribirTexto(kRecibo, kTexto1, QStringLiteral("Línea uno"));
    {
        CDisenoReciboDlg dlg;
        // Shown as Spanish is written, stored as before.
        EXPECT_EQ(dlg.Fondo()->currentText(), QStringLiteral("SÓLIDO"));
        EXPECT_EQ(dlg.Texto(0)->text(), QStringLiteral("Línea uno"));
        EXPECT_TRUE(dlg.Opcion(0)->isChecked());
        QColor inicial;
        dlg.elegir_color = [&inicial](QWidget*, const QColor& actual) {
            inicial = actual;
            return QColor(12, 34, 56);
        };
        dlg.BotonColor()->click();
        // The chooser opens on the stored colour (the default light blue here).
        EXPECT_EQ(inicial, QColor(kColorRPorDefecto, kColorGPorDefecto, kColorBPorDefecto));
        dlg.Fondo()->setCurrentText(QStringLiteral("LÍNEAS"));
        dlg.Texto(1)->setText(QStringLiteral("no se guarda"));
        dlg.reject();   // "Salir"
    }
    EXPECT_EQ(LeerEntero(kRecibo, kColorR, 0), 12);
    EXPECT_EQ(LeerEntero(kRecibo, kColorG, 0), 34);
    EXPECT_EQ(LeerEntero(kRecibo, kColorB, 0), 56);
    EXPECT_EQ(LeerTexto(kRecibo, kFondo), QStringLiteral("SOLIDO"));
    EXPECT_EQ(LeerTexto(kRecibo, kTexto2), QString());

    // Choosing "Logotipo" without a logo file shows the notice and still stores 2.
    CDisenoReciboDlg dlg;
    {
        Modales modales(Cancelar);
        dlg.Opcion(2)->click();
        EXPECT_EQ(modales.vistos.value(0), QStringLiteral("CAvisoDlg"));
    }
    SilenciarAvisos();
    QColor inicial;
    dlg.elegir_color = [&inicial](QWidget*, const QColor& actual) {
        inicial = actual;
        return QColor();   // cancelled: nothing changes
    };
    dlg.BotonColor()->click();
    EXPECT_EQ(inicial, QColor(12, 34, 56));
    EXPECT_EQ(LeerEntero(kRecibo, kColorR, 0), 12);

    // "Ver Logotipo" and "Editar Logotipo" without a logo say so and open nothing.
    QStringList abiertos;
    dlg.abrir_archivo = [&](const QString& ruta) { abiertos << ruta; };
    for (QPushButton* b : {dlg.BotonVer(), dlg.BotonEditar()}) {
        QStringList textos;
        Modales modales([&textos](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w))
                textos << box->text();
            Cancelar(w);
        });
        b->click();
        ASSERT_EQ(textos.size(), 1) << b->text().toStdString();
        EXPECT_TRUE(textos[0].contains(QStringLiteral("No hay ningún logotipo"))) << textos[0].toStdString();
    }
    EXPECT_TRUE(abiertos.isEmpty());
    QFile(ws.file(QStringLiteral("logo.png"))).open(QIODevice::WriteOnly);
    dlg.elegir_logotipo = [this](QWidget*) { return ws.file(QStringLiteral("logo.png")); };
    dlg.BotonSeleccionar()->click();
    EXPECT_EQ(LeerTexto(kRecibo, kFileLogo), ws.file(QStringLiteral("logo.png")));
    dlg.BotonEditar()->click();
    dlg.BotonVer()->click();
    EXPECT_EQ(abiertos, QStringList({ws.file(QStringLiteral("logo.png")), ws.file(QStringLiteral("logo.png"))}));
    // A text box takes no 41st character.
    dlg.Texto(2)->setText(QString(45, u'x'));
    EXPECT_EQ(dlg.Texto(2)->text().size(), 40);
    dlg.Fondo()->setCurrentText(QStringLiteral("LÍNEAS"));
    dlg.accept();
    EXPECT_EQ(LeerEntero(kRecibo, kTipoCuadroIzquierdo, 0), 2);
    EXPECT_EQ(LeerTexto(kRecibo, kFondo), QStringLiteral("LINEAS"));
    EXPECT_EQ(LeerTexto(kRecibo, kTexto3), QString(40, u'x'));
    EXPECT_TRUE(CDisenoReciboDlg::FiltroImagenes().contains(QStringLiteral("*.png")));
    EXPECT_TRUE(CDisenoReciboDlg::FiltroImagenes().contains(QStringLiteral("*.bmp")));
}

TEST(AvisosLogotipo, SelectionNoticeNamesTheFormatsAndNoProgramOfAnotherSystem)
{
    const QString texto = DatosAviso(Aviso::ArchivoLogoSeleccionar).texto;
    EXPECT_FALSE(texto.contains(QStringLiteral("windows"), Qt::CaseInsensitive));
    EXPECT_FALSE(texto.contains(QStringLiteral("Paint")));
    EXPECT_TRUE(texto.contains(QStringLiteral("*.png")));
    EXPECT_TRUE(texto.contains(QStringLiteral("300 píxeles de ancho por 750 de alto")));
}
