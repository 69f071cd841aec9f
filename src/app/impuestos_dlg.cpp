#include "app/impuestos_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "widgets/aviso_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

CImpuestosDlg::CImpuestosDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Impuestos"));
    auto* rejilla = new QGridLayout;
    rejilla->addWidget(new QLabel(QStringLiteral("Impuesto"), this), 0, 0);
    rejilla->addWidget(new QLabel(QStringLiteral("Porcentaje"), this), 0, 1);
    for (int i = 0; i < 2; ++i) {
        const int tipo = i + 1;
        m_nombre[i] = new QLineEdit(NombreImpuesto(tipo), this);
        LimitarLongitud(m_nombre[i], kLongitudNombre);
        m_porcentaje[i] = new QLineEdit(QString::number(PorcentajeImpuesto(tipo)), this);
        m_porcentaje[i]->setMaximumWidth(70);
        m_porcentaje[i]->setAlignment(Qt::AlignRight);
        rejilla->addWidget(m_nombre[i], tipo, 0);
        rejilla->addWidget(m_porcentaje[i], tipo, 1);
    }
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(rejilla);
    lay->addWidget(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

void CImpuestosDlg::accept()
{
    int porcentaje[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
        if (!ComprobarLongitud(this, m_nombre[i], kLongitudNombre) ||
            !ComprobarEntero(this, m_porcentaje[i], -kPorcentajeMaximo, kPorcentajeMaximo, &porcentaje[i]))
            return;
    for (int i = 0; i < 2; ++i) {
        PonerNombreImpuesto(i + 1, m_nombre[i]->text());
        PonerPorcentajeImpuesto(i + 1, porcentaje[i]);
    }
    CAvisoDlg(this, Aviso::IrpfIvaCambio).Mostrar();
    QDialog::accept();
}
