#include "properties/filtro_inmuebles_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/esquema.h"
#include "properties/filtro_inmuebles.h"
#include "properties/inmuebles.h"
#include "properties/propietarios.h"
#include "reports/informes_dlg.h"
#include "util/errores.h"
#include "util/letras.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

std::function<void(QWidget*, const QStringList&, const QString&)> CFiltroInmueblesDlg::s_mostrar =
    [](QWidget* parent, const QStringList& lineas, const QString& titulo) {
        DlgInformes(lineas, titulo, parent).exec();
    };

namespace {

QComboBox* ListaTodos(QWidget* parent, const char* nombre, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(nombre));
    c->addItem(kTodos);
    c->addItems(items);
    return c;
}

QLineEdit* Campo(QWidget* parent, const char* columna)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(columna));
    if (const int ancho = AnchoColumna(QStringLiteral("inmueble"), QLatin1String(columna)); ancho > 0)
        e->setMaxLength(ancho);
    return e;
}

}  // namespace

CFiltroInmueblesDlg::CFiltroInmueblesDlg(QWidget* parent, Database& db) : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("Filtro Inmuebles"));
    QStringList direcciones, localidades, propietarios;
    try {
        // The lists are rebuilt from the properties each time the filter opens.
        RefrescarListas(db);
        direcciones = Direcciones(db);
        localidades = Localidades(db);
        propietarios = NombresPropietarios(db);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
    }
    m_direccion = ListaTodos(this, "direccion", direcciones);
    m_piso = Campo(this, "piso");
    m_localidad = ListaTodos(this, "localidad", localidades);
    m_propietario = ListaTodos(this, "arrendador", propietarios);
    m_inquilino = Campo(this, "nom_arrendatario");
    QStringList meses;
    for (int m = 1; m <= 12; ++m)
        meses << NombreMesMayusculas(m);
    m_mes = ListaTodos(this, "mes", meses);
    m_referencia = Campo(this, "codref");

    auto* campos = new QFormLayout;
    for (const Fila& f : Filas())
        campos->addRow(QString::fromUtf8(f.rotulo), f.caja);

    auto* recibo = new QGroupBox(QStringLiteral("Recibo"), this);
    auto* g = new QFormLayout(recibo);
    g->addRow(QStringLiteral("Referencia"), m_referencia);
    for (int i = 0; i < 3; ++i) {
        m_flags[size_t(i)] = new QComboBox(recibo);
        m_flags[size_t(i)]->setObjectName(QStringLiteral("flag%1").arg(i + 1));
        m_flags[size_t(i)]->addItems(ListaFlagsRecibo());
        m_marcas[size_t(i)] = new QCheckBox(QStringLiteral("Sí"), recibo);
        m_marcas[size_t(i)]->setObjectName(QStringLiteral("marca%1").arg(i + 1));
        auto* fila = new QHBoxLayout;
        fila->addWidget(m_flags[size_t(i)], 1);
        fila->addWidget(m_marcas[size_t(i)]);
        g->addRow(fila);
    }

    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setDefault(true);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    salir->setAutoDefault(false);
    connect(aceptar, &QPushButton::clicked, this, &CFiltroInmueblesDlg::Aceptar);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* botones = FilaBotones({aceptar, salir});

    Columna(this, {campos, recibo, botones});
}

CriteriosInmuebles CFiltroInmueblesDlg::Criterios() const
{
    CriteriosInmuebles c;
    for (const Fila& f : Filas()) {
        auto* lista = qobject_cast<const QComboBox*>(f.caja);
        c.*f.criterio = lista ? lista->currentText() : static_cast<const QLineEdit*>(f.caja)->text();
    }
    c.referencia = m_referencia->text();
    for (int i = 0; i < 3; ++i)
        c.recibos[size_t(i)] = {m_flags[size_t(i)]->currentText(), m_marcas[size_t(i)]->isChecked()};
    return c;
}

std::array<CFiltroInmueblesDlg::Fila, 6> CFiltroInmueblesDlg::Filas() const
{
    return {{{"Dirección", m_direccion, &CriteriosInmuebles::direccion},
             {"Piso", m_piso, &CriteriosInmuebles::piso},
             {"Localidad", m_localidad, &CriteriosInmuebles::localidad},
             {"Propietario", m_propietario, &CriteriosInmuebles::propietario},
             {"Inquilino", m_inquilino, &CriteriosInmuebles::inquilino},
             {"Mes Contrato / Mes de Entrada", m_mes, &CriteriosInmuebles::mes}}};
}

void CFiltroInmueblesDlg::Aceptar()
{
    const CriteriosInmuebles c = Criterios();
    ListadoInmuebles l;
    try {
        PrepararInformeInmuebles(m_db, c);
        l = ListadoDeInmuebles(m_db, c);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
        return;
    }
    s_mostrar(this, l.lineas, l.titulo);
}
