#include <gtest/gtest.h>

#include <QLineEdit>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "widgets/calculo_nif_ccc_dlg.h"

namespace {
// Typed key by key, so that the fields' digit filters and lengths apply as for a user.
void Teclear(QWidget* w, const QString& texto)
{
    for (QChar c : texto) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

void Pulsar(QWidget* w, Qt::Key tecla)
{
    QKeyEvent press(QEvent::KeyPress, tecla, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}
}  // namespace

TEST(CCalculoNifCccDlg, EmptyFormGivesZerosAndT)
{
    CCalculoNifCccDlg dlg;
    EXPECT_TRUE(dlg.m_dc->text().isEmpty());
    EXPECT_TRUE(dlg.m_letra->text().isEmpty());
    dlg.m_calcular->click();
    EXPECT_EQ(dlg.m_dc->text(), QStringLiteral("00"));
    EXPECT_EQ(dlg.m_letra->text(), QStringLiteral("T"));
}

TEST(CCalculoNifCccDlg, TypedValuesComputeBothAndOnlyDigitsAreAccepted)
{
    CCalculoNifCccDlg dlg;
    dlg.show();
    Teclear(dlg.m_banco, QStringLiteral("12a34"));
    Teclear(dlg.m_sucursal, QStringLiteral("5678"));
    Teclear(dlg.m_cuenta, QStringLiteral("1234567890999"));
    Teclear(dlg.m_nif, QStringLiteral("12.345.678"));
    EXPECT_EQ(dlg.m_banco->text(), QStringLiteral("1234"));
    EXPECT_EQ(dlg.m_cuenta->text(), QStringLiteral("1234567890"));
    EXPECT_EQ(dlg.m_nif->text(), QStringLiteral("12345678"));
    Pulsar(dlg.m_nif, Qt::Key_Return);   // "Calcular" is the default button
    EXPECT_EQ(dlg.m_dc->text(), QStringLiteral("06"));
    EXPECT_EQ(dlg.m_letra->text(), QStringLiteral("Z"));
    EXPECT_TRUE(dlg.m_dc->isReadOnly());
    EXPECT_TRUE(dlg.m_letra->isReadOnly());
}

// A NIE keeps its X, Y or Z (typed in either case) and gets its own letter.
TEST(CCalculoNifCccDlg, NieKeepsItsLetterAndGetsItsControl)
{
    const struct { const char* tecleado; const char* campo; const char* letra; } casos[] = {
        {"y1234567", "Y1234567", "X"}, {"X1234567", "X1234567", "L"}, {"Z0000001", "Z0000001", "Y"},
        {"1X234567", "1234567", "L"},   // an X after the first digit is refused
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado);
        CCalculoNifCccDlg dlg;
        dlg.show();
        Teclear(dlg.m_nif, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(dlg.m_nif->text(), QString::fromLatin1(c.campo));
        dlg.m_calcular->click();
        EXPECT_EQ(dlg.m_letra->text(), QString::fromLatin1(c.letra));
    }
}
