#include "properties/propietarios_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/aviso_dlg.h"
#include "data/database.h"
#include "widgets/campos_widget.h"
#include "util/errores.h"

namespace {
const QString kTitulo = QStringLiteral("Propietarios");
}

CPropietariosDlg::CPropietariosDlg(QWidget* parent, Database& db) : QDialog(parent), m_db(db)
{
    using namespace ancho_propietario;
    setWindowTitle(kTitulo);
    m_nombre = campos::Texto(this, kNombre);
    m_docTipo = campos::Lista(this, ListaDocumentosPropietario(), kDocumentoTipo);
    m_docNumero = campos::Mayusculas(this, kDocumentoNumero);
    m_via = campos::Lista(this, ListaVias(), kVia);
    m_direccion = campos::Texto(this, kDireccion);
    m_piso = campos::Texto(this, kPiso);
    m_localidad = campos::Texto(this, kLocalidad);
    m_movil = campos::Texto(this, kTelefono);
    m_telefono = campos::Texto(this, kTelefono);
    m_cp = campos::Digitos(this, kCp);
    m_numeroRecibo = campos::Digitos(this, 9);
    m_banco = campos::Digitos(this, kBanco);
    m_sucursal = campos::Digitos(this, kSucursal);
    m_dc = campos::Texto(this, kDc);   // may show "**"
    m_ccc = campos::Digitos(this, kCcc);
    m_datosBanco = campos::Texto(this, kDatosBanco);
    m_notas = new QPlainTextEdit(this);
    m_notas->setTabChangesFocus(true);
    m_notas->setMinimumHeight(70);
    const std::pair<QWidget*, const char*> nombres[] = {
        {m_nombre, "nombre"}, {m_docTipo, "documento_tipo"}, {m_docNumero, "documento_numero"},
        {m_via, "via"}, {m_direccion, "direccion"}, {m_piso, "piso"}, {m_localidad, "localidad"},
        {m_movil, "telefono_movil"}, {m_telefono, "telefono_casa"}, {m_cp, "cp"},
        {m_numeroRecibo, "numero_recibo"}, {m_banco, "banco"}, {m_sucursal, "sucursal"},
        {m_dc, "dc"}, {m_ccc, "ccc"}, {m_datosBanco, "datos_banco"}, {m_notas, "notas"}};
    for (const auto& [w, n] : nombres)
        w->setObjectName(QString::fromLatin1(n));

    auto* datos = new QGridLayout;
    int f = 0;
    datos->addWidget(new QLabel(QStringLiteral("Nombre")), f, 0);
    datos->addWidget(m_nombre, f++, 1, 1, 3);
    auto* documento = new QGroupBox(QStringLiteral("Documento"));
    auto* docLayout = new QHBoxLayout(documento);
    docLayout->addWidget(new QLabel(QStringLiteral("Tipo")));
    docLayout->addWidget(m_docTipo);
    docLayout->addWidget(new QLabel(QStringLiteral("Numero")));
    docLayout->addWidget(m_docNumero);
    datos->addWidget(documento, f++, 0, 1, 4);
    datos->addWidget(new QLabel(QStringLiteral("Via")), f, 0);
    datos->addWidget(m_via, f, 1);
    datos->addWidget(new QLabel(QStringLiteral("Dirección")), f, 2);
    datos->addWidget(m_direccion, f++, 3);
    datos->addWidget(new QLabel(QStringLiteral("Piso")), f, 0);
    datos->addWidget(m_piso, f, 1);
    datos->addWidget(new QLabel(QStringLiteral("Localidad")), f, 2);
    datos->addWidget(m_localidad, f++, 3);
    datos->addWidget(new QLabel(QStringLiteral("Código Postal")), f, 0);
    datos->addWidget(m_cp, f, 1);
    datos->addWidget(new QLabel(QStringLiteral("Numero recibo")), f, 2);
    datos->addWidget(m_numeroRecibo, f++, 3);
    datos->addWidget(new QLabel(QStringLiteral("Movil")), f, 0);
    datos->addWidget(m_movil, f, 1);
    datos->addWidget(new QLabel(QStringLiteral("Teléfono")), f, 2);
    datos->addWidget(m_telefono, f++, 3);

    auto* bancarios = new QGroupBox(QStringLiteral("Datos Bancarios"));
    auto* banLayout = new QGridLayout(bancarios);
    banLayout->addWidget(new QLabel(QStringLiteral("Banco")), 0, 1);
    banLayout->addWidget(new QLabel(QStringLiteral("Suc")), 0, 2);
    banLayout->addWidget(new QLabel(QStringLiteral("DC")), 0, 3);
    banLayout->addWidget(new QLabel(QStringLiteral("Cuenta")), 0, 4);
    banLayout->addWidget(new QLabel(QStringLiteral("Código Cuenta")), 1, 0);
    banLayout->addWidget(m_banco, 1, 1);
    banLayout->addWidget(m_sucursal, 1, 2);
    banLayout->addWidget(m_dc, 1, 3);
    banLayout->addWidget(m_ccc, 1, 4);
    banLayout->addWidget(new QLabel(QStringLiteral("Datos Banco")), 2, 0);
    banLayout->addWidget(m_datosBanco, 2, 1, 1, 4);
    datos->addWidget(bancarios, f++, 0, 1, 4);
    datos->addWidget(new QLabel(QStringLiteral("Notas")), f, 0, Qt::AlignTop);
    datos->addWidget(m_notas, f++, 1, 1, 3);

    auto boton = [this](const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        return b;
    };
    m_anterior = boton(QStringLiteral("<"));
    m_siguiente = boton(QStringLiteral(">"));
    m_nuevo = boton(QStringLiteral("Nuevo"));
    m_borrar = boton(QStringLiteral("Borrar"));
    m_aceptar = boton(QStringLiteral("Aceptar"));
    m_salir = boton(QStringLiteral("Salir"));
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {m_anterior, m_siguiente, m_nuevo, m_borrar})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(m_aceptar);
    botones->addWidget(m_salir);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(datos);
    todo->addLayout(botones);

    connect(m_anterior, &QPushButton::clicked, this, &CPropietariosDlg::Anterior);
    connect(m_siguiente, &QPushButton::clicked, this, &CPropietariosDlg::Siguiente);
    connect(m_nuevo, &QPushButton::clicked, this, &CPropietariosDlg::Nuevo);
    connect(m_borrar, &QPushButton::clicked, this, &CPropietariosDlg::Borrar);
    connect(m_aceptar, &QPushButton::clicked, this, &CPropietariosDlg::Aceptar);
    connect(m_salir, &QPushButton::clicked, this, &QDialog::reject);

    try {
        m_propietarios = std::make_unique<Propietarios>(m_db);
    } catch (const std::exception& e) {
        Error(e);
    }
    MostrarActual();
}

