#include "app/texto_cuadro_recibo_factura_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

CTextoCuadroReciboFactura::CTextoCuadroReciboFactura(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Texto cuadro Recibo / Factura"));
    m_opciones = new QButtonGroup(this);
    auto* lay = new QVBoxLayout(this);
    const char* const textos[] = {"Recibo", "Factura", "Factura si va numerada, si no Recibo",
                                  "Factura / Recibo número"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(textos[i]), this);
        m_opciones->addButton(r, i);
        lay->addWidget(r);
    }
    const int actual = LeerEntero(ajustes::kRecibo, ajustes::kReciboFactura, 0);
    m_opciones->button(actual >= 0 && actual <= 3 ? actual : 0)->setChecked(true);
    lay->addWidget(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

void CTextoCuadroReciboFactura::accept()
{
    EscribirEntero(ajustes::kRecibo, ajustes::kReciboFactura, qMax(0, m_opciones->checkedId()));
    QDialog::accept();
}
