// The billing flows as a user drives them: each modal dialog the flow opens is answered
// in turn, and the workspace is checked afterwards.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

#include "widgets/aviso_dlg.h"
#include "app/documento.h"
#include "app/main_window.h"
#include "billing/facturacion.h"
#include "billing/facturacion_mes_dlg.h"
#include "billing/facturaciones_dlg.h"
#include "billing/facturar_inmueble_dlg.h"
#include "billing/modificar_recibo_dlg.h"
#include "billing_fixture.h"
#include "modal_helper.h"

namespace {

QLineEdit* EditConTexto(QWidget* w, const QString& texto)
{
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (e->text() == texto)
            return e;
    return nullptr;
}

}  // namespace

class FlujoTest : public BillingTest {
protected:
    void SetUp() override
    {
        BillingTest::SetUp();
        Propietario(QStringLiteral("PEREZ"), 41);
        casa = Inmueble({.direccion = "MAYOR, 1", .arrendador = "PEREZ", .renta = 2500, .numerar = true});
        Inmueble({.direccion = "MAYOR, 2", .arrendador = "PEREZ", .renta = 70000});
    }
    qint64 casa = 0;
};

TEST_F(FlujoTest, IndividualBillingShowsNoticeMonthAndFormThenStoresTheCorrection)
{
    const QDate hoy = QDate::currentDate();
    Respuestas r{
        [](QWidget* w) {
            EXPECT_NE(qobject_cast<CAvisoDlg*>(w), nullptr);
            Aceptar(w);
        },
        Aceptar,    // the month picker, on the current month
        [](QWidget* w) {
            ASSERT_NE(qobject_cast<CModificarReciboDlg*>(w), nullptr);
            QLineEdit* renta = EditConTexto(w, QStringLiteral("25,00"));
            ASSERT_NE(renta, nullptr);
            renta->setText(QStringLiteral("31,50"));
            Aceptar(w);
        },
    };
    const qint64 ref = FacturarInmuebleConDialogo(nullptr, db, casa);
    EXPECT_TRUE(r.Agotadas()) << r.vistos.join(u'|').toStdString();
    ASSERT_GT(ref, 0);

    Statement st(db, "SELECT renta, numero_recibo, fecha_facturacion, direccion FROM recibo");
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.money(0), Moneda::DeCentimos(3150));
    EXPECT_EQ(st.integer(1), 42);
    EXPECT_EQ(st.date(2), QDate(hoy.year(), hoy.month(), 1));
    EXPECT_EQ(st.text(3), QStringLiteral("MAYOR, 1"));
    EXPECT_FALSE(st.next());
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 0);
}

TEST_F(FlujoTest, IndividualBillingCancelledAtTheMonthWritesNothingAndSalirKeepsTheReceipt)
{
    {
        Respuestas r{Aceptar, Rechazar};
        EXPECT_EQ(FacturarInmuebleConDialogo(nullptr, db, casa), 0);
        EXPECT_TRUE(r.Agotadas());
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 41);

    // "Salir" in the form: the receipt stays as billed, uncorrected.
    Respuestas r{Aceptar, Aceptar, [](QWidget* w) {
                     if (QLineEdit* e = EditConTexto(w, QStringLiteral("25,00")))
                         e->setText(QStringLiteral("1,00"));
                     Rechazar(w);
                 }};
    EXPECT_GT(FacturarInmuebleConDialogo(nullptr, db, casa), 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT renta FROM recibo"), 2500 * 100);
}

TEST_F(FlujoTest, NewRunBillsTheChosenMonthWithItsNotesInCapitals)
{
    QString mensaje;
    Respuestas r{
        [](QWidget* w) {
            auto* dlg = qobject_cast<CFacturacionMesDlg*>(w);
            ASSERT_NE(dlg, nullptr);
            // First run: month and year are free.
            dlg->findChild<QComboBox*>()->setCurrentIndex(2);
            QLineEdit* anio = EditConTexto(w, QString::number(dlg->Fecha().year()));
            ASSERT_NE(anio, nullptr);
            anio->setText(QStringLiteral("2024"));
            for (QLineEdit* e : w->findChildren<QLineEdit*>())
                if (e != anio)
                    e->insert(QStringLiteral("subida ipc"));    // as typed
            Aceptar(w);
        },
        [&mensaje](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            mensaje = box->text();
            box->accept();
        },
    };
    EXPECT_TRUE(CFacturacionesDlg::NuevaFacturacion(nullptr, db));
    EXPECT_TRUE(r.Agotadas()) << r.vistos.join(u'|').toStdString();
    EXPECT_TRUE(mensaje.contains(QStringLiteral("2 recibos"))) << mensaje.toStdString();
    EXPECT_TRUE(mensaje.contains(QStringLiteral("725,00"))) << mensaje.toStdString();
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE fecha_facturacion = '2024-03-01 00:00:00'"
                     " AND notas = 'SUBIDA IPC'"), 2);
}

