#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "settings/ajustes.h"
#include "settings/avisos.h"
#include "app/impuestos_dlg.h"
#include "app/moneda_dlg.h"
#include "app/sufijo_dlg.h"
#include "app/texto_cuadro_recibo_factura_dlg.h"
#include "app/vencimiento_dlg.h"
#include "modal_helper.h"
#include "temp_workspace.h"

namespace {

QByteArray ContenidoAjustes()
{
    QFile f(RutaAjustes());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QAbstractButton* Confirmar(QDialog& d)
{
    return d.findChild<QDialogButtonBox*>()->buttons().first();
}

// Confirms the dialog, answering any message; returns the messages shown.
QStringList Aceptar(QDialog& d)
{
    d.show();
    QApplication::setActiveWindow(&d);
    CerrarMensajes mensajes;
    Confirmar(d)->click();
    QCoreApplication::processEvents();
    return mensajes.Textos();
}

const QString kFueraDeRango = QStringLiteral("Escriba un número entero entre %1 y %2.");

}  // namespace

TEST(CImpuestosDlg, RatesFromMinus99To99AndNamesUpTo20Characters)
{
    const struct { const char* nombre; const char* tasa; const char* mensaje; } casos[] = {
        {"IVA 21%", "-99", ""},
        {"IVA 21%", "99", ""},
        {"IVA 21%", "100", "Escriba un número entero entre -99 y 99."},
        {"IVA 21%", "-100", "Escriba un número entero entre -99 y 99."},
        {"IVA 21%", "veinte", "Escriba un número entero."},
        {"Impuesto de veinte12", "5", ""},
        {"Impuesto de veintiuno", "5", "No escriba más de 20 caracteres."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tasa);
        TempWorkspace tw;
        EscribirEntero(ajustes::kAvisos, DatosAviso(Aviso::IrpfIvaCambio).clave, 1);
        CImpuestosDlg dlg;
        dlg.Nombre(2)->setText(QString::fromUtf8(c.nombre));   // a longer value loads whole
        dlg.Porcentaje(2)->setText(c.tasa);
        const QByteArray antes = ContenidoAjustes();
        const QStringList m = Aceptar(dlg);
        if (*c.mensaje) {
            EXPECT_EQ(m, QStringList{QString::fromUtf8(c.mensaje)});
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_EQ(ContenidoAjustes(), antes);
        } else {
            EXPECT_TRUE(m.isEmpty());
            EXPECT_FALSE(dlg.isVisible());
            EXPECT_EQ(NombreImpuesto(2), QString::fromUtf8(c.nombre));
            EXPECT_EQ(PorcentajeImpuesto(2), QString(c.tasa).toInt());
        }
    }
}

TEST(CImpuestosDlg, ConfirmingUnchangedRewritesAllFourValuesAndShowsTheNotice)
{
    TempWorkspace tw;
    CImpuestosDlg dlg;
    EXPECT_EQ(dlg.Nombre(1)->text(), NombreImpuesto(1));
    EXPECT_EQ(dlg.Porcentaje(2)->text(), QString::number(PorcentajeImpuesto(2)));
    const QStringList m = Aceptar(dlg);
    EXPECT_EQ(m, QStringList{DatosAviso(Aviso::IrpfIvaCambio).texto});
    const QByteArray escrito = ContenidoAjustes();
    for (const char* seccion : {"Impuesto_1", "Impuesto_2"}) {
        EXPECT_TRUE(escrito.contains(seccion)) << seccion;
    }
    EXPECT_EQ(LeerTexto(ajustes::kImpuesto1, ajustes::kNombre, "?"), NombreImpuesto(1));
    EXPECT_EQ(LeerEntero(ajustes::kImpuesto2, ajustes::kPorcentaje, -1), PorcentajeImpuesto(2));

    // Silenced, the notice stays away.
    EscribirEntero(ajustes::kAvisos, DatosAviso(Aviso::IrpfIvaCambio).clave, 1);
    CImpuestosDlg otra;
    EXPECT_TRUE(Aceptar(otra).isEmpty());
}

TEST(CMonedaDlg, SymbolOfOneCharacterAndNameOfFifteen)
{
    TempWorkspace tw;
    {
        CMonedaDlg dlg;
        EXPECT_EQ(dlg.Nombre()->text(), "Euros");
        EXPECT_EQ(dlg.Simbolo()->text(), QStringLiteral("\u20AC"));
        dlg.show();
        dlg.Simbolo()->clear();
        QTest::keyClicks(dlg.Simbolo(), "$$");
        EXPECT_EQ(dlg.Simbolo()->text(), "$");
        dlg.Nombre()->clear();
        QTest::keyClicks(dlg.Nombre(), "Dolares de los Estados");
        EXPECT_EQ(dlg.Nombre()->text(), "Dolares de los ");
        EXPECT_TRUE(Aceptar(dlg).isEmpty());
        EXPECT_EQ(SimboloMoneda(), "$");
        EXPECT_EQ(NombreMoneda(), "Dolares de los ");
    }
    {
        // A longer symbol stored by hand is refused until shortened.
        PonerSimboloMoneda("EUR");
        CMonedaDlg dlg;
        EXPECT_EQ(dlg.Simbolo()->text(), "EUR");
        EXPECT_EQ(Aceptar(dlg), QStringList{"No escriba más de 1 caracteres."});
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.focusWidget(), dlg.Simbolo());
        EXPECT_EQ(SimboloMoneda(), "EUR");
        dlg.Simbolo()->setText("E");
        EXPECT_TRUE(Aceptar(dlg).isEmpty());
        EXPECT_EQ(SimboloMoneda(), "E");
    }
}

