#include "billing/buscar_recibos_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "billing/estado_recibo.h"
#include "billing/facturacion.h"
#include "util/errores.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Buscar Recibos");

QComboBox* Meses(QWidget* padre, int mes)
{
    auto* c = new QComboBox(padre);
    for (int i = 1; i <= 12; ++i)
        c->addItem(Facturacion::NombreMes(i));
    c->setCurrentIndex(mes - 1);
    return c;
}

// A year with its "-" and "+" beside it.
QSpinBox* Anio(QWidget* padre, int anio, QGridLayout* g, int fila, int columna)
{
    auto* s = new QSpinBox(padre);
    s->setRange(1, 9998);
    s->setValue(anio);
    auto* menos = new QPushButton(QStringLiteral("-"), padre);
    auto* mas = new QPushButton(QStringLiteral("+"), padre);
    for (QPushButton* b : {menos, mas}) {
        b->setAutoDefault(false);
        b->setFixedWidth(32);
    }
    QObject::connect(menos, &QPushButton::clicked, s, [s] { s->setValue(s->value() - 1); });
    QObject::connect(mas, &QPushButton::clicked, s, [s] { s->setValue(s->value() + 1); });
    g->addWidget(s, fila, columna);
    g->addWidget(menos, fila, columna + 1);
    g->addWidget(mas, fila, columna + 2);
    return s;
}

void Poner(QComboBox* c, const QStringList& elementos, const QString& actual)
{
    const QSignalBlocker b(c);
    c->clear();
    c->addItems(elementos);
    const int i = c->findText(actual);
    if (i >= 0)
        c->setCurrentIndex(i);
    else if (c->isEditable())
        c->setEditText(actual);
    else
        c->setCurrentIndex(c->count() - 1);   // "TODAS"/"TODOS"
}

}  // namespace

CBuscarRecibosDlg::CBuscarRecibosDlg(Database& db, const QDate& hoy, QWidget* parent) : QDialog(parent), m_db(db)
{
    setWindowTitle(kTitulo);
    const BusquedaRecibos d = BusquedaPorDefecto(hoy);
    m_propietario = new QComboBox(this);
    m_propietario->setEditable(true);
    m_direccion = new QComboBox(this);
    m_piso = new QComboBox(this);
    m_inquilino = new QComboBox(this);
    auto* g = new QGridLayout;
    const std::pair<const char*, QComboBox*> listas[] = {
        {"Propietario", m_propietario}, {"Dirección", m_direccion}, {"Piso", m_piso}, {"Inquilino", m_inquilino}};
    int fila = 0;
    for (const auto& [rotulo, lista] : listas) {
        g->addWidget(new QLabel(QString::fromUtf8(rotulo), this), fila, 0);
        g->addWidget(lista, fila++, 1, 1, 4);
        lista->setMinimumContentsLength(30);
    }

    auto* estados = new QGroupBox(QStringLiteral("Estados"), this);
    auto* ge = new QGridLayout(estados);
    const QStringList nombres = NombresEstadoRecibo();
    for (int i = 0; i < 6; ++i) {
        m_estados[i] = new QCheckBox(nombres[i], this);
        m_estados[i]->setChecked(d.estados.contains(i));
        ge->addWidget(m_estados[i], i / 2, i % 2);
    }

    auto* periodo = new QGridLayout;
    const struct {
        const char* rotulo;
        int mes, anio;
        QComboBox** caja_mes;
        QSpinBox** caja_anio;
    } extremos[] = {{"Desde", d.mesDesde, d.anioDesde, &m_mesDesde, &m_anioDesde},
                    {"Hasta", d.mesHasta, d.anioHasta, &m_mesHasta, &m_anioHasta}};
    for (int fila = 0; fila < 2; ++fila) {
        const auto& e = extremos[fila];
        periodo->addWidget(new QLabel(QString::fromUtf8(e.rotulo), this), fila, 0);
        periodo->addWidget(new QLabel(QStringLiteral("Mes"), this), fila, 1);
        *e.caja_mes = Meses(this, e.mes);
        periodo->addWidget(*e.caja_mes, fila, 2);
        periodo->addWidget(new QLabel(QStringLiteral("Año"), this), fila, 3);
        *e.caja_anio = Anio(this, e.anio, periodo, fila, 4);
    }

    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Buscar"), QStringLiteral("Cancelar"));

    Columna(this, {g, estados, periodo, botones});

    try {
        const ListasBusqueda l = ListasBuscarRecibos(db, d.propietario, d.direccion);
        Poner(m_propietario, l.propietarios, d.propietario);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
    RellenarDependientes();
    for (QComboBox* c : {m_propietario, m_direccion})
        connect(c, &QComboBox::currentTextChanged, this, &CBuscarRecibosDlg::RellenarDependientes);
    OrdenLectura(this);
}

void CBuscarRecibosDlg::RellenarDependientes()
{
    if (m_rellenando)
        return;
    m_rellenando = true;
    try {
        const ListasBusqueda l = ListasBuscarRecibos(m_db, m_propietario->currentText(), m_direccion->currentText());
        Poner(m_direccion, l.direcciones, m_direccion->currentText());
        // The street list may have changed: the dependent lists follow the street kept.
        const ListasBusqueda d = ListasBuscarRecibos(m_db, m_propietario->currentText(), m_direccion->currentText());
        Poner(m_piso, d.pisos, m_piso->currentText());
        Poner(m_inquilino, d.inquilinos, m_inquilino->currentText());
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
    m_rellenando = false;
}

BusquedaRecibos CBuscarRecibosDlg::Busqueda() const
{
    BusquedaRecibos b;
    b.propietario = m_propietario->currentText();
    b.direccion = m_direccion->currentText();
    b.piso = m_piso->currentText();
    b.inquilino = m_inquilino->currentText();
    b.estados.clear();
    for (int i = 0; i < 6; ++i)
        if (m_estados[i]->isChecked())
            b.estados << i;
    b.mesDesde = m_mesDesde->currentIndex() + 1;
    b.anioDesde = m_anioDesde->value();
    b.mesHasta = m_mesHasta->currentIndex() + 1;
    b.anioHasta = m_anioHasta->value();
    return b;
}

void CBuscarRecibosDlg::accept()
{
    try {
        m_filtro = FiltroDeBusqueda(Busqueda());
    } catch (const UserError& e) {
        QMessageBox::warning(this, kTitulo, e.Mensaje());
        return;
    }
    QDialog::accept();
}
