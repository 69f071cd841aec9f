#include "app/texto_cuadro_recibo_factura_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "widgets/disposicion.h"

CTextoCuadroReciboFactura::CTextoCuadroReciboFactura(QWidget* parent)
    : CAjusteDlg(parent, QStringLiteral("Texto cuadro Recibo / Factura"))
{
    m_opciones = new QButtonGroup(this);
    auto* lay = new QVBoxLayout(this);
    const char* const textos[] = {"Recibo", "Factura", "Factura si va numerada, si no Recibo",
                                  "Factura / Recibo número"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(textos[i]), this);
        m_opciones->addButton(r, i);
        lay->addWidget(r);
    }
    MarcarOpcion(m_opciones, LeerEntero(ajustes::kRecibo, ajustes::kReciboFactura, 0));
    lay->addWidget(Botones(QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

bool CTextoCuadroReciboFactura::Guardar()
{
    EscribirEntero(ajustes::kRecibo, ajustes::kReciboFactura, OpcionMarcada(m_opciones));
    return true;
}