CPropietariosDlg::~CPropietariosDlg() = default;

void CPropietariosDlg::keyPressEvent(QKeyEvent* e)
{
    // Enter must not close the form and drop the edits; Escape still leaves.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CPropietariosDlg::Error(const std::exception& e)
{
    QMessageBox::critical(this, kTitulo, TextoError(e));
}

void CPropietariosDlg::Mostrar(const FichaPropietario& dato)
{
    const FichaPropietario d = NormalizarPropietario(dato);
    m_nombre->setText(d.nombre);
    campos::PonerTextoLista(m_docTipo, d.documento_tipo);
    m_docNumero->setText(d.documento_numero);
    campos::PonerTextoLista(m_via, d.via);
    m_direccion->setText(d.direccion);
    m_piso->setText(d.piso);
    m_localidad->setText(d.localidad);
    m_movil->setText(d.telefono_movil);
    m_telefono->setText(d.telefono_casa);
    m_cp->setText(d.cp);
    m_numeroRecibo->setText(QString::number(d.numero_recibo));
    m_banco->setText(d.banco);
    m_sucursal->setText(d.sucursal);
    m_dc->setText(d.dc);
    m_ccc->setText(d.ccc);
    m_datosBanco->setText(d.datos_banco);
    m_notas->setPlainText(d.notas);
}

FichaPropietario CPropietariosDlg::LeerFormulario() const
{
    FichaPropietario d = m_actual;
    d.nombre = m_nombre->text();
    d.documento_tipo = m_docTipo->currentText();
    d.documento_numero = m_docNumero->text();
    d.via = m_via->currentText();
    d.direccion = m_direccion->text();
    d.piso = m_piso->text();
    d.localidad = m_localidad->text();
    d.telefono_movil = m_movil->text();
    d.telefono_casa = m_telefono->text();
    d.cp = m_cp->text();
    d.numero_recibo = m_numeroRecibo->text().toLongLong();
    d.banco = m_banco->text();
    d.sucursal = m_sucursal->text();
    d.dc = m_dc->text();
    d.ccc = m_ccc->text();
    d.datos_banco = m_datosBanco->text();
    d.notas = m_notas->toPlainText();
    return d;
}

void CPropietariosDlg::ActualizarEstado()
{
    const bool hayFilas = m_propietarios && !m_propietarios->Vacio();
    m_nombre->setReadOnly(!m_esNuevo);
    m_nuevo->setEnabled(m_propietarios != nullptr);
    m_anterior->setEnabled(hayFilas);
    m_siguiente->setEnabled(hayFilas);
    m_borrar->setEnabled(hayFilas || m_esNuevo);
    m_aceptar->setEnabled(m_propietarios != nullptr);
}

void CPropietariosDlg::EmpezarNuevo()
{
    m_actual = Propietarios::Nuevo();
    m_esNuevo = true;
    Mostrar(m_actual);
    ActualizarEstado();
    m_nombre->setFocus();
}

void CPropietariosDlg::MostrarActual()
{
    m_esNuevo = false;
    if (!m_propietarios) {
        ActualizarEstado();
        return;
    }
    if (m_propietarios->Vacio()) {
        EmpezarNuevo();
        return;
    }
    try {
        m_actual = m_propietarios->Actual();
        Mostrar(m_actual);
    } catch (const std::exception& e) {
        Error(e);
    }
    ActualizarEstado();
}

bool CPropietariosDlg::Guardar()
{
    if (!m_propietarios)
        return false;
    const FichaPropietario d = LeerFormulario();
    if (m_esNuevo && d.nombre.trimmed().isEmpty()) {
        QMessageBox::warning(this, kTitulo, kPropietarioSinNombre);
        m_nombre->setFocus();
        return false;
    }
    if (FaltaCuentaPropietario(d))
        CAvisoDlg(this, Aviso::PropietarioPonerCuenta).Mostrar();
    try {
        m_actual = m_propietarios->Guardar(d);
        m_esNuevo = false;
        Mostrar(m_actual);
        ActualizarEstado();
        return true;
    } catch (const std::exception& e) {
        // Nothing was stored: the typed values stay on the form to be corrected.
        Error(e);
        ActualizarEstado();
        if (m_esNuevo)
            m_nombre->setFocus();
        return false;
    }
}

void CPropietariosDlg::Anterior()
{
    if (!Guardar())
        return;
    m_propietarios->Anterior();
    MostrarActual();
}

void CPropietariosDlg::Siguiente()
{
    if (!Guardar())
        return;
    m_propietarios->Siguiente();
    MostrarActual();
}

void CPropietariosDlg::Nuevo()
{
    if (!Guardar())
        return;
    CAvisoDlg(this, Aviso::PropietarioPonerNombre).Mostrar();
    EmpezarNuevo();
}

void CPropietariosDlg::Borrar()
{
    if (!m_propietarios)
        return;
    if (m_esNuevo) {
        // An owner not yet stored is only dropped: nothing to ask, nothing to delete.
        m_propietarios->Primero();
        MostrarActual();
        return;
    }
    if (QMessageBox::warning(this, kTitulo, kPreguntaBorrarPropietario,
                             QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    try {
        m_propietarios->Borrar(m_actual.ref);
    } catch (const std::exception& e) {
        Error(e);
    }
    m_propietarios->Primero();
    MostrarActual();
}

void CPropietariosDlg::Aceptar()
{
    if (Guardar())
        accept();
}
