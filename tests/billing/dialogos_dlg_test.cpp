#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "billing/facturacion.h"
#include "billing/facturacion_mes_dlg.h"
#include "billing/ficha_cobro_dlg.h"
#include "billing/modificar_recibo_dlg.h"
#include "billing_fixture.h"

namespace {

// The edit whose current text is `texto` (the forms have no object names of their own).
QLineEdit* EditConTexto(QWidget* w, const QString& texto)
{
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (e->text() == texto)
            return e;
    return nullptr;
}

// Closes whatever modal box a step opens, so that a refused "OK" does not block the test.
void CerrarModalDespues()
{
    QTimer::singleShot(0, [] {
        if (QWidget* m = QApplication::activeModalWidget())
            m->close();
    });
}

}  // namespace

class ModificarReciboTest : public BillingTest {
protected:
    void SetUp() override
    {
        BillingTest::SetUp();
        Propietario(QStringLiteral("PEREZ"), 0);
        Inmueble({.direccion = "A", .arrendador = "PEREZ", .renta = 50000, .inquilino = "ANA"});
        Facturacion(db).FacturarMes(QDate(2024, 3, 1), QString());
        ref = QueryInteger(db, QStringLiteral("SELECT ref FROM recibo"));
        // Wrong check digits in the stored receipt.
        db.exec(QStringLiteral("UPDATE recibo SET dc = '99'"));
        PrepararEdicionRecibo(db, ref);
    }
    qint64 ref = 0;
};

TEST_F(ModificarReciboTest, AcceptStoresEditsTenantStaysAndBadCheckDigitsShowStars)
{
    CModificarReciboDlg dlg(nullptr, db, ref);
    QLineEdit* inquilino = EditConTexto(&dlg, QStringLiteral("ANA"));
    ASSERT_NE(inquilino, nullptr);
    EXPECT_TRUE(inquilino->isReadOnly());
    ASSERT_NE(EditConTexto(&dlg, QStringLiteral("**")), nullptr);
    QLineEdit* renta = EditConTexto(&dlg, QStringLiteral("500,00"));
    ASSERT_NE(renta, nullptr);
    renta->setText(QStringLiteral("612,345"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EscribirEmisionEnRecibo(db);

    Statement st(db, "SELECT renta, dc, nom_arrendatario FROM recibo WHERE ref = ?1");
    st.bind(1, ref);
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.money(0), Moneda::DeCentimos(61235));   // rounded to cents
    EXPECT_EQ(st.text(1), QStringLiteral("**"));
    EXPECT_EQ(st.text(2), QStringLiteral("ANA"));
}

TEST_F(ModificarReciboTest, UnreadableAmountKeepsTheFormOpenAndStoresNothing)
{
    CModificarReciboDlg dlg(nullptr, db, ref);
    EditConTexto(&dlg, QStringLiteral("500,00"))->setText(QStringLiteral("doce"));
    CerrarModalDespues();
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT renta FROM emision_recibo")), 50000 * 100);
}

TEST(FichaCobro, ReturnsTheChosenStateAndDateAndRequiresADate)
{
    CFichaCobroDlg dlg(9, QDateTime(), nullptr);
    const auto radios = dlg.findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 6);
    EXPECT_TRUE(radios[0]->isChecked());     // unknown state reads as "Sin Especificar"
    QLineEdit* fecha = dlg.findChild<QLineEdit*>();
    ASSERT_NE(fecha, nullptr);
    EXPECT_TRUE(fecha->text().isEmpty());

    radios[1]->setChecked(true);
    CerrarModalDespues();
    dlg.accept();                            // empty date: stays open
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    fecha->setText(QStringLiteral("07/03/2024"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Estado(), 1);
    EXPECT_EQ(dlg.FechaCobro(), QDateTime(QDate(2024, 3, 7), QTime(0, 0)));
}

TEST(FacturacionMes, MonthIsFixedAfterTheFirstRunButTheYearStillMoves)
{
    CFacturacionMesDlg dlg(QDate(2007, 1, 1), false, nullptr);
    QComboBox* mes = dlg.findChild<QComboBox*>();
    ASSERT_NE(mes, nullptr);
    EXPECT_FALSE(mes->isEnabled());
    EXPECT_EQ(mes->currentText(), QStringLiteral("ENERO"));
    QLineEdit* anio = EditConTexto(&dlg, QStringLiteral("2007"));
    ASSERT_NE(anio, nullptr);
    EXPECT_TRUE(anio->isReadOnly());
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->text() == QLatin1String("+"))
            b->click();
    EXPECT_EQ(dlg.Fecha(), QDate(2008, 1, 1));
}
