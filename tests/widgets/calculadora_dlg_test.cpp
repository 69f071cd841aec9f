#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "widgets/calculadora_dlg.h"

TEST(CalculadoraDlg, KeyboardDrivesTheButtonsAndDivisionByZeroIsExplained)
{
    CCalculadoraDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Calculadora");
    EXPECT_TRUE(dlg.Tecla("=")->isDefault());
    QTest::keyClicks(&dlg, "7+5");
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_EQ(dlg.Pantalla()->text(), "12");
    EXPECT_TRUE(dlg.isVisible());

    dlg.Tecla("*")->click();
    dlg.Tecla("2")->click();
    dlg.Tecla("=")->click();
    EXPECT_EQ(dlg.Pantalla()->text(), "24");

    QString mensaje;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            mensaje = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    QTest::keyClicks(&dlg, "/0=");
    EXPECT_EQ(mensaje, "No se puede dividir entre cero.");
    EXPECT_EQ(dlg.Pantalla()->text(), "0");

    QTest::keyClicks(&dlg, "3,5");
    EXPECT_EQ(dlg.Pantalla()->text(), "3.5");
    QTest::keyClick(&dlg, Qt::Key_Delete);
    EXPECT_EQ(dlg.Pantalla()->text(), "0");

    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(CalculadoraDlg, ChainedOperationsFromTheKeyboard)
{
    CCalculadoraDlg dlg;
    dlg.show();
    QTest::keyClicks(&dlg, "2+3+4=");
    EXPECT_EQ(dlg.Pantalla()->text(), "9");
    QTest::keyClick(&dlg, Qt::Key_Delete);
    QTest::keyClicks(&dlg, "1200*21/100=");
    EXPECT_EQ(dlg.Pantalla()->text(), "252");
}
