#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/campos_dlg.h"
#include "util/letras.h"
#include "widgets/espera_dlg.h"
#include "widgets/fecha_dlg.h"
#include "widgets/mes_dlg.h"
#include "util/validacion.h"
#include "modal_helper.h"

namespace {

QPushButton* Boton(QWidget* w, const QString& texto)
{
    for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->text() == texto)
            return b;
    return nullptr;
}

}  // namespace

TEST(Validacion, IntegersRangesNumbersAndLengthsGiveTheUsualMessages)
{
    const struct { const char* texto; int min, max; const char* error; int valor; } enteros[] = {
        {"27", 1, 27, "", 27},
        {" -99 ", -99, 99, "", -99},
        {"28", 1, 27, "Escriba un número entero entre 1 y 27.", 28},
        {"100", -99, 99, "Escriba un número entero entre -99 y 99.", 100},
        {"", 0, 999, "Escriba un número entero.", 0},
        {"12a", 0, 999, "Escriba un número entero.", 0},
        {"1.5", 0, 999, "Escriba un número entero.", 0},
        {"99999999999", 0, 999, "Escriba un número entero.", 0},
    };
    for (const auto& c : enteros) {
        SCOPED_TRACE(c.texto);
        int v = 0;
        EXPECT_EQ(ValidarEntero(QString::fromUtf8(c.texto), c.min, c.max, &v), QString::fromUtf8(c.error));
        EXPECT_EQ(v, c.valor);
    }
    double d = 0;
    EXPECT_EQ(ValidarNumero("3.5", -9999999, 9999999, &d), "");
    EXPECT_DOUBLE_EQ(d, 3.5);
    EXPECT_EQ(ValidarNumero("abc", -9999999, 9999999, &d), "Escriba un número.");
    EXPECT_EQ(ValidarNumero("10000000", -9999999, 9999999, &d),
              "Escriba un número entre -9999999 y 9999999.");
    EXPECT_EQ(ValidarLongitud("€€", 1), "No escriba más de 1 caracteres.");
    EXPECT_EQ(ValidarLongitud("€", 1), "");
}

TEST(LimitarLongitud, TypingStopsAtTheLimitButALongerLoadedTextCanBeShortened)
{
    QLineEdit caja;
    LimitarLongitud(&caja, 3);
    caja.show();
    QTest::keyClicks(&caja, "abcdef");
    EXPECT_EQ(caja.text(), "abc");

    caja.setText("wxyz1");   // a stored value longer than allowed is shown whole
    EXPECT_EQ(caja.text(), "wxyz1");
    caja.end(false);
    QTest::keyClick(&caja, Qt::Key_Backspace);
    EXPECT_EQ(caja.text(), "wxyz");
    QTest::keyClicks(&caja, "q");
    EXPECT_EQ(caja.text(), "wxyz");
}

TEST(FechaDlg, ImpossibleDatesSayFechaErroneaAndKeepTheDialogOpen)
{
    const struct { const char* dia; int mes; const char* anio; const char* mensaje; QDate fecha; } casos[] = {
        {"31", 2, "2007", "Fecha Errónea", {}},
        {"29", 2, "2023", "Fecha Errónea", {}},
        {"31", 4, "2010", "Fecha Errónea", {}},
        {"0", 1, "2010", "Fecha Errónea", {}},
        {"x", 1, "2010", "Escriba un número entero.", {}},
        {"29", 2, "2024", "", QDate(2024, 2, 29)},
        {"31", 12, "1999", "", QDate(1999, 12, 31)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dia);
        CFechaDlg dlg;
        dlg.show();
        dlg.Dia()->setText(c.dia);
        dlg.Mes()->setCurrentIndex(c.mes - 1);
        dlg.Anio()->setText(c.anio);
        CerrarMensajes mensajes;
        dlg.BotonAceptar()->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(mensajes.Ultimo(), QString::fromUtf8(c.mensaje));
        EXPECT_EQ(dlg.isVisible(), c.fecha.isNull());
        EXPECT_EQ(dlg.result() == QDialog::Accepted, !c.fecha.isNull());
        EXPECT_EQ(dlg.Fecha(), c.fecha);
    }
}

