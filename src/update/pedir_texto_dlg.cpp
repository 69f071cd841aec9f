#include "update/pedir_texto_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/campos_dlg.h"
#include "widgets/campos_widget.h"

CPedirTextoDlg::CPedirTextoDlg(QWidget* parent) : QDialog(parent)
{
    auto* aviso = new QLabel(QStringLiteral("Introducir nombre del fichero de actualización\n"
                                            "En caso de no conocerlo deje el campo en blanco."),
                             this);
    aviso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_entrada = campos::Mayusculas(this, 0);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(aviso);
    lay->addWidget(m_entrada);
    lay->addWidget(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar")));
}

QString CPedirTextoDlg::Texto() const
{
    return m_entrada->text().trimmed();
}
