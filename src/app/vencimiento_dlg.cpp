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

namespace {

constexpr int kDiaMaximo = 27;
constexpr int kLongitudOtro = 20;

}  // namespace

CVencimientoDlg::CVencimientoDlg(QWidget* parent) : CAjusteDlg(parent, QStringLiteral("Vencimiento Recibos"))
{
    m_opciones = new QButtonGroup(this);
    auto* vista = new QRadioButton(QStringLiteral("A LA VISTA"), this);
    auto* dia = new QRadioButton(QStringLiteral("Día"), this);
    m_dia = CajaNumero(QString::number(LeerEntero(ajustes::kRecibo, ajustes::kVencimientoDia,
                                                  ajustes::kVencimientoDiaPorDefecto)),
                       50);
    auto* otro = new QRadioButton(this);
    otro->setAccessibleName(QStringLiteral("Otro texto"));
    m_otro = new QLineEdit(this);
    m_opciones->addButton(vista, 0);
    m_opciones->addButton(dia, 1);
    m_opciones->addButton(otro, 2);

    MarcarOpcion(m_opciones, LeerEntero(ajustes::kRecibo, ajustes::kVencimientoTipo, 0));
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
    lay->addWidget(Botones(QStringLiteral("Cancelar")));
    OrdenLectura(this);
}

bool CVencimientoDlg::Guardar()
{
    // The day is checked whatever option is chosen: it also sets the bank charge date.
    int dia = 0;
    if (!ComprobarEntero(this, m_dia, 1, kDiaMaximo, &dia) || !ComprobarLongitud(this, m_otro, kLongitudOtro))
        return false;
    EscribirEntero(ajustes::kRecibo, ajustes::kVencimientoTipo, OpcionMarcada(m_opciones));
    EscribirEntero(ajustes::kRecibo, ajustes::kVencimientoDia, dia);
    EscribirTexto(ajustes::kRecibo, ajustes::kVencimientoOtro, m_otro->text());
    return true;
}
