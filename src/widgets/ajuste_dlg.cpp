#include "widgets/ajuste_dlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLineEdit>

#include "widgets/campos_dlg.h"

CAjusteDlg::CAjusteDlg(QWidget* parent, const QString& titulo) : QDialog(parent)
{
    setWindowTitle(titulo);
}

void CAjusteDlg::accept()
{
    if (Guardar())
        QDialog::accept();
}

QDialogButtonBox* CAjusteDlg::Botones(const QString& salir)
{
    return BotonesDialogo(this, QStringLiteral("Aceptar"), salir);
}

QLineEdit* CAjusteDlg::CajaNumero(const QString& texto, int ancho)
{
    auto* caja = new QLineEdit(texto, this);
    caja->setMaximumWidth(ancho);
    caja->setAlignment(Qt::AlignRight);
    return caja;
}

void CAjusteDlg::MarcarOpcion(QButtonGroup* opciones, int id)
{
    QAbstractButton* b = opciones->button(id);
    (b ? b : opciones->button(0))->setChecked(true);
}

int CAjusteDlg::OpcionMarcada(const QButtonGroup* opciones)
{
    return qMax(0, opciones->checkedId());
}
