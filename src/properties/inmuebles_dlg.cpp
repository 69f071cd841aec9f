#include "properties/inmuebles_dlg.h"

#include "properties/cuenta_sepa.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/record_sets.h"
#include "properties/propietarios.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "widgets/aviso_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/campos_widget.h"
#include "widgets/disposicion.h"

namespace {

const QString kTabla = QStringLiteral("inmueble");
const char* const kEtiquetasImporte[6] = {"Renta", "Importe 1", "Importe 2", "Importe 3",
                                          "Impuesto 1", "Impuesto 2"};
const char* const kColumnasImporte[6] = {"renta", "otro_importe1", "otro_importe2",
                                         "otro_importe3", "iva", "irpf"};
const char* const kColumnasConcepto[3] = {"otro_concepto1", "otro_concepto2", "otro_concepto3"};

std::array<Moneda*, 6> Importes(FichaInmueble& d)
{
    return {&d.renta, &d.otro_importe1, &d.otro_importe2, &d.otro_importe3, &d.iva, &d.irpf};
}

QPlainTextEdit* TextoLargo(QWidget* parent, const char* columna)
{
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(QString::fromLatin1(columna));
    t->setTabChangesFocus(true);
    // As tall as the column it shares with the other groups allows, never less than 3 lines.
    t->setMinimumHeight(50);
    t->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    return t;
}

// The refs as a JSON array, bound as one value.
QString RefsJson(const QList<qint64>& refs)
{
    QStringList r;
    for (qint64 ref : refs)
        r << QString::number(ref);
    return u'[' + r.join(u',') + u']';
}

}  // namespace

CInmueblesDlg::CInmueblesDlg(QWidget* parent, Database& db, qint64 ref, const QList<qint64>& coincidencias)
    : CFichaDlg(parent, QStringLiteral("Inmuebles"), kTabla), m_db(db), m_navegar(ref <= 0),
      m_coincidencias(coincidencias)
{
    CrearCampos();
    CrearBotones();
    Colocar();
    Conectar();
    m_noAbrir = !Abrir(ref);
}

CInmueblesDlg::~CInmueblesDlg() = default;

void CInmueblesDlg::CrearCampos()
{
    m_via = Lista("via", ListaVias());
    m_direccion = Lista("direccion", {});
    m_piso = Texto("piso");
    m_textoPropietario = new QLabel(this);
    m_textoDireccion = new QLabel(this);
    for (QLabel* l : {m_textoPropietario, m_textoDireccion})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tipo = Lista("tipo_inmueble", ListaTiposInmueble());
    m_localidad = Lista("localidad", {});
    m_cp = Digitos("cp");
    campos::AnchoDeCodigo(m_cp, m_cp->maxLength());
    m_propietario = Lista("arrendador", {}, false);
    m_refCatastral = Mayusculas("refcatastral");
    m_inquilino = Texto("nom_arrendatario");
    m_direccionInquilino = Texto("direccioninquilino");
    m_cuenta = CrearCamposCuenta();
    m_docTipo = Lista("doc_arrendatario_tipo", ListaDocumentosInquilino());
    m_docNumero = Mayusculas("doc_arrendatario_num");
    m_nacionalidad = Mayusculas("nacionalidad_arrendatario");
    m_movil = Texto("telefono_movil");
    m_telefono = Texto("telefono_casa");
    m_fecha = campos::Mayusculas(this, 10);   // DD/MM/AAAA of a date column
    m_fecha->setObjectName(QStringLiteral("fecha"));
    m_email = Mayusculas("email", true);
    m_notaRecibo = Texto("nota_recibo");
    m_notas = TextoLargo(this, "notas");
    m_equipamiento = TextoLargo(this, "equipamiento");
    m_codref = Mayusculas("codref");
    for (int i = 0; i < 6; ++i) {
        m_importes[i] = campos::Texto(this, 20);
        m_importes[i]->setObjectName(QString::fromLatin1(kColumnasImporte[i]));
        m_importes[i]->setAlignment(Qt::AlignRight);
    }
    for (int i = 0; i < 3; ++i)
        m_conceptos[i] = Texto(kColumnasConcepto[i]);
    m_total = campos::Texto(this, 0);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setReadOnly(true);
    m_total->setAlignment(Qt::AlignRight);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_reciboFisico = new QCheckBox(QStringLiteral("Recibo Físico"), this);
    m_reciboBanco = new QCheckBox(QStringLiteral("Recibo Banco"), this);
    m_numerar = new QCheckBox(QStringLiteral("Numerar Recibo"), this);
    m_reciboFisico->setObjectName(QStringLiteral("is_recibo_fisico"));
    m_reciboBanco->setObjectName(QStringLiteral("is_recibo_banco"));
    m_numerar->setObjectName(QStringLiteral("is_recibo_numerar"));
}

