#include "app/moneda_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "settings/ajustes.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

constexpr int kLongitudNombre = 15;
constexpr int kLongitudSimbolo = 1;

}  // namespace

CMonedaDlg::CMonedaDlg(QWidget* parent) : CAjusteDlg(parent, QStringLiteral("Moneda"))
{
    m_nombre = new QLineEdit(NombreMoneda(), this);
    LimitarLongitud(m_nombre, kLongitudNombre);
    m_simbolo = new QLineEdit(SimboloMoneda(), this);
    LimitarLongitud(m_simbolo, kLongitudSimbolo);
    m_simbolo->setMaximumWidth(50);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Nombre Moneda"), m_nombre);
    form->addRow(QStringLiteral("Símbolo Monetario"), m_simbolo);
    form->addRow(Botones(QStringLiteral("Salir")));
    OrdenLectura(this);
}

bool CMonedaDlg::Guardar()
{
    if (!ComprobarLongitud(this, m_nombre, kLongitudNombre) || !ComprobarLongitud(this, m_simbolo, kLongitudSimbolo))
        return false;
    PonerNombreMoneda(m_nombre->text());
    PonerSimboloMoneda(m_simbolo->text());
    return true;
}
