#include "app/sufijo_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "settings/ajustes.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

constexpr int kSufijoMaximo = 999;

}  // namespace

CSufijoDlg::CSufijoDlg(QWidget* parent) : CAjusteDlg(parent, QStringLiteral("Sufijo Recibo Banco"))
{
    int sufijo = LeerEntero(ajustes::kRecibo, ajustes::kSufijo, ajustes::kSufijoPorDefecto);
    if (sufijo < 0 || sufijo > kSufijoMaximo)
        sufijo = ajustes::kSufijoPorDefecto;
    m_sufijo = CajaNumero(QString::number(sufijo), 70);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Sufijo Recibo Banco"), m_sufijo);
    form->addRow(Botones(QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

bool CSufijoDlg::Guardar()
{
    int sufijo = 0;
    if (!ComprobarEntero(this, m_sufijo, 0, kSufijoMaximo, &sufijo))
        return false;
    EscribirEntero(ajustes::kRecibo, ajustes::kSufijo, sufijo);
    return true;
}