void CInmueblesDlg::CrearBotones()
{
    auto boton = [this](const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        m_botones << b;
        return b;
    };
    // Caption and computation take the rate from the same reading of the settings.
    m_porcentajes = {PorcentajeImpuesto1(), PorcentajeImpuesto2()};
    m_impuesto1 = boton(RotuloImpuesto(NombreImpuesto1(), m_porcentajes[0]));
    m_impuesto2 = boton(RotuloImpuesto(NombreImpuesto2(), m_porcentajes[1]));
    m_impuesto1->setObjectName(QStringLiteral("boton_impuesto1"));
    m_impuesto2->setObjectName(QStringLiteral("boton_impuesto2"));
    m_fechaContrato = boton(QStringLiteral("Fecha Contrato"));
    m_enviarEmail = boton(QStringLiteral("Enviar Email"));
    m_facturar = boton(QStringLiteral("Facturar"));
    m_botonReciboFisico = boton(QStringLiteral("Recibo Físico"));
    m_botonReciboBanco = boton(QStringLiteral("Recibo Banco"));
    m_botonReciboFisico->setObjectName(QStringLiteral("boton_recibo_fisico"));
    m_botonReciboBanco->setObjectName(QStringLiteral("boton_recibo_banco"));
    m_facturado = boton(QStringLiteral("Facturado"));
    m_facturado->setObjectName(QStringLiteral("boton_facturado"));
    m_calculadora = boton(QStringLiteral("Calculadora"));
    m_documentos = boton(QStringLiteral(" Documentos"));
    m_documentos->setObjectName(QStringLiteral("boton_documentos"));
    m_ipc = boton(QStringLiteral("I.P.C."));
    m_buscar = boton(QStringLiteral("Buscar"));
    m_ordenar = boton(QStringLiteral("Ordenar"));
    m_imprimir = boton(QStringLiteral("Imprimir"));
    for (const char* paso : {"<<", "<", ">", ">>"})
        m_navegacion << boton(QString::fromLatin1(paso));
    m_nuevo = boton(QStringLiteral("Nuevo"));
    m_borrar = boton(QStringLiteral("Borrar"));
    m_aceptar = boton(QStringLiteral("Aceptar"));
    m_cancelar = boton(QStringLiteral("Cancelar"));
}

QGroupBox* CInmueblesDlg::GrupoInmueble()
{
    auto* grupo = new QGroupBox(QStringLiteral("Inmueble"));
    auto* g = new QGridLayout(grupo);
    int f = 0;
    g->addWidget(new QLabel(QStringLiteral("Propietario")), f, 0);
    g->addWidget(m_propietario, f, 1, 1, 3);
    g->addWidget(m_textoPropietario, f++, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Dirección")), f, 0);
    g->addWidget(m_via, f, 1);
    g->addWidget(m_direccion, f, 2, 1, 2);
    g->addWidget(m_textoDireccion, f++, 1, 1, 3);
    // One field a row: three groups side by side stay narrow enough for a laptop.
    const auto linea = [&](const char* etiqueta, QWidget* w) {
        g->addWidget(new QLabel(QString::fromUtf8(etiqueta)), f, 0);
        g->addWidget(w, f++, 1, 1, 3);
    };
    linea("Piso", m_piso);
    linea("Tipo inmueble", m_tipo);
    linea("Localidad", m_localidad);
    linea("Cód Postal", m_cp);
    linea("Ref Catastral", m_refCatastral);
    linea("Referencia", m_codref);
    // The two notes take what height the column leaves.
    g->setRowStretch(f, 1);
    linea("Notas inmueble", m_notas);
    g->setRowStretch(f, 1);
    linea("Equipamiento", m_equipamiento);
    return grupo;
}

QGroupBox* CInmueblesDlg::GrupoInquilino()
{
    auto* grupo = new QGroupBox(QStringLiteral("Inquilino"));
    auto* g = new QGridLayout(grupo);
    int f = 0;
    const auto linea = [&](const char* etiqueta, QWidget* w) {
        g->addWidget(new QLabel(QString::fromUtf8(etiqueta)), f, 0);
        g->addWidget(w, f++, 1, 1, 3);
    };
    linea("Nombre", m_inquilino);
    linea("Dirección", m_direccionInquilino);
    g->addWidget(GrupoDocumento(m_docTipo, m_docNumero), f++, 0, 1, 4);
    linea("Nacionalidad", m_nacionalidad);
    linea("Móvil", m_movil);
    linea("Teléfono", m_telefono);
    g->addWidget(m_fechaContrato, f, 0);
    g->addWidget(m_fecha, f++, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("email")), f, 0);
    g->addWidget(m_email, f, 1, 1, 2);
    g->addWidget(m_enviarEmail, f++, 3);
    g->addWidget(GrupoDatosBancarios(m_cuenta), f++, 0, 1, 4);
    g->addWidget(GrupoSepaInmueble(grupo, m_sepa, m_codref), f++, 0, 1, 4);
    linea("Nota recibo físico/fact", m_notaRecibo);
    g->setRowStretch(f, 1);
    return grupo;
}

