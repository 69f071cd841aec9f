#include "documents/info_avanzada_contrato_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/campos_dlg.h"

CInfoAvanzadaContratoDlg::CInfoAvanzadaContratoDlg(QWidget* parent, const QStringList& propietarios,
                                                   const QString& representante,
                                                   const std::array<Coarrendatario, 3>& coarrendatarios)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Información avanzada del contrato"));
    auto* grupoRep = new QGroupBox(QStringLiteral("Representante del Arrendador"), this);
    m_representante = new QComboBox(grupoRep);
    m_representante->addItem(QString());   // no representative
    m_representante->addItems(propietarios);
    m_representante->setCurrentIndex(qMax(0, int(propietarios.indexOf(representante)) + 1));
    (new QHBoxLayout(grupoRep))->addWidget(m_representante);

    auto* grupo = new QGroupBox(QStringLiteral("Coarrendatarios"), this);
    auto* g = new QGridLayout(grupo);
    const QStringList titulos = {QStringLiteral("Nombre"), QStringLiteral("Documento"), QStringLiteral("Número"),
                                 QStringLiteral("Nacionalidad")};
    for (int c = 0; c < titulos.size(); ++c)
        g->addWidget(new QLabel(titulos[c], grupo), 0, c);
    const QStringList tipos = {QStringLiteral("N.I.E."), QStringLiteral("N.I.F."), QStringLiteral("PASAPORTE"),
                               QStringLiteral("C.I.F."), QStringLiteral("D.N.I."), QStringLiteral("OTRO")};
    for (int i = 0; i < 3; ++i) {
        Fila& f = m_filas[i];
        const Coarrendatario& c = coarrendatarios[i];
        f.nombre = new QLineEdit(c.nombre, grupo);
        f.nombre->setMaxLength(50);
        f.nombre->setMinimumWidth(240);
        f.nombre->setCursorPosition(0);
        f.tipo = new QComboBox(grupo);
        f.tipo->addItems(tipos);
        f.tipo->setEditable(false);
        if (!c.tipo.isEmpty() && !tipos.contains(c.tipo))
            f.tipo->addItem(c.tipo);
        f.tipo->setCurrentText(c.tipo.isEmpty() ? tipos.first() : c.tipo);
        f.numero = new QLineEdit(c.numero, grupo);
        f.numero->setMaxLength(35);
        f.numero->setMinimumWidth(120);
        f.numero->setCursorPosition(0);
        f.nacionalidad = new QLineEdit(c.nacionalidad, grupo);
        f.nacionalidad->setMaxLength(35);
        f.nacionalidad->setMinimumWidth(120);
        f.nacionalidad->setCursorPosition(0);
        g->addWidget(f.nombre, i + 1, 0);
        g->addWidget(f.tipo, i + 1, 1);
        g->addWidget(f.numero, i + 1, 2);
        g->addWidget(f.nacionalidad, i + 1, 3);
        f.nombre->setObjectName(QStringLiteral("nombre%1").arg(i + 1));
    }

    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    aceptar->setDefault(true);
    QHBoxLayout* botones = FilaBotones({aceptar, salir});
    auto* l = new QVBoxLayout(this);
    l->addWidget(grupoRep);
    l->addWidget(grupo);
    l->addLayout(botones);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
}

QString CInfoAvanzadaContratoDlg::Representante() const
{
    return m_representante->currentText();
}

std::array<Coarrendatario, 3> CInfoAvanzadaContratoDlg::Coarrendatarios() const
{
    std::array<Coarrendatario, 3> r;
    for (int i = 0; i < 3; ++i) {
        const Fila& f = m_filas[i];
        r[i] = {f.nombre->text().trimmed(), f.tipo->currentText(), f.numero->text().trimmed(),
                f.nacionalidad->text().trimmed()};
    }
    return r;
}