TEST(FechaDlg, StartsOnDayOneOfThisMonthAndMovesTheYear)
{
    CFechaDlg dlg;
    EXPECT_EQ(dlg.Dia()->text(), "1");
    EXPECT_EQ(dlg.Mes()->currentText(), NombreMesMayusculas(QDate::currentDate().month()));
    EXPECT_EQ(dlg.Mes()->count(), 12);
    EXPECT_EQ(dlg.Mes()->itemText(1), "FEBRERO");
    EXPECT_EQ(dlg.Anio()->text().toInt(), QDate::currentDate().year());
    dlg.Anio()->setText("2007");
    Boton(&dlg, "+")->click();
    Boton(&dlg, "+")->click();
    Boton(&dlg, "-")->click();
    EXPECT_EQ(dlg.Anio()->text(), "2008");
    // Without being asked for, the receipt size choice is not offered.
    EXPECT_TRUE(dlg.findChildren<QRadioButton*>().isEmpty());
    EXPECT_EQ(dlg.Tamano(), 0);
}

TEST(FechaDlg, ReceiptSizeChoiceIsReturnedWhenAskedFor)
{
    CFechaDlg dlg(nullptr, true);
    const auto radios = dlg.findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 2);
    EXPECT_EQ(dlg.Tamano(), 0);
    for (QRadioButton* r : radios)
        if (r->text() == QStringLiteral("Recibo Tamaño Folio"))
            r->setChecked(true);
    EXPECT_EQ(dlg.Tamano(), 1);
}

TEST(FechaDlg, KeyboardTabOrderEnterAcceptsEscapeCancels)
{
    {
        CFechaDlg dlg;
        dlg.PonerFecha(QDate(2011, 3, 15));
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        dlg.Dia()->setFocus();
        EXPECT_EQ(dlg.Dia()->nextInFocusChain(), dlg.Mes());
        EXPECT_EQ(dlg.Mes()->nextInFocusChain(), dlg.Anio());
        QTest::keyClick(dlg.Dia(), Qt::Key_Return);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.Fecha(), QDate(2011, 3, 15));
    }
    {
        CFechaDlg dlg;
        dlg.show();
        QTest::keyClick(dlg.Dia(), Qt::Key_Escape);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_FALSE(dlg.isVisible());
    }
}

TEST(MesDlg, YearLimitsAndFirstDayOfTheMonth)
{
    const struct { const char* anio; const char* mensaje; QDate fecha; } casos[] = {
        {"1989", "Escriba un número entero entre 1990 y 2099.", {}},
        {"2100", "Escriba un número entero entre 1990 y 2099.", {}},
        {"dos mil", "Escriba un número entero.", {}},
        {"1990", "", QDate(1990, 9, 1)},
        {"2099", "", QDate(2099, 9, 1)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.anio);
        CMesDlg dlg;
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Selección del mes"));
        dlg.show();
        dlg.Mes()->setCurrentIndex(8);
        dlg.Anio()->setText(c.anio);
        CerrarMensajes mensajes;
        Boton(&dlg, "Aceptar")->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(mensajes.Ultimo(), QString::fromUtf8(c.mensaje));
        EXPECT_EQ(dlg.Fecha(), c.fecha);
        EXPECT_EQ(dlg.isVisible(), c.fecha.isNull());
    }
}

TEST(MesDlg, PlusStopsAtTheLastYearAndEscapeCancels)
{
    CMesDlg dlg;
    dlg.show();
    dlg.Anio()->setText("2098");
    Boton(&dlg, "+")->click();
    Boton(&dlg, "+")->click();
    EXPECT_EQ(dlg.Anio()->text(), "2099");
    EXPECT_EQ(dlg.Mes()->nextInFocusChain(), dlg.Anio());
    QTest::keyClick(dlg.Anio(), Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.Fecha().isValid());
}

TEST(EsperaDlg, ClosesItselfAfterTenTicksUnlessKeptRunning)
{
    {
        CEsperaDlg dlg;
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(dlg.exec(), QDialog::Accepted);
        EXPECT_GE(t.elapsed(), 900);
        EXPECT_EQ(dlg.Barra()->value(), 100);
    }
    {
        CEsperaDlg dlg;
        dlg.SeguirEjecutando(true);
        int vueltas = 0;
        QTimer reloj;
        // Count restarts of the bar; end the task after the second one.
        int anterior = 0;
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            if (dlg.Contador() < anterior && ++vueltas == 2)
                QMetaObject::invokeMethod(&dlg, "Terminar", Qt::QueuedConnection);
            anterior = dlg.Contador();
        });
        reloj.start(20);
        QTimer::singleShot(0, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
        EXPECT_EQ(dlg.exec(), QDialog::Accepted);
        EXPECT_EQ(vueltas, 2);
    }
}
