#include "properties/propietarios_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/database.h"
#include "data/record_sets.h"
#include "util/errores.h"
#include "widgets/aviso_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/campos_widget.h"
#include "widgets/disposicion.h"

namespace {
const QString kTabla = QStringLiteral("propietario");
}

CPropietariosDlg::CPropietariosDlg(QWidget* parent, Database& db)
    : CFichaDlg(parent, QStringLiteral("Propietarios"), kTabla), m_db(db)
{
    CrearCampos();
    Colocar();
    try {
        m_set = std::make_unique<CPropietarioSet>(&m_db);
    } catch (const std::exception& e) {
        Error(e);
    }
    MostrarActual();
}

CPropietariosDlg::~CPropietariosDlg() = default;

void CPropietariosDlg::CrearCampos()
{
    m_nombre = Texto("nombre");
    m_docTipo = Lista("documento_tipo", ListaDocumentosPropietario());
    m_docNumero = Mayusculas("documento_numero");
    m_via = Lista("via", ListaVias());
    m_direccion = Texto("direccion");
    m_piso = Texto("piso");
    m_localidad = Texto("localidad");
    m_movil = Texto("telefono_movil");
    m_telefono = Texto("telefono_casa");
    m_cp = Digitos("cp");
    m_numeroRecibo = campos::Digitos(this, 9);
    m_numeroRecibo->setObjectName(QStringLiteral("numero_recibo"));
    m_cuenta = CrearCamposCuenta();
    m_datosBanco = Texto("datos_banco");
    m_notas = new QPlainTextEdit(this);
    m_notas->setObjectName(QStringLiteral("notas"));
    m_notas->setTabChangesFocus(true);
    // Three lines at least, and whatever height the form has to spare.
    m_notas->setMinimumHeight(60);
    m_notas->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
}

void CPropietariosDlg::Colocar()
{
    auto* datos = new QGridLayout;
    int f = 0;
    datos->addWidget(new QLabel(QStringLiteral("Nombre")), f, 0);
    datos->addWidget(m_nombre, f++, 1, 1, 3);
    datos->addWidget(GrupoDocumento(m_docTipo, m_docNumero), f++, 0, 1, 4);
    // Two captioned fields to a row.
    const std::pair<const char*, QWidget*> filas[][2] = {
        {{"Vía", m_via}, {"Dirección", m_direccion}},
        {{"Piso", m_piso}, {"Localidad", m_localidad}},
        {{"Código Postal", m_cp}, {"Número recibo", m_numeroRecibo}},
        {{"Móvil", m_movil}, {"Teléfono", m_telefono}},
    };
    for (const auto& fila : filas) {
        for (int columna : {0, 2}) {
            const auto& [etiqueta, campo] = fila[columna / 2];
            datos->addWidget(new QLabel(QString::fromUtf8(etiqueta)), f, columna);
            datos->addWidget(campo, f, columna + 1);
        }
        ++f;
    }
    datos->addWidget(GrupoDatosBancarios(m_cuenta, m_datosBanco), f++, 0, 1, 4);
    datos->addWidget(GrupoSepaPropietario(this, m_sepa), f++, 0, 1, 4);
    datos->setRowStretch(f, 1);
    datos->addWidget(new QLabel(QStringLiteral("Notas")), f, 0, Qt::AlignTop);
    datos->addWidget(m_notas, f++, 1, 1, 3);

    auto* botones = new QHBoxLayout;
    m_anterior = BotonEnFila(this, botones, QStringLiteral("<"), [this] { Mover(-1); });
    m_siguiente = BotonEnFila(this, botones, QStringLiteral(">"), [this] { Mover(1); });
    m_nuevo = BotonEnFila(this, botones, QStringLiteral("Nuevo"), &CPropietariosDlg::Nuevo);
    m_borrar = BotonEnFila(this, botones, QStringLiteral("Borrar"), &CPropietariosDlg::Borrar);
    botones->addStretch();
    m_aceptar = BotonEnFila(this, botones, QStringLiteral("Aceptar"), &CPropietariosDlg::Aceptar);
    m_salir = BotonEnFila(this, botones, QStringLiteral("Salir"), &QDialog::reject);

    FormularioDesplazable(this, datos, botones);
    OrdenLectura(this);
    ComprobarAlSalir(m_docTipo, m_docNumero);
    ComprobarAlSalir(m_cuenta);
}

void CPropietariosDlg::Mostrar(const FichaPropietario& dato)
{
    const FichaPropietario d = NormalizarPropietario(dato);
    for (const auto& [caja, campo] : Textos())
        caja->setText(d.*campo);
    campos::PonerTextoLista(m_docTipo, d.documento_tipo);
    campos::PonerTextoLista(m_via, d.via);
    m_numeroRecibo->setText(QString::number(d.numero_recibo));
    m_cuenta.banco->setText(d.banco);
    m_cuenta.sucursal->setText(d.sucursal);
    m_cuenta.dc->setText(d.dc);
    m_cuenta.ccc->setText(d.ccc);
    m_notas->setPlainText(d.notas);
    MostrarSepa(m_sepa, d);
    RecordarMostrado();
}

