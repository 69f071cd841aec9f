#include "update/actualizaciones_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "update/pedir_texto_dlg.h"

CDlgActualizaciones::CDlgActualizaciones(CActualizador& actualizador, const OpcionesActualizacion& opciones,
                                         QWidget* parent)
    : QDialog(parent), m_actualizador(actualizador), m_opciones(opciones)
{
    setWindowTitle(QStringLiteral("Actualizaciones"));
    m_manual = new QRadioButton(QStringLiteral("No actualizar automaticamente"), this);
    m_automatica = new QRadioButton(QStringLiteral("Actualizar automaticamente"), this);
    const bool automatica =
        LeerEntero(ajustes::kActualizaciones, ajustes::kActualizacionAutomatica, 0) == 1;
    (automatica ? m_automatica : m_manual)->setChecked(true);
    m_servidor = new QLineEdit(opciones.servidor, this);
    m_servidor->setPlaceholderText(QStringLiteral("https://..."));

    m_ahora = new QPushButton(QStringLiteral("Actualizar Ahora"), this);
    m_ahora->setDefault(true);
    m_personalizada = new QPushButton(QStringLiteral("Actualizacion Personalizada"), this);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    salir->setAutoDefault(false);
    connect(m_ahora, &QPushButton::clicked, this, &CDlgActualizaciones::ActualizarAhora);
    connect(m_personalizada, &QPushButton::clicked, this, &CDlgActualizaciones::ActualizacionPersonalizada);
    connect(salir, &QPushButton::clicked, this, &CDlgActualizaciones::reject);

    auto* servidor = new QFormLayout;
    servidor->addRow(QStringLiteral("Servidor"), m_servidor);
    auto* botones = new QHBoxLayout;
    botones->addWidget(m_ahora);
    botones->addWidget(m_personalizada);
    botones->addWidget(salir);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_manual);
    lay->addWidget(m_automatica);
    lay->addLayout(servidor);
    lay->addLayout(botones);
}

void CDlgActualizaciones::Guardar()
{
    EscribirEntero(ajustes::kActualizaciones, ajustes::kActualizacionAutomatica, m_automatica->isChecked() ? 1 : 0);
    EscribirTexto(ajustes::kActualizaciones, ajustes::kServidor, m_servidor->text().trimmed());
}

void CDlgActualizaciones::reject()
{
    Guardar();
    QDialog::reject();
}

void CDlgActualizaciones::ActualizarAhora()
{
    Comprobar(QString());
}

void CDlgActualizaciones::ActualizacionPersonalizada()
{
    CPedirTextoDlg pedir(this);
    if (pedir.exec() == QDialog::Accepted)
        Comprobar(pedir.Texto());
}

void CDlgActualizaciones::Comprobar(const QString& nombre)
{
    OpcionesActualizacion opciones = m_opciones;
    opciones.servidor = m_servidor->text().trimmed();
    const bool yaComprobado = m_actualizador.Comprobado();

    QProgressDialog progreso(QStringLiteral("Actualizando el programa"), QStringLiteral("Cancelar"), 0, 0, this);
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setAutoClose(false);
    progreso.setAutoReset(false);
    progreso.setMinimumDuration(0);
    connect(&progreso, &QProgressDialog::canceled, &m_actualizador, &CActualizador::Cancelar);
    connect(&m_actualizador, &CActualizador::Fase, &progreso, &QProgressDialog::setLabelText);
    connect(&m_actualizador, &CActualizador::Progreso, &progreso, [&progreso](qint64 recibidos, qint64 total) {
        // In KiB: the bar's range is an int.
        progreso.setRange(0, total > 0 ? int(total / 1024) : 0);
        progreso.setValue(int(recibidos / 1024));
    });
    progreso.show();
    const ResultadoActualizacion r = m_actualizador.ComprobarYEsperar(opciones, nombre);
    progreso.close();
    disconnect(&m_actualizador, nullptr, &progreso, nullptr);

    if (!yaComprobado && !m_actualizador.Comprobado()) {
        // Refused before any request: the user corrects the server or the name here.
        QMessageBox::warning(this, windowTitle(), r.motivo);
        m_servidor->setFocus();
        return;
    }
    // An address that reached the server is kept even when the choice is not.
    EscribirTexto(ajustes::kActualizaciones, ajustes::kServidor, opciones.servidor);
    if (r.codigo == kDescargado) {
        Guardar();
        QMessageBox::information(this, windowTitle(), r.motivo);
        accept();
        return;
    }
    if (r.codigo == kAlDia || r.codigo == kYaComprobado)
        QMessageBox::information(this, windowTitle(), r.motivo);
    else
        QMessageBox::warning(this, windowTitle(), r.motivo);
    QDialog::reject();
}
