#include "billing/ficha_cobro_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/campos_dlg.h"
#include "widgets/fecha_dlg.h"
#include "widgets/disposicion.h"

namespace {

const QString kFormato = QStringLiteral("dd/MM/yyyy");

QDate LeerFecha(const QString& texto)
{
    const QString t = texto.trimmed();
    const QDate d = QDate::fromString(t, kFormato);
    return d.isValid() ? d : QDate::fromString(t, QStringLiteral("d/M/yyyy"));
}

}  // namespace

CFichaCobroDlg::CFichaCobroDlg(int estado, const QDateTime& fechaCobro, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Ficha Cobros"));
    auto* grupo = new QGroupBox(QStringLiteral("Estado Recibo"), this);
    auto* lg = new QVBoxLayout(grupo);
    m_estados = new QButtonGroup(this);
    const char* const kNombres[] = {"Sin Especificar", "Cobrado", "Enviado al Cobro",
                                    "Devuelto", "Pendiente Cobro", "Dudoso Cobro"};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(kNombres[i]), grupo);
        m_estados->addButton(b, i);
        lg->addWidget(b);
    }
    // A state outside the table reads as "Sin Especificar".
    m_estados->button(estado >= 0 && estado < 6 ? estado : 0)->setChecked(true);

    m_fecha = new QLineEdit(fechaCobro.isValid() ? fechaCobro.date().toString(kFormato) : QString(), this);
    m_fecha->setPlaceholderText(QStringLiteral("DD/MM/AAAA"));
    auto* elegir = new QPushButton(QStringLiteral("Fecha Cobro"), this);
    elegir->setAutoDefault(false);
    connect(elegir, &QPushButton::clicked, this, &CFichaCobroDlg::ElegirFecha);
    auto* fila = new QHBoxLayout;
    fila->addWidget(m_fecha);
    fila->addWidget(elegir);

    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar"));

    Columna(this, {grupo, fila, botones});
    OrdenLectura(this);
}

int CFichaCobroDlg::Estado() const
{
    return qMax(0, m_estados->checkedId());
}

QDateTime CFichaCobroDlg::FechaCobro() const
{
    const QDate d = LeerFecha(m_fecha->text());
    return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
}

void CFichaCobroDlg::ElegirFecha()
{
    CFechaDlg dlg(this);
    if (dlg.exec() == QDialog::Accepted)
        m_fecha->setText(dlg.Fecha().toString(kFormato));
}

void CFichaCobroDlg::accept()
{
    if (!LeerFecha(m_fecha->text()).isValid()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Escriba una fecha válida (DD/MM/AAAA)."));
        m_fecha->setFocus();
        return;
    }
    QDialog::accept();
}
