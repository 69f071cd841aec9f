#include "billing/provisional_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>

#include "billing/facturacion.h"

namespace provisional {

CMesDlg::CMesDlg(QWidget* parent, const QString& titulo) : QDialog(parent)
{
    setWindowTitle(titulo);
    const QDate hoy = QDate::currentDate();
    m_mes = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        m_mes->addItem(Facturacion::NombreMes(m));
    m_mes->setCurrentIndex(hoy.month() - 1);
    m_anio = new QSpinBox(this);
    m_anio->setRange(1990, 2099);
    m_anio->setValue(hoy.year());
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Mes"), m_mes);
    form->addRow(QStringLiteral("Año"), m_anio);
    form->addRow(botones);
}

QDate CMesDlg::Fecha() const
{
    return QDate(m_anio->value(), m_mes->currentIndex() + 1, 1);
}

CFechaDlg::CFechaDlg(QWidget* parent) : CMesDlg(parent, QStringLiteral("Fecha"))
{
    m_dia = new QSpinBox(this);
    m_dia->setRange(1, 31);
    m_dia->setValue(1);
    static_cast<QFormLayout*>(layout())->insertRow(0, QStringLiteral("Dia"), m_dia);
}

QDate CFechaDlg::Fecha() const
{
    return QDate(m_anio->value(), m_mes->currentIndex() + 1, m_dia->value());
}

void CFechaDlg::accept()
{
    if (!Fecha().isValid()) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Fecha Erronea"));
        return;
    }
    QDialog::accept();
}

void AvisoFacturacionIndividual(QWidget* parent)
{
    QMessageBox::information(
        parent, QStringLiteral("Aviso"),
        QStringLiteral("Va a crear una nueva factura o recibo para este inmueble, Las facturaciones se "
                       "pueden hacer desde el menu principal, facturación nueva, facturandose así "
                       "todos los inmuebles, las facturaciones que se hacen desde la ficha inmueble "
                       "son para facturaciones adicionales."));
}

}  // namespace provisional
