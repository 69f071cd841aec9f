#include "widgets/mes_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/campos_dlg.h"
#include "util/letras.h"
#include "widgets/disposicion.h"

QHBoxLayout* FilaAnio(QWidget* dialogo, QLineEdit* anio, int minimo, int maximo)
{
    auto* menos = new QPushButton(QStringLiteral("-"), dialogo);
    auto* mas = new QPushButton(QStringLiteral("+"), dialogo);
    for (QPushButton* b : {menos, mas}) {
        b->setAutoDefault(false);
        b->setFixedWidth(32);
    }
    // The buttons take the typed year; a year that does not read is refused as on "Aceptar".
    auto mover = [dialogo, anio, minimo, maximo](int paso) {
        int valor = 0;
        if (ComprobarEntero(dialogo, anio, minimo, maximo, &valor))
            anio->setText(QString::number(qBound(minimo, valor + paso, maximo)));
    };
    QObject::connect(menos, &QPushButton::clicked, dialogo, [mover] { mover(-1); });
    QObject::connect(mas, &QPushButton::clicked, dialogo, [mover] { mover(+1); });
    auto* fila = new QHBoxLayout;
    fila->addWidget(anio);
    fila->addWidget(menos);
    fila->addWidget(mas);
    return fila;
}

CMesDlg::CMesDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Selección del mes"));
    const QDate hoy = QDate::currentDate();
    m_mes = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        m_mes->addItem(NombreMesMayusculas(m));
    m_mes->setCurrentIndex(hoy.month() - 1);
    m_anio = new QLineEdit(QString::number(hoy.year()), this);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Mes"), m_mes);
    form->addRow(QStringLiteral("Año"), FilaAnio(this, m_anio, kAnioMinimo, kAnioMaximo));
    form->addRow(BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar")));
    m_mes->setFocus();
    OrdenLectura(this);
}

void CMesDlg::PonerFecha(const QDate& fecha)
{
    if (!fecha.isValid())
        return;
    m_mes->setCurrentIndex(fecha.month() - 1);
    m_anio->setText(QString::number(fecha.year()));
}

void CMesDlg::accept()
{
    int anio = 0;
    if (!ComprobarEntero(this, m_anio, kAnioMinimo, kAnioMaximo, &anio))
        return;
    m_fecha = QDate(anio, m_mes->currentIndex() + 1, 1);
    QDialog::accept();
}
