#include "widgets/espera_dlg.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kTicMs = 100;
constexpr int kTics = 10;
}  // namespace

CEsperaDlg::CEsperaDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    m_barra = new QProgressBar(this);
    m_barra->setRange(0, 100);
    m_barra->setValue(0);
    m_barra->setTextVisible(false);
    auto* texto = new QLineEdit(QStringLiteral("Ejecutando tarea"), this);
    texto->setReadOnly(true);
    texto->setFocusPolicy(Qt::NoFocus);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_barra);
    lay->addWidget(texto);
    setFixedWidth(300);

    m_reloj = new QTimer(this);
    m_reloj->setInterval(kTicMs);
    connect(m_reloj, &QTimer::timeout, this, &CEsperaDlg::Tic);
    m_reloj->start();
}

void CEsperaDlg::Tic()
{
    ++m_contador;
    m_barra->setValue(qMin(100, 11 * m_contador));
    if (m_contador >= kTics) {
        if (m_seguir)
            m_contador = 0;
        else
            Terminar();
    }
}

void CEsperaDlg::Terminar()
{
    m_reloj->stop();
    accept();
}

void CEsperaDlg::reject()
{
    if (!m_seguir) {
        m_reloj->stop();
        QDialog::reject();
    }
}
