#include "app/vencimiento_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

CVencimientoDlg::CVencimientoDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vencimiento Recibos"));
    m_opciones = new QButtonGroup(this);
    auto* vista = new QRadioButton(QStringLiteral("A LA VISTA"), this);
    auto* dia = new QRadioButton(QStringLiteral("Día"), this);
    m_dia = new QLineEdit(this);
    m_dia->setMaximumWidth(50);
    m_dia->setAlignment(Qt::AlignRight);
    auto* otro = new QRadioButton(this);
    otro->setAccessibleName(QStringLiteral("Otro texto"));
    m_otro = new QLineEdit(this);
    m_opciones->addButton(vista, 0);
    m_opciones->addButton(dia, 1);
    m_opciones->addButton(otro, 2);

    const int tipo = LeerEntero(ajustes::kRecibo, ajustes::kVencimientoTipo, 0);
    if (QAbstractButton* b = m_opciones->button(tipo))
        b->setChecked(true);
    else
        vista->setChecked(true);
    m_dia->setText(QString::number(
        LeerEntero(ajustes::kRecibo, ajustes::kVencimientoDia, ajustes::kVencimientoDiaPorDefecto)));
    m_otro->setText(LeerTexto(ajustes::kRecibo, ajustes::kVencimientoOtro, QString()));
    LimitarLongitud(m_otro, kLongitudOtro);

    auto* rejilla = new QGridLayout;
    rejilla->addWidget(vista, 0, 0, 1, 3);
    rejilla->addWidget(dia, 1, 0);
    rejilla->addWidget(m_dia, 1, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("del mes en curso"), this), 1, 2);
    rejilla->addWidget(otro, 2, 0);
    rejilla->addWidget(m_otro, 2, 1, 1, 2);
    // Typing in a box chooses its option.
    connect(m_dia, &QLineEdit::textEdited, dia, [dia] { dia->setChecked(true); });
    connect(m_otro, &QLineEdit::textEdited, otro, [otro] { otro->setChecked(true); });

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(rejilla);
    lay->addWidget(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

void CVencimientoDlg::accept()
{
    // The day is checked whatever option is chosen: it also sets the bank charge date.
    int dia = 0;
    if (!ComprobarEntero(this, m_dia, 1, kDiaMaximo, &dia) || !ComprobarLongitud(this, m_otro, kLongitudOtro))
        return;
    EscribirEntero(ajustes::kRecibo, ajustes::kVencimientoTipo, qMax(0, m_opciones->checkedId()));
    EscribirEntero(ajustes::kRecibo, ajustes::kVencimientoDia, dia);
    EscribirTexto(ajustes::kRecibo, ajustes::kVencimientoOtro, m_otro->text());
    QDialog::accept();
}
