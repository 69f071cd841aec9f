#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/traducciones.h"

namespace {

QStringList Textos(const QList<QAbstractButton*>& botones)
{
    QStringList r;
    for (QAbstractButton* b : botones)
        r << b->text().remove(u'&');
    return r;
}

}  // namespace

// Qt's own boxes and file dialogs must speak Spanish (the translations package is a dependency).
TEST(Traducciones, QuestionBoxAndFileDialogAreSpanish)
{
    ASSERT_TRUE(InstalarTraducciones());

    QMessageBox pregunta(QMessageBox::Question, QStringLiteral("Rentiva"), QStringLiteral("¿Está seguro?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const QStringList botones = Textos(pregunta.buttons());
    EXPECT_TRUE(botones.contains(QStringLiteral("Sí"))) << botones.join('|').toStdString();
    EXPECT_TRUE(botones.contains(QStringLiteral("No")));
    EXPECT_TRUE(botones.contains(QStringLiteral("Cancelar")));

    QFileDialog archivo(nullptr, QStringLiteral("Abrir"));
    archivo.setOption(QFileDialog::DontUseNativeDialog);
    archivo.setAcceptMode(QFileDialog::AcceptOpen);
    auto* caja = archivo.findChild<QDialogButtonBox*>();
    ASSERT_NE(caja, nullptr);
    const QStringList deArchivo = Textos(caja->buttons());
    EXPECT_TRUE(deArchivo.contains(QStringLiteral("Abrir"))) << deArchivo.join('|').toStdString();
    EXPECT_TRUE(deArchivo.contains(QStringLiteral("Cancelar")));
}
