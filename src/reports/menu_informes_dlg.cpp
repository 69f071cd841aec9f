#include "reports/menu_informes_dlg.h"

#include <QPushButton>
#include <QVBoxLayout>

CMenuInformesDlg::CMenuInformesDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Informes"));
    auto* todo = new QVBoxLayout(this);
    m_botones = new QVBoxLayout;
    todo->addLayout(m_botones);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    todo->addWidget(salir);
    setMinimumWidth(260);
}

QPushButton* CMenuInformesDlg::AnadirInforme(const QString& texto, std::function<void()> accion)
{
    auto* b = new QPushButton(texto, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, accion = std::move(accion)] {
        accept();
        accion();
    });
    m_botones->addWidget(b);
    return b;
}