QGroupBox* CInmueblesDlg::GrupoAlquiler()
{
    auto* grupo = new QGroupBox(QStringLiteral("Alquiler"));
    auto* g = new QGridLayout(grupo);
    int f = 0;
    g->addWidget(new QLabel(QStringLiteral("Renta")), f, 0);
    g->addWidget(m_importes[0], f++, 2);
    g->addWidget(new QLabel(QStringLiteral("Concepto")), f, 1);
    g->addWidget(new QLabel(QStringLiteral("Importe")), f++, 2);
    for (int i = 0; i < 3; ++i) {
        g->addWidget(m_conceptos[i], f, 0, 1, 2);
        g->addWidget(m_importes[i + 1], f++, 2);
    }
    g->addWidget(m_impuesto1, f, 0, 1, 2);
    g->addWidget(m_importes[4], f++, 2);
    g->addWidget(m_impuesto2, f, 0, 1, 2);
    g->addWidget(m_importes[5], f++, 2);
    g->addWidget(new QLabel(QStringLiteral("TOTAL")), f, 0, 1, 2);
    g->addWidget(m_total, f++, 2);
    for (QWidget* w : {static_cast<QWidget*>(m_reciboFisico), static_cast<QWidget*>(m_reciboBanco),
                       static_cast<QWidget*>(m_numerar), static_cast<QWidget*>(m_facturar)})
        g->addWidget(w, f++, 0, 1, 3);
    g->addWidget(m_botonReciboFisico, f, 0, 1, 2);
    g->addWidget(m_botonReciboBanco, f++, 2);
    g->addWidget(m_calculadora, f, 0, 1, 2);
    g->addWidget(m_ipc, f++, 2);
    g->addWidget(m_documentos, f, 0, 1, 2);
    g->addWidget(m_facturado, f++, 2);
    g->setRowStretch(f, 1);
    return grupo;
}

void CInmueblesDlg::Colocar()
{
    // Three columns side by side, so that the form fits a laptop's screen (1366 x 768).
    auto* cuerpo = new QHBoxLayout;
    cuerpo->addWidget(GrupoInmueble(), 4);
    cuerpo->addWidget(GrupoInquilino(), 4);
    cuerpo->addWidget(GrupoAlquiler(), 3);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : m_navegacion)
        botones->addWidget(b);
    botones->addWidget(m_nuevo);
    botones->addWidget(m_borrar);
    botones->addWidget(m_buscar);
    botones->addWidget(m_ordenar);
    botones->addWidget(m_imprimir);
    botones->addStretch();
    botones->addWidget(m_aceptar);
    botones->addWidget(m_cancelar);
    FormularioDesplazable(this, cuerpo, botones);
    OrdenLectura(this);
    ComprobarAlSalir(m_docTipo, m_docNumero);
    ComprobarAlSalir(m_cuenta);
}

