#include "app/sufijo_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "settings/ajustes.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

CSufijoDlg::CSufijoDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sufijo Recibo Banco"));
    int sufijo = LeerEntero(ajustes::kRecibo, ajustes::kSufijo, ajustes::kSufijoPorDefecto);
    if (sufijo < 0 || sufijo > kSufijoMaximo)
        sufijo = ajustes::kSufijoPorDefecto;
    m_sufijo = new QLineEdit(QString::number(sufijo), this);
    m_sufijo->setMaximumWidth(70);
    m_sufijo->setAlignment(Qt::AlignRight);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Sufijo Recibo Banco"), m_sufijo);
    form->addRow(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

void CSufijoDlg::accept()
{
    int sufijo = 0;
    if (!ComprobarEntero(this, m_sufijo, 0, kSufijoMaximo, &sufijo))
        return;
    EscribirEntero(ajustes::kRecibo, ajustes::kSufijo, sufijo);
    QDialog::accept();
}
