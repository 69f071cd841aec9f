#include "billing/facturacion_mes_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "billing/facturacion.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

constexpr int kAnioMin = 0;
constexpr int kAnioMax = 2100;

}  // namespace

CFacturacionMesDlg::CFacturacionMesDlg(const QDate& propuesta, bool primera, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Facturación"));
    m_mes = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        m_mes->addItem(Facturacion::NombreMes(m));
    m_mes->setCurrentIndex(propuesta.month() - 1);
    m_mes->setEnabled(primera);

    m_anio = new QLineEdit(QString::number(propuesta.year()), this);
    m_anio->setValidator(new QIntValidator(kAnioMin, 9999, m_anio));
    m_anio->setReadOnly(!primera);
    m_anio->setMaxLength(4);
    auto* menos = new QPushButton(QStringLiteral("-"), this);
    auto* mas = new QPushButton(QStringLiteral("+"), this);
    for (auto* b : {menos, mas}) {
        b->setAutoDefault(false);
        b->setFixedWidth(32);
    }
    connect(menos, &QPushButton::clicked, this, [this] { CambiarAnio(-1); });
    connect(mas, &QPushButton::clicked, this, [this] { CambiarAnio(+1); });
    auto* filaAnio = new QHBoxLayout;
    filaAnio->addWidget(m_anio);
    filaAnio->addWidget(menos);
    filaAnio->addWidget(mas);

    m_notas = new QLineEdit(this);
    // The run's notes are typed in capitals, as every receipt text.
    connect(m_notas, &QLineEdit::textEdited, this, [this](const QString& t) {
        const int pos = m_notas->cursorPosition();
        m_notas->setText(t.toUpper());
        m_notas->setCursorPosition(pos);
    });

    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Mes"), m_mes);
    form->addRow(QStringLiteral("Año"), filaAnio);
    form->addRow(QStringLiteral("Notas"), m_notas);
    form->addRow(botones);
    OrdenLectura(this);
}

void CFacturacionMesDlg::CambiarAnio(int delta)
{
    const int anio = qBound(kAnioMin, m_anio->text().toInt() + delta, kAnioMax);
    m_anio->setText(QString::number(anio));
}

QDate CFacturacionMesDlg::Fecha() const
{
    return QDate(m_anio->text().toInt(), m_mes->currentIndex() + 1, 1);
}

QString CFacturacionMesDlg::Notas() const
{
    return m_notas->text();
}

void CFacturacionMesDlg::accept()
{
    bool ok = false;
    const int anio = m_anio->text().toInt(&ok);
    if (!ok) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Escriba un número entero."));
        m_anio->setFocus();
        return;
    }
    if (anio < kAnioMin || anio > kAnioMax) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Escriba un número entero entre %1 y %2.").arg(kAnioMin).arg(kAnioMax));
        m_anio->setFocus();
        return;
    }
    QDialog::accept();
}