TEST_F(FlujoTest, ABilledMonthReachedWithTheYearButtonsIsRefusedAndNothingIsWritten)
{
    Facturacion f(db);
    f.FacturarMes(QDate(2023, 4, 1), QString());
    f.FacturarMes(QDate(2024, 3, 1), QString());
    const qint64 recibos = Contar("SELECT COUNT(*) FROM recibo");

    QString mensaje;
    Respuestas r{
        [](QWidget* w) {
            auto* dlg = qobject_cast<CFacturacionMesDlg*>(w);
            ASSERT_NE(dlg, nullptr);
            EXPECT_EQ(dlg->Fecha(), QDate(2024, 4, 1));
            for (QPushButton* b : w->findChildren<QPushButton*>())
                if (b->text() == QLatin1String("-"))
                    b->click();
            EXPECT_EQ(dlg->Fecha(), QDate(2023, 4, 1));
            Aceptar(w);
        },
        [&mensaje](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            mensaje = box->text();
            box->accept();
        },
    };
    EXPECT_FALSE(CFacturacionesDlg::NuevaFacturacion(nullptr, db));
    EXPECT_TRUE(r.Agotadas());
    EXPECT_TRUE(mensaje.contains(QStringLiteral("ABRIL de 2023"))) << mensaje.toStdString();
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), recibos);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 2);
}

TEST_F(FlujoTest, MainWindowFacturacionOpensTheRunsListOfTheOpenWorkspace)
{
    db.close();
    CRentivaDoc doc;
    CMainFrame frame(doc);
    ASSERT_TRUE(doc.AbrirBase(ws.workspacePath())) << doc.Mensajes().join(u'\n').toStdString();
    QAction* facturacion = frame.Accion(cmd::Facturacion);
    ASSERT_NE(facturacion, nullptr);
    ASSERT_TRUE(facturacion->isEnabled());

    // "Nueva" in the list, then the month dialog and the closing message, then "Salir".
    Respuestas r{
        [](QWidget* w) {
            ASSERT_NE(qobject_cast<CFacturacionesDlg*>(w), nullptr);
            for (QPushButton* b : w->findChildren<QPushButton*>())
                if (b->text() == QLatin1String("Nueva"))
                    QTimer::singleShot(0, b, &QPushButton::click);
        },
        Aceptar,
        Aceptar,
    };
    facturacion->trigger();
    EXPECT_TRUE(r.Agotadas()) << r.vistos.join(u'|').toStdString();
    EXPECT_EQ(r.vistos.value(0), QStringLiteral("Facturaciones"));
    EXPECT_EQ(QueryInteger(doc.Base(), QStringLiteral("SELECT COUNT(*) FROM recibo")), 2);
    EXPECT_EQ(QueryInteger(doc.Base(), QStringLiteral("SELECT COUNT(*) FROM facturacion")), 1);
}
