#include "app/moneda_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "settings/ajustes.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

CMonedaDlg::CMonedaDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Moneda"));
    m_nombre = new QLineEdit(NombreMoneda(), this);
    LimitarLongitud(m_nombre, kLongitudNombre);
    m_simbolo = new QLineEdit(SimboloMoneda(), this);
    LimitarLongitud(m_simbolo, kLongitudSimbolo);
    m_simbolo->setMaximumWidth(50);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Nombre Moneda"), m_nombre);
    form->addRow(QStringLiteral("Símbolo Monetario"), m_simbolo);
    form->addRow(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Salir")));
    OrdenLectura(this);
}

void CMonedaDlg::accept()
{
    if (!ComprobarLongitud(this, m_nombre, kLongitudNombre) || !ComprobarLongitud(this, m_simbolo, kLongitudSimbolo))
        return;
    PonerNombreMoneda(m_nombre->text());
    PonerSimboloMoneda(m_simbolo->text());
    QDialog::accept();
}