void CInmueblesDlg::Conectar()
{
    const int pasos[] = {-10, -1, 1, 10};
    for (int i = 0; i < 4; ++i)
        connect(m_navegacion[i], &QPushButton::clicked, this, [this, p = pasos[i]] { Mover(p); });
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_impuesto1, &QPushButton::clicked, this, [this] { Impuesto(1); });
    connect(m_impuesto2, &QPushButton::clicked, this, [this] { Impuesto(2); });
    // Those that act on the property as stored save it first, and do nothing when it cannot be saved.
    const struct {
        QPushButton* boton;
        void (CInmueblesDlg::*accion)();
        bool guardarAntes;
    } acciones[] = {
        {m_nuevo, &CInmueblesDlg::Nuevo, false},
        {m_borrar, &CInmueblesDlg::Borrar, false},
        {m_aceptar, &CInmueblesDlg::Aceptar, false},
        {m_fechaContrato, &CInmueblesDlg::FechaContrato, false},
        {m_enviarEmail, &CInmueblesDlg::EnviarEmail, false},
        {m_facturar, &CInmueblesDlg::Facturar, true},
        {m_botonReciboFisico, &CInmueblesDlg::ReciboFisico, true},
        {m_botonReciboBanco, &CInmueblesDlg::ReciboBanco, true},
        {m_facturado, &CInmueblesDlg::Facturado, true},
        {m_calculadora, &CInmueblesDlg::Calculadora, false},
        {m_documentos, &CInmueblesDlg::Documentos, true},
        {m_ipc, &CInmueblesDlg::CartaAumento, true},
        {m_buscar, &CInmueblesDlg::PedirBusqueda, false},
        {m_ordenar, &CInmueblesDlg::Ordenar, false},
        {m_imprimir, &CInmueblesDlg::Imprimir, false},
    };
    for (const auto& a : acciones)
        connect(a.boton, &QPushButton::clicked, this, [this, a] {
            if (!a.guardarAntes || Guardar())
                (this->*a.accion)();
        });
    connect(m_email, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_enviarEmail->setEnabled(EmailUtilizable(t)); });
    for (QLineEdit* e : m_importes)
        connect(e, &QLineEdit::editingFinished, this, &CInmueblesDlg::ReleerImportes);
}

bool CInmueblesDlg::Abrir(qint64 ref)
{
    try {
        RefrescarListas(m_db);
        m_localidad->addItems(Localidades(m_db));
        m_direccion->addItems(Direcciones(m_db));
        const QStringList propietarios = NombresPropietarios(m_db);
        m_propietario->addItems(propietarios);
        if (propietarios.isEmpty())
            QMessageBox::information(this, windowTitle(), kDarDeAltaPropietario);
        // The browsing order is the one the billing run follows: InmueblesIndex.
        m_set = std::make_unique<CInmuebleSet>(&m_db);
        if (!m_coincidencias.isEmpty())
            m_set->setFilter(QStringLiteral("ref IN (SELECT value FROM json_each(?1))"), {RefsJson(m_coincidencias)});
    } catch (const std::exception& e) {
        Error(e);
        return false;
    }
    if (ref > 0 && !m_set->BuscarInmueble(ref))
        return false;
    if (m_set->rowCount() == 0)
        EmpezarNuevo();
    else
        MostrarActual();
    return true;
}

int CInmueblesDlg::exec()
{
    if (m_noAbrir)
        return QDialog::Rejected;
    return QDialog::exec();
}

QPushButton* CInmueblesDlg::Boton(const QString& texto) const
{
    return BotonConTexto(m_botones, texto);
}

void CInmueblesDlg::MostrarImportes(const FichaInmueble& dato)
{
    FichaInmueble d = dato;
    const auto importes = Importes(d);
    for (int i = 0; i < 6; ++i)
        m_importes[i]->setText(TextoImporte(RedondearCentimos(*importes[i])));
    try {
        RedondearImportes(d);
        m_total->setText(TextoImporte(TotalInmueble(d)));
    } catch (const std::exception&) {
        m_total->clear();   // amounts too large to add; the save says so
    }
}