TEST(CVencimientoDlg, DueDayMustBe1To27WhateverTheOption)
{
    const struct { int opcion; const char* dia; bool acepta; } casos[] = {
        {0, "28", false}, {0, "31", false}, {1, "29", false}, {2, "30", false}, {1, "0", false},
        {0, "27", true},  {1, "1", true},   {2, "15", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dia);
        TempWorkspace tw;
        CVencimientoDlg dlg;
        EXPECT_EQ(dlg.Dia()->text(), "6");
        EXPECT_EQ(dlg.Opciones()->checkedId(), 0);
        dlg.Opciones()->button(c.opcion)->setChecked(true);
        dlg.Dia()->setText(c.dia);
        dlg.Otro()->setText("fin de mes");
        const QStringList m = Aceptar(dlg);
        if (c.acepta) {
            EXPECT_TRUE(m.isEmpty());
            EXPECT_EQ(LeerEntero(ajustes::kRecibo, ajustes::kVencimientoTipo, -1), c.opcion);
            EXPECT_EQ(LeerEntero(ajustes::kRecibo, ajustes::kVencimientoDia, -1), QString(c.dia).toInt());
            EXPECT_EQ(LeerTexto(ajustes::kRecibo, ajustes::kVencimientoOtro, "?"), "fin de mes");
        } else {
            EXPECT_EQ(m, QStringList{kFueraDeRango.arg(1).arg(27)});
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_TRUE(ContenidoAjustes().isEmpty());
        }
    }
}