FichaPropietario CPropietariosDlg::LeerFormulario() const
{
    FichaPropietario d = m_actual;
    for (const auto& [caja, campo] : Textos())
        d.*campo = caja->text();
    d.documento_tipo = m_docTipo->currentText();
    d.via = m_via->currentText();
    d.numero_recibo = m_numeroRecibo->text().toLongLong();
    LeerCuenta(m_cuenta, d);
    d.notas = m_notas->toPlainText();
    LeerSepa(m_sepa, d);
    return d;
}

std::array<std::pair<QLineEdit*, QString FichaPropietario::*>, 9> CPropietariosDlg::Textos() const
{
    return {{{m_nombre, &FichaPropietario::nombre},
             {m_docNumero, &FichaPropietario::documento_numero},
             {m_direccion, &FichaPropietario::direccion},
             {m_piso, &FichaPropietario::piso},
             {m_localidad, &FichaPropietario::localidad},
             {m_movil, &FichaPropietario::telefono_movil},
             {m_telefono, &FichaPropietario::telefono_casa},
             {m_cp, &FichaPropietario::cp},
             {m_datosBanco, &FichaPropietario::datos_banco}}};
}

void CPropietariosDlg::ActualizarEstado()
{
    const bool hayFilas = m_set && m_set->rowCount() > 0;
    m_nombre->setReadOnly(!m_esNuevo);
    m_nuevo->setEnabled(m_set != nullptr);
    m_anterior->setEnabled(hayFilas);
    m_siguiente->setEnabled(hayFilas);
    m_borrar->setEnabled(hayFilas || m_esNuevo);
    m_aceptar->setEnabled(m_set != nullptr);
}

void CPropietariosDlg::EmpezarNuevo()
{
    if (m_set)
        m_set->cancelUpdate();
    m_actual = FichaPropietario();
    m_esNuevo = true;
    Mostrar(m_actual);
    ActualizarEstado();
    m_nombre->setFocus();
}

void CPropietariosDlg::MostrarActual()
{
    m_esNuevo = false;
    if (!m_set) {
        ActualizarEstado();
        return;
    }
    if (m_set->rowCount() == 0) {
        EmpezarNuevo();
        return;
    }
    try {
        if (!m_set->hasCurrent())
            m_set->moveFirst();
        // Shown as stored now: what a save checks another program has not changed since.
        m_set->edit();
        m_actual = LeerPropietario(*m_set);
        Mostrar(m_actual);
    } catch (const std::exception& e) {
        Error(e);
    }
    ActualizarEstado();
}

bool CPropietariosDlg::GuardarCambios(const QSet<QString>& cambiados)
{
    const FichaPropietario d = LeerFormulario();
    if (m_esNuevo && d.nombre.trimmed().isEmpty()) {
        QMessageBox::warning(this, windowTitle(), kPropietarioSinNombre);
        m_nombre->setFocus();
        return false;
    }
    if (!ConfirmarCambiados(cambiados, m_docTipo, m_docNumero, m_cuenta))
        return false;
    if (FaltaCuentaPropietario(d))
        CAvisoDlg(this, Aviso::PropietarioPonerCuenta).Mostrar();
    try {
        GuardarCambiosPropietario(*m_set, d, cambiados);
    } catch (const RowChangedError&) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Otro programa ha modificado el propietario %1 mientras lo "
                                            "tenía en pantalla: no se ha guardado nada. Se muestran sus "
                                            "datos actuales; vuelva a escribir lo que quería cambiar.")
                                 .arg(m_actual.nombre));
        MostrarActual();
        return false;
    } catch (const std::exception& e) {
        // Nothing was stored: the typed values stay on the form to be corrected.
        Error(e);
        ActualizarEstado();
        if (m_esNuevo)
            m_nombre->setFocus();
        return false;
    }
    MostrarActual();
    return true;
}

void CPropietariosDlg::Mover(int pasos)
{
    if (!Guardar())
        return;
    m_set->moveWrapping(pasos);
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
    if (!m_set)
        return;
    if (m_esNuevo) {
        // An owner not yet stored is only dropped: nothing to ask, nothing to delete.
        m_set->cancelUpdate();
        m_set->moveFirst();
        MostrarActual();
        return;
    }
    if (!BorrarConfirmado(kPreguntaBorrarPropietario, [this] { BorrarPropietarioActual(*m_set); }))
        return;
    m_set->moveFirst();
    MostrarActual();
}

void CPropietariosDlg::Aceptar()
{
    if (Guardar())
        accept();
}