void CInmueblesDlg::Mostrar(const FichaInmueble& d)
{
    campos::PonerTextoLista(m_via, d.via);
    campos::PonerTextoLista(m_direccion, d.direccion);
    m_piso->setText(d.piso);
    m_textoPropietario->setText(d.arrendador);
    m_textoDireccion->setText(DireccionCompleta(d));
    m_tipo->setCurrentIndex(-1);
    campos::PonerTextoLista(m_tipo, NombreTipoInmueble(d.tipo_inmueble));
    campos::PonerTextoLista(m_localidad, d.localidad);
    m_cp->setText(d.cp);
    if (m_esNuevo && d.arrendador.isEmpty())
        m_propietario->setCurrentIndex(m_propietario->count() == 1 ? 0 : -1);
    else
        m_propietario->setCurrentIndex(m_propietario->findText(d.arrendador));
    m_refCatastral->setText(d.refcatastral);
    m_inquilino->setText(d.nom_arrendatario);
    m_direccionInquilino->setText(d.direccioninquilino);
    m_cuenta.banco->setText(d.banco);
    m_cuenta.sucursal->setText(d.sucursal);
    m_cuenta.dc->setText(MarcarDc(d.banco, d.sucursal, d.dc, d.ccc));
    m_cuenta.ccc->setText(d.ccc);
    campos::PonerTextoLista(m_docTipo, d.doc_arrendatario_tipo);
    m_docNumero->setText(d.doc_arrendatario_num);
    m_nacionalidad->setText(d.nacionalidad_arrendatario);
    m_movil->setText(d.telefono_movil);
    m_telefono->setText(d.telefono_casa);
    m_fecha->setText(TextoFechaContrato(d.fecha));
    m_email->setText(d.email);
    m_notaRecibo->setText(d.nota_recibo);
    m_notas->setPlainText(d.notas);
    m_equipamiento->setPlainText(d.equipamiento);
    m_codref->setText(d.codref);
    m_conceptos[0]->setText(d.otro_concepto1);
    m_conceptos[1]->setText(d.otro_concepto2);
    m_conceptos[2]->setText(d.otro_concepto3);
    MostrarImportes(d);
    m_reciboFisico->setChecked(d.is_recibo_fisico);
    m_reciboBanco->setChecked(d.is_recibo_banco);
    m_numerar->setChecked(d.is_recibo_numerar);
    MostrarSepa(m_sepa, d);
    RecordarMostrado();
}

void CInmueblesDlg::LeerImportes(FichaInmueble& d, const QSet<QString>* solo) const
{
    const auto importes = Importes(d);
    for (int i = 0; i < 6; ++i) {
        if (solo && !solo->contains(QLatin1String(kColumnasImporte[i])))
            continue;
        const QString campo = i == 4   ? m_impuesto1->text()
                              : i == 5 ? m_impuesto2->text()
                                       : QString::fromUtf8(kEtiquetasImporte[i]);
        *importes[i] = LeerImporte(m_importes[i]->text(), campo);
    }
}

FichaInmueble CInmueblesDlg::LeerFormulario(const QSet<QString>& cambiados) const
{
    FichaInmueble d = m_actual;
    LeerImportes(d, m_esNuevo ? nullptr : &cambiados);
    if (m_esNuevo) {
        d.via = m_via->currentText();
        d.direccion = m_direccion->currentText();
        d.piso = m_piso->text();
        d.arrendador = m_propietario->currentIndex() >= 0 ? m_propietario->currentText() : QString();
    }
    if (m_esNuevo || cambiados.contains(QStringLiteral("fecha")))
        d.fecha = FechaContratoDesdeTexto(m_fecha->text(), m_actual.fecha);
    d.tipo_inmueble = IndiceTipoInmueble(m_tipo->currentText());
    d.localidad = m_localidad->currentText();
    d.cp = m_cp->text();
    d.refcatastral = m_refCatastral->text();
    d.nom_arrendatario = m_inquilino->text();
    d.direccioninquilino = m_direccionInquilino->text();
    LeerCuenta(m_cuenta, d);
    d.doc_arrendatario_tipo = m_docTipo->currentText();
    d.doc_arrendatario_num = m_docNumero->text();
    d.nacionalidad_arrendatario = m_nacionalidad->text();
    d.telefono_movil = m_movil->text();
    d.telefono_casa = m_telefono->text();
    d.email = m_email->text();
    d.nota_recibo = m_notaRecibo->text();
    d.notas = m_notas->toPlainText();
    d.equipamiento = m_equipamiento->toPlainText();
    d.codref = m_codref->text();
    d.otro_concepto1 = m_conceptos[0]->text();
    d.otro_concepto2 = m_conceptos[1]->text();
    d.otro_concepto3 = m_conceptos[2]->text();
    d.is_recibo_fisico = m_reciboFisico->isChecked();
    d.is_recibo_banco = m_reciboBanco->isChecked();
    d.is_recibo_numerar = m_numerar->isChecked();
    LeerSepa(m_sepa, d);
    return d;
}

