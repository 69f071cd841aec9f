#include "widgets/aviso_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "widgets/disposicion.h"

CAvisoDlg::CAvisoDlg(QWidget* parent, Aviso aviso) : CAvisoDlg(parent, static_cast<int>(aviso)) {}

CAvisoDlg::CAvisoDlg(QWidget* parent, int aviso) : QDialog(parent), m_aviso(DatosAviso(aviso))
{
    setWindowTitle(QStringLiteral("Aviso"));
    m_estado = LeerEntero(ajustes::kAvisos, m_aviso.clave, 0);
    auto* texto = new QPlainTextEdit(m_aviso.texto, this);
    texto->setReadOnly(true);
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_casilla = new QCheckBox(QStringLiteral("no volver a mostrar este mensaje"), this);
    m_casilla->setChecked(m_estado == 1);
    auto* botones = new QDialogButtonBox(this);
    QPushButton* ok = botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAvisoDlg::Aceptar);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(texto);
    lay->addWidget(m_casilla);
    lay->addWidget(botones);
    resize(420, 200);
    OrdenLectura(this);
}

int CAvisoDlg::Mostrar()
{
    if (m_estado == 1)
        return QDialog::Accepted;
    return exec();
}

void CAvisoDlg::Aceptar()
{
    m_estado = m_casilla->isChecked() ? 1 : 0;
    GuardarEstadoAviso(m_aviso, m_estado == 1);
    accept();
}
