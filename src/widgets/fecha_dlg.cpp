#include "widgets/fecha_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "widgets/campos_dlg.h"
#include "util/letras.h"
#include "widgets/mes_dlg.h"
#include "widgets/disposicion.h"

CFechaDlg::CFechaDlg(QWidget* parent, bool conTamano) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fecha"));
    const QDate hoy = QDate::currentDate();
    m_dia = new QLineEdit(QStringLiteral("1"), this);
    m_mes = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        m_mes->addItem(NombreMesMayusculas(m));
    m_mes->setCurrentIndex(hoy.month() - 1);
    m_anio = new QLineEdit(QString::number(hoy.year()), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Día"), m_dia);
    form->addRow(QStringLiteral("Mes"), m_mes);
    form->addRow(QStringLiteral("Año"), FilaAnio(this, m_anio, 1, 9999));

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(form);
    if (conTamano) {
        m_tamano = new QButtonGroup(this);
        auto* normal = new QRadioButton(QStringLiteral("Recibo Normal"), this);
        auto* folio = new QRadioButton(QStringLiteral("Recibo Tamaño Folio"), this);
        m_tamano->addButton(normal, 0);
        m_tamano->addButton(folio, 1);
        normal->setChecked(true);
        lay->addWidget(normal);
        lay->addWidget(folio);
    }
    m_aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    m_aceptar->setDefault(true);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    connect(m_aceptar, &QPushButton::clicked, this, &CFechaDlg::accept);
    connect(salir, &QPushButton::clicked, this, &CFechaDlg::reject);
    QHBoxLayout* botones = FilaBotones({m_aceptar, salir});
    lay->addLayout(botones);
    m_dia->setFocus();
    OrdenLectura(this);
}

int CFechaDlg::Tamano() const
{
    return m_tamano ? qMax(0, m_tamano->checkedId()) : 0;
}

void CFechaDlg::PonerFecha(const QDate& fecha)
{
    if (!fecha.isValid())
        return;
    m_dia->setText(QString::number(fecha.day()));
    m_mes->setCurrentIndex(fecha.month() - 1);
    m_anio->setText(QString::number(fecha.year()));
}

void CFechaDlg::accept()
{
    int dia = 0;
    int anio = 0;
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    if (!ComprobarEntero(this, m_dia, kMin, kMax, &dia) || !ComprobarEntero(this, m_anio, kMin, kMax, &anio))
        return;
    const QDate fecha(anio, m_mes->currentIndex() + 1, dia);
    // Year 0 does not exist in our calendar, and QDate counts it as invalid too.
    if (!fecha.isValid()) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Fecha Errónea"));
        m_dia->setFocus();
        m_dia->selectAll();
        return;
    }
    m_fecha = fecha;
    QDialog::accept();
}
