#include "bank/copias_informe_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

CCopiasInformeDlg::CCopiasInformeDlg(QWidget* parent, int copias)
    : QDialog(parent), m_copias(qBound(kMinimo, copias, kMaximo))
{
    setWindowTitle(QStringLiteral("Informe Facturación"));
    m_caja = new QLineEdit(QString::number(m_copias), this);
    m_caja->setMaximumWidth(60);
    m_caja->setAlignment(Qt::AlignRight);
    auto* menos = new QPushButton(QStringLiteral("-"), this);
    auto* mas = new QPushButton(QStringLiteral("+"), this);
    for (QPushButton* b : {menos, mas}) {
        b->setAutoDefault(false);
        b->setMaximumWidth(40);
    }
    connect(menos, &QPushButton::clicked, this, &CCopiasInformeDlg::Menos);
    connect(mas, &QPushButton::clicked, this, &CCopiasInformeDlg::Mas);

    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Copias"), this));
    fila->addWidget(m_caja);
    fila->addWidget(menos);
    fila->addWidget(mas);
    fila->addStretch();
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(new QLabel(QStringLiteral("Informe de facturación para el banco."), this));
    caja->addLayout(fila);
    caja->addWidget(BotonesDialogo(this, QStringLiteral("Imprimir"), QStringLiteral("No Imprimir")));
    m_caja->setFocus();
    m_caja->selectAll();
    OrdenLectura(this);
}

int CCopiasInformeDlg::Leer() const
{
    bool ok = false;
    const int n = m_caja->text().trimmed().toInt(&ok);
    return ok ? qBound(kMinimo, n, kMaximo) : m_copias;
}

void CCopiasInformeDlg::Menos()
{
    m_copias = qMax(kMinimo, Leer() - 1);
    m_caja->setText(QString::number(m_copias));
}

void CCopiasInformeDlg::Mas()
{
    m_copias = qMin(kMaximo, Leer() + 1);
    m_caja->setText(QString::number(m_copias));
}

void CCopiasInformeDlg::accept()
{
    int n = 0;
    if (!ComprobarEntero(this, m_caja, kMinimo, kMaximo, &n))
        return;
    m_copias = n;
    QDialog::accept();
}
