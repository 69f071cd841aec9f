#include "updater/utilidad_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kCierreMs = 4000;
}  // namespace

CUtilidadWindow::CUtilidadWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Actualizando"));
    m_texto = new QLabel(QStringLiteral("Actualizando"), this);
    m_texto->setAlignment(Qt::AlignCenter);
    m_texto->setWordWrap(true);
    m_barra = new QProgressBar(this);
    m_barra->setRange(0, 100);
    m_cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    m_cerrar->setEnabled(false);
    connect(m_cerrar, &QPushButton::clicked, this, &QDialog::accept);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_texto);
    lay->addWidget(m_barra);
    lay->addWidget(m_cerrar, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

void CUtilidadWindow::MostrarEstado(const QString& texto, int porcentaje)
{
    m_texto->setText(texto);
    if (porcentaje < 0) {
        m_barra->setRange(0, 0);
    } else {
        m_barra->setRange(0, 100);
        m_barra->setValue(porcentaje);
    }
}

void CUtilidadWindow::MostrarFin(bool ok, const QString& mensaje)
{
    m_terminado = true;
    MostrarEstado(mensaje, 100);
    m_cerrar->setEnabled(true);
    m_cerrar->setDefault(true);
    if (ok)
        QTimer::singleShot(kCierreMs, this, &QDialog::accept);
}

void CUtilidadWindow::reject()
{
    if (m_terminado)
        QDialog::reject();
}