void CInmueblesDlg::ActualizarEstado()
{
    const bool hayFilas = m_set && m_set->rowCount() > 0;
    for (QPushButton* b : m_botones)
        b->setEnabled(true);
    for (QPushButton* b : m_navegacion)
        b->setEnabled(m_navegar && hayFilas);
    m_enviarEmail->setEnabled(EmailUtilizable(m_email->text()));
    // A stored property keeps its owner, street and floor: they name its receipts.
    for (QWidget* w : {static_cast<QWidget*>(m_propietario), static_cast<QWidget*>(m_via),
                       static_cast<QWidget*>(m_direccion)}) {
        w->setEnabled(m_esNuevo);
        w->setVisible(m_esNuevo);
    }
    m_piso->setReadOnly(!m_esNuevo);
    m_textoPropietario->setVisible(!m_esNuevo);
    m_textoDireccion->setVisible(!m_esNuevo);
}

void CInmueblesDlg::EmpezarNuevo()
{
    if (m_set)
        m_set->cancelUpdate();
    m_actual = NuevoInmueble();
    m_esNuevo = true;
    m_cuentaBuena = CuentaConocidaBuena(m_actual);
    Mostrar(m_actual);
    ActualizarEstado();
}

void CInmueblesDlg::MostrarActual()
{
    m_esNuevo = false;
    try {
        if (!m_set->hasCurrent())
            m_set->moveFirst();
        // Shown as stored now: what a save checks another program has not changed since.
        m_set->edit();
        m_actual = LeerInmueble(*m_set);
    } catch (const std::exception& e) {
        Error(e);
        return;
    }
    m_cuentaBuena = CuentaConocidaBuena(m_actual);
    Mostrar(m_actual);
    ActualizarEstado();
}

bool CInmueblesDlg::NuevoSinTocar() const
{
    return m_esNuevo && m_direccion->currentText().trimmed().isEmpty() &&
           m_inquilino->text().trimmed().isEmpty();
}

bool CInmueblesDlg::GuardarCambios(const QSet<QString>& cambiados)
{
    if (!ConfirmarCambiados(cambiados, m_docTipo, m_docNumero, m_cuenta))
        return false;
    if (LongitudCuentaIncorrecta(m_cuenta.banco->text(), m_cuenta.sucursal->text(), m_cuenta.dc->text(),
                                 m_cuenta.ccc->text()))
        CAvisoDlg(this, Aviso::LongitudCuentaCorriente).Mostrar();
    try {
        const FichaInmueble d = LeerFormulario(cambiados);
        MostrarImportes(d);
        bool mandatoVaciado = false;
        GuardarCambiosInmueble(*m_set, d, cambiados, m_cuentaBuena, &mandatoVaciado);
        if (mandatoVaciado)
            QMessageBox::information(this, windowTitle(), kMandatoNuevoInquilino);
    } catch (const RowChangedError&) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Otro programa ha modificado el inmueble %1 %2 mientras lo "
                                            "tenía en pantalla: no se ha guardado nada. Se muestran sus "
                                            "datos actuales; vuelva a escribir lo que quería cambiar.")
                                 .arg(m_actual.direccion, m_actual.piso.trimmed()));
        MostrarActual();
        return false;
    } catch (const std::exception& e) {
        // Refused (unreadable date or amount, no owner, no address, same street and floor as
        // another...): nothing was stored and the typed values stay for correction.
        Error(e);
        return false;
    }
    MostrarActual();
    if (m_localidad->findText(m_actual.localidad) < 0 && !m_actual.localidad.isEmpty())
        m_localidad->addItem(m_actual.localidad);
    if (m_direccion->findText(m_actual.direccion) < 0)
        m_direccion->addItem(m_actual.direccion);
    return true;
}

void CInmueblesDlg::Mover(int pasos)
{
    if (!NuevoSinTocar() && !Guardar())
        return;
    if (!m_set || m_set->rowCount() == 0)
        return;
    m_set->moveWrapping(pasos);
    MostrarActual();
}

void CInmueblesDlg::Nuevo()
{
    CAvisoDlg(this, Aviso::InmueblePonerDireccion).Mostrar();
    if (!NuevoSinTocar() && !Guardar())
        return;
    EmpezarNuevo();
}

void CInmueblesDlg::Borrar()
{
    if (!m_set)
        return;
    // A property not yet stored is only dropped; the row shown before it is untouched.
    if (!m_esNuevo) {
        if (!BorrarConfirmado(kPreguntaBorrarInmueble, [this] { BorrarInmuebleActual(*m_set); }))
            return;
        m_set->moveFirst();
    }
    if (m_set->rowCount() == 0)
        EmpezarNuevo();
    else
        MostrarActual();
}

void CInmueblesDlg::Aceptar()
{
    if (NuevoSinTocar() || Guardar())
        accept();
}