TEST(CSufijoDlg, OutOfRangeStoredValueShowsOneAndCancelKeepsIt)
{
    TempWorkspace tw;
    EscribirEntero(ajustes::kRecibo, ajustes::kSufijo, 1500);
    {
        CSufijoDlg dlg;
        EXPECT_EQ(dlg.Sufijo()->text(), "1");
        dlg.show();
        QTest::keyClick(dlg.Sufijo(), Qt::Key_Escape);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(LeerEntero(ajustes::kRecibo, ajustes::kSufijo, 0), 1500);
    }
    const struct { const char* valor; bool acepta; } casos[] = {
        {"1000", false}, {"-1", false}, {"0", true}, {"999", true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        CSufijoDlg dlg;
        dlg.Sufijo()->setText(c.valor);
        const QStringList m = Aceptar(dlg);
        EXPECT_EQ(m.isEmpty(), c.acepta);
        if (!c.acepta)
            EXPECT_EQ(m, QStringList{kFueraDeRango.arg(0).arg(999)});
        else
            EXPECT_EQ(LeerEntero(ajustes::kRecibo, ajustes::kSufijo, -5), QString(c.valor).toInt());
    }
}

TEST(CTextoCuadroReciboFactura, WritesTheChosenOptionOnlyOnConfirmation)
{
    TempWorkspace tw;
    EscribirEntero(ajustes::kRecibo, ajustes::kReciboFactura, 2);
    for (int opcion = 0; opcion < 4; ++opcion) {
        SCOPED_TRACE(opcion);
        CTextoCuadroReciboFactura dlg;
        EXPECT_EQ(dlg.Opciones()->checkedId(), opcion == 0 ? 2 : opcion - 1);
        dlg.Opciones()->button(opcion)->setChecked(true);
        EXPECT_TRUE(Aceptar(dlg).isEmpty());
        EXPECT_EQ(LeerEntero(ajustes::kRecibo, ajustes::kReciboFactura, -1), opcion);
    }
    CTextoCuadroReciboFactura dlg;
    dlg.Opciones()->button(0)->setChecked(true);
    dlg.reject();
    EXPECT_EQ(LeerEntero(ajustes::kRecibo, ajustes::kReciboFactura, -1), 3);
}

TEST(AjustesDlg, CancelWritesNothingAndEnterConfirmsEachDialog)
{
    TempWorkspace tw;
    EscribirEntero(ajustes::kAvisos, DatosAviso(Aviso::IrpfIvaCambio).clave, 1);
    const QByteArray inicial = ContenidoAjustes();
    auto dialogos = [] {
        std::vector<std::unique_ptr<QDialog>> v;
        v.emplace_back(new CImpuestosDlg);
        v.emplace_back(new CMonedaDlg);
        v.emplace_back(new CVencimientoDlg);
        v.emplace_back(new CSufijoDlg);
        v.emplace_back(new CTextoCuadroReciboFactura);
        return v;
    };
    for (auto& d : dialogos()) {
        SCOPED_TRACE(d->windowTitle().toStdString());
        d->show();
        // Change every box, then leave with Escape from inside it.
        for (QLineEdit* e : d->findChildren<QLineEdit*>())
            e->setText("7");
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
            if (b->isCheckable())
                b->setChecked(true);
        QWidget* foco = d->findChildren<QLineEdit*>().value(0, nullptr);
        QTest::keyClick(foco ? foco : d.get(), Qt::Key_Escape);
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_EQ(ContenidoAjustes(), inicial);
    }
    for (auto& d : dialogos()) {
        SCOPED_TRACE(d->windowTitle().toStdString());
        d->show();
        QWidget* foco = d->findChildren<QLineEdit*>().value(0, nullptr);
        QTest::keyClick(foco ? foco : d.get(), Qt::Key_Return);
        EXPECT_EQ(d->result(), QDialog::Accepted);
    }
    EXPECT_NE(ContenidoAjustes(), inicial);
}

TEST(AjustesDlg, TabFollowsTheFormFromTopToBottom)
{
    TempWorkspace tw;
    {
        CImpuestosDlg dlg;
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        dlg.Nombre(1)->setFocus();
        const QWidget* orden[] = {dlg.Porcentaje(1), dlg.Nombre(2), dlg.Porcentaje(2)};
        for (const QWidget* w : orden) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), w);
        }
    }
    {
        CVencimientoDlg dlg;
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        dlg.Dia()->setFocus();
        // Unchecked radios of the group take no Tab stop: the day leads to the free text.
        QTest::keyClick(dlg.Dia(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg.Otro());
        QTest::keyClick(dlg.Otro(), Qt::Key_Tab);
        EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget())->text(), "Aceptar");
    }
}
