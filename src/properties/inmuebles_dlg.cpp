#include "properties/inmuebles_dlg.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "documents/documentos_dlg.h"
#include "settings/ajustes.h"
#include "widgets/aviso_dlg.h"
#include "widgets/fecha_dlg.h"
#include "bank/recibo_banco_dlg.h"
#include "billing/facturar_inmueble_dlg.h"
#include "data/database.h"
#include "widgets/campos_widget.h"
#include "properties/propietarios.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "widgets/calculadora_dlg.h"
#include "util/errores.h"

namespace {

const QString kTitulo = QStringLiteral("Inmuebles");
const char* const kEtiquetasImporte[6] = {"Renta", "Importe 1", "Importe 2", "Importe 3",
                                          "Impuesto 1", "Impuesto 2"};

std::array<Moneda*, 6> Importes(FichaInmueble& d)
{
    return {&d.renta, &d.otro_importe1, &d.otro_importe2, &d.otro_importe3, &d.iva, &d.irpf};
}

}  // namespace

CInmueblesDlg::CInmueblesDlg(QWidget* parent, Database& db, qint64 ref, const QString& fuente)
    : QDialog(parent), m_db(db), m_navegar(ref <= 0)
{
    using namespace ancho_inmueble;
    setWindowTitle(kTitulo);

    m_via = campos::Lista(this, ListaVias(), kVia);
    m_direccion = campos::Lista(this, {}, kDireccion);
    m_piso = campos::Texto(this, kPiso);
    m_textoPropietario = new QLabel(this);
    m_textoDireccion = new QLabel(this);
    for (QLabel* l : {m_textoPropietario, m_textoDireccion})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tipo = campos::Lista(this, ListaTiposInmueble(), 0);
    m_localidad = campos::Lista(this, {}, kLocalidad);
    m_cp = campos::Digitos(this, kCp);
    m_propietario = campos::Lista(this, {}, 0, false);
    m_refCatastral = campos::Mayusculas(this, kRefCatastral);
    m_inquilino = campos::Texto(this, kNombre);
    m_direccionInquilino = campos::Texto(this, kDireccionInquilino);
    m_banco = campos::Digitos(this, kBanco);
    m_sucursal = campos::Digitos(this, kSucursal);
    m_dc = campos::Texto(this, kDc);   // may show "**"
    m_ccc = campos::Digitos(this, kCcc);
    m_docTipo = campos::Lista(this, ListaDocumentosInquilino(), kDocTipo);
    m_docNumero = campos::Mayusculas(this, kDocNum);
    m_nacionalidad = campos::Mayusculas(this, kNacionalidad);
    m_movil = campos::Texto(this, kTelefono);
    m_telefono = campos::Texto(this, kTelefono);
    m_fecha = campos::Mayusculas(this, 10);
    m_email = campos::Mayusculas(this, kEmail, true);
    m_notaRecibo = campos::Texto(this, kNotaRecibo);
    m_notas = new QPlainTextEdit(this);
    m_equipamiento = new QPlainTextEdit(this);
    for (QPlainTextEdit* t : {m_notas, m_equipamiento}) {
        t->setTabChangesFocus(true);
        t->setMaximumHeight(60);
    }
    m_codref = campos::Mayusculas(this, kCodRef);
    for (auto*& e : m_importes) {
        e = campos::Texto(this, 20);
        e->setAlignment(Qt::AlignRight);
        connect(e, &QLineEdit::editingFinished, this, &CInmueblesDlg::ReleerImportes);
    }
    for (auto*& e : m_conceptos)
        e = campos::Texto(this, kConcepto);
    m_total = campos::Texto(this, 0);
    m_total->setReadOnly(true);
    m_total->setAlignment(Qt::AlignRight);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_reciboFisico = new QCheckBox(QStringLiteral("Recibo Fisico"), this);
    m_reciboBanco = new QCheckBox(QStringLiteral("Recibo Banco"), this);
    m_numerar = new QCheckBox(QStringLiteral("Numerar Recibo"), this);
    const std::pair<QWidget*, const char*> nombres[] = {
        {m_via, "via"}, {m_direccion, "direccion"}, {m_piso, "piso"}, {m_tipo, "tipo_inmueble"},
        {m_localidad, "localidad"}, {m_cp, "cp"}, {m_propietario, "arrendador"},
        {m_refCatastral, "refcatastral"}, {m_inquilino, "nom_arrendatario"},
        {m_direccionInquilino, "direccioninquilino"}, {m_banco, "banco"}, {m_sucursal, "sucursal"},
        {m_dc, "dc"}, {m_ccc, "ccc"}, {m_docTipo, "doc_arrendatario_tipo"},
        {m_docNumero, "doc_arrendatario_num"}, {m_nacionalidad, "nacionalidad_arrendatario"},
        {m_movil, "telefono_movil"}, {m_telefono, "telefono_casa"}, {m_fecha, "fecha"},
        {m_email, "email"}, {m_notaRecibo, "nota_recibo"}, {m_notas, "notas"},
        {m_equipamiento, "equipamiento"}, {m_codref, "codref"}, {m_total, "total"},
        {m_importes[0], "renta"}, {m_importes[1], "otro_importe1"}, {m_importes[2], "otro_importe2"},
        {m_importes[3], "otro_importe3"}, {m_importes[4], "iva"}, {m_importes[5], "irpf"},
        {m_conceptos[0], "otro_concepto1"}, {m_conceptos[1], "otro_concepto2"},
        {m_conceptos[2], "otro_concepto3"}, {m_reciboFisico, "is_recibo_fisico"},
        {m_reciboBanco, "is_recibo_banco"}, {m_numerar, "is_recibo_numerar"}};
    for (const auto& [w, n] : nombres)
        w->setObjectName(QString::fromLatin1(n));

    auto boton = [this](const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        m_botones << b;
        return b;
    };
    m_impuesto1 = boton(NombreImpuesto1());
    m_impuesto2 = boton(NombreImpuesto2());
    auto* fechaContrato = boton(QStringLiteral("Fecha Contrato"));
    m_enviarEmail = boton(QStringLiteral("Enviar Email"));
    auto* facturar = boton(QStringLiteral("Facturar"));
    auto* reciboFisico = boton(QStringLiteral("Recibo Fisico"));
    auto* reciboBanco = boton(QStringLiteral("Recibo Banco"));
    reciboFisico->setObjectName(QStringLiteral("boton_recibo_fisico"));
    reciboBanco->setObjectName(QStringLiteral("boton_recibo_banco"));
    auto* calculadora = boton(QStringLiteral("Calculadora"));
    auto* primero = boton(QStringLiteral("<<"));
    auto* anterior = boton(QStringLiteral("<"));
    auto* siguiente = boton(QStringLiteral(">"));
    auto* ultimo = boton(QStringLiteral(">>"));
    m_navegacion = {primero, anterior, siguiente, ultimo};
    auto* nuevo = boton(QStringLiteral("Nuevo"));
    auto* borrar = boton(QStringLiteral("Borrar"));
    auto* aceptar = boton(QStringLiteral("Aceptar"));
    auto* cancelar = boton(QStringLiteral("Cancelar"));

    // Inmueble
    auto* inmueble = new QGroupBox(QStringLiteral("Inmueble"));
    auto* gi = new QGridLayout(inmueble);
    int f = 0;
    gi->addWidget(new QLabel(QStringLiteral("Propietario")), f, 0);
    gi->addWidget(m_propietario, f, 1, 1, 3);
    gi->addWidget(m_textoPropietario, f++, 1, 1, 3);
    gi->addWidget(new QLabel(QStringLiteral("Dirección")), f, 0);
    gi->addWidget(m_via, f, 1);
    gi->addWidget(m_direccion, f, 2, 1, 2);
    gi->addWidget(m_textoDireccion, f++, 1, 1, 3);
    gi->addWidget(new QLabel(QStringLiteral("Piso")), f, 0);
    gi->addWidget(m_piso, f, 1);
    gi->addWidget(new QLabel(QStringLiteral("Tipo inmueble")), f, 2);
    gi->addWidget(m_tipo, f++, 3);
    gi->addWidget(new QLabel(QStringLiteral("Localidad")), f, 0);
    gi->addWidget(m_localidad, f, 1);
    gi->addWidget(new QLabel(QStringLiteral("Cód Postal")), f, 2);
    gi->addWidget(m_cp, f++, 3);
    gi->addWidget(new QLabel(QStringLiteral("Ref Catastral")), f, 0);
    gi->addWidget(m_refCatastral, f, 1);
    gi->addWidget(new QLabel(QStringLiteral("Referencia")), f, 2);
    gi->addWidget(m_codref, f++, 3);
    gi->addWidget(new QLabel(QStringLiteral("Notas inmueble")), f, 0);
    gi->addWidget(m_notas, f++, 1, 1, 3);
    gi->addWidget(new QLabel(QStringLiteral("Equipamiento")), f, 0);
    gi->addWidget(m_equipamiento, f++, 1, 1, 3);

    // Inquilino
    auto* inquilino = new QGroupBox(QStringLiteral("Inquilino"));
    auto* gq = new QGridLayout(inquilino);
    f = 0;
    gq->addWidget(new QLabel(QStringLiteral("Nombre")), f, 0);
    gq->addWidget(m_inquilino, f++, 1, 1, 3);
    gq->addWidget(new QLabel(QStringLiteral("Dirección")), f, 0);
    gq->addWidget(m_direccionInquilino, f++, 1, 1, 3);
    auto* documento = new QGroupBox(QStringLiteral("Documento"));
    auto* gd = new QHBoxLayout(documento);
    gd->addWidget(new QLabel(QStringLiteral("Tipo")));
    gd->addWidget(m_docTipo);
    gd->addWidget(new QLabel(QStringLiteral("Numero")));
    gd->addWidget(m_docNumero);
    gq->addWidget(documento, f++, 0, 1, 4);
    gq->addWidget(new QLabel(QStringLiteral("Nacionalidad")), f, 0);
    gq->addWidget(m_nacionalidad, f++, 1, 1, 3);
    gq->addWidget(new QLabel(QStringLiteral("Movil")), f, 0);
    gq->addWidget(m_movil, f, 1);
    gq->addWidget(new QLabel(QStringLiteral("Teléfono")), f, 2);
    gq->addWidget(m_telefono, f++, 3);
    gq->addWidget(fechaContrato, f, 0);
    gq->addWidget(m_fecha, f++, 1);
    gq->addWidget(new QLabel(QStringLiteral("email")), f, 0);
    gq->addWidget(m_email, f, 1, 1, 2);
    gq->addWidget(m_enviarEmail, f++, 3);
    auto* bancarios = new QGroupBox(QStringLiteral("Datos Bancarios"));
    auto* gb = new QGridLayout(bancarios);
    gb->addWidget(new QLabel(QStringLiteral("Banco")), 0, 0);
    gb->addWidget(new QLabel(QStringLiteral("Suc")), 0, 1);
    gb->addWidget(new QLabel(QStringLiteral("DC")), 0, 2);
    gb->addWidget(new QLabel(QStringLiteral("Cuenta")), 0, 3);
    gb->addWidget(m_banco, 1, 0);
    gb->addWidget(m_sucursal, 1, 1);
    gb->addWidget(m_dc, 1, 2);
    gb->addWidget(m_ccc, 1, 3);
    gq->addWidget(bancarios, f++, 0, 1, 4);
    gq->addWidget(new QLabel(QStringLiteral("Nota recibo fisico/fact")), f, 0);
    gq->addWidget(m_notaRecibo, f++, 1, 1, 3);

    // Alquiler
    auto* alquiler = new QGroupBox(QStringLiteral("Alquiler"));
    auto* ga = new QGridLayout(alquiler);
    f = 0;
    ga->addWidget(new QLabel(QStringLiteral("Renta")), f, 0);
    ga->addWidget(m_importes[0], f++, 2);
    ga->addWidget(new QLabel(QStringLiteral("Concepto")), f, 1);
    ga->addWidget(new QLabel(QStringLiteral("Importe")), f++, 2);
    for (int i = 0; i < 3; ++i) {
        ga->addWidget(m_conceptos[i], f, 0, 1, 2);
        ga->addWidget(m_importes[i + 1], f++, 2);
    }
    ga->addWidget(m_impuesto1, f, 0, 1, 2);
    ga->addWidget(m_importes[4], f++, 2);
    ga->addWidget(m_impuesto2, f, 0, 1, 2);
    ga->addWidget(m_importes[5], f++, 2);
    ga->addWidget(new QLabel(QStringLiteral("TOTAL")), f, 0, 1, 2);
    ga->addWidget(m_total, f++, 2);
    ga->addWidget(m_reciboFisico, f++, 0, 1, 3);
    ga->addWidget(m_reciboBanco, f++, 0, 1, 3);
    ga->addWidget(m_numerar, f++, 0, 1, 3);
    ga->addWidget(facturar, f++, 0, 1, 3);
    ga->addWidget(reciboFisico, f, 0, 1, 2);
    ga->addWidget(reciboBanco, f++, 2);
    ga->addWidget(calculadora, f++, 0, 1, 3);
    // " Documentos": save, then the documents of this property.
    auto* documentos = boton(QStringLiteral(" Documentos"));
    ga->addWidget(documentos, f++, 0, 1, 3);
    connect(documentos, &QPushButton::clicked, this, [this] {
        if (Guardar())
            CDocumentosDlg(this, m_db, m_actual.ref, EntornoDocumentosPorDefecto()).exec();
    });
    ga->setRowStretch(f, 1);

    auto* cuerpo = new QHBoxLayout;
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(inmueble);
    izquierda->addWidget(inquilino);
    cuerpo->addLayout(izquierda, 3);
    cuerpo->addWidget(alquiler, 2);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {primero, anterior, siguiente, ultimo, nuevo, borrar})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(cuerpo);
    todo->addLayout(botones);

    connect(primero, &QPushButton::clicked, this, [this] { Mover(&Inmuebles::RetrocederDiez); });
    connect(anterior, &QPushButton::clicked, this, [this] { Mover(&Inmuebles::Anterior); });
    connect(siguiente, &QPushButton::clicked, this, [this] { Mover(&Inmuebles::Siguiente); });
    connect(ultimo, &QPushButton::clicked, this, [this] { Mover(&Inmuebles::AvanzarDiez); });
    connect(nuevo, &QPushButton::clicked, this, &CInmueblesDlg::Nuevo);
    connect(borrar, &QPushButton::clicked, this, &CInmueblesDlg::Borrar);
    connect(aceptar, &QPushButton::clicked, this, &CInmueblesDlg::Aceptar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_impuesto1, &QPushButton::clicked, this, [this] { Impuesto(1); });
    connect(m_impuesto2, &QPushButton::clicked, this, [this] { Impuesto(2); });
    connect(fechaContrato, &QPushButton::clicked, this, &CInmueblesDlg::FechaContrato);
    connect(m_enviarEmail, &QPushButton::clicked, this, &CInmueblesDlg::EnviarEmail);
    connect(facturar, &QPushButton::clicked, this, &CInmueblesDlg::Facturar);
    connect(reciboFisico, &QPushButton::clicked, this, &CInmueblesDlg::ReciboFisico);
    connect(reciboBanco, &QPushButton::clicked, this, &CInmueblesDlg::ReciboBanco);
    connect(calculadora, &QPushButton::clicked, this, &CInmueblesDlg::Calculadora);
    connect(m_email, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_enviarEmail->setEnabled(EmailUtilizable(t)); });

    try {
        RefrescarListas(m_db);
        m_localidad->addItems(Localidades(m_db));
        m_direccion->addItems(Direcciones(m_db));
        const QStringList propietarios = NombresPropietarios(m_db);
        m_propietario->addItems(propietarios);
        if (propietarios.isEmpty())
            QMessageBox::information(this, kTitulo, kDarDeAltaPropietario);
        m_inmuebles = std::make_unique<Inmuebles>(m_db, LeerEntero(ajustes::kOpciones, ajustes::kOrden, 0),
                                                  fuente);
    } catch (const std::exception& e) {
        Error(e);
        m_noAbrir = true;
        return;
    }
    if (ref > 0 && !m_inmuebles->IrARef(ref)) {
        m_noAbrir = true;
        return;
    }
    if (m_inmuebles->Vacio())
        EmpezarNuevo();
    else
        MostrarActual();
}

CInmueblesDlg::~CInmueblesDlg() = default;

int CInmueblesDlg::exec()
{
    if (m_noAbrir)
        return QDialog::Rejected;
    return QDialog::exec();
}

QPushButton* CInmueblesDlg::Boton(const QString& texto) const
{
    for (QPushButton* b : m_botones)
        if (b->text() == texto)
            return b;
    return nullptr;
}

void CInmueblesDlg::keyPressEvent(QKeyEvent* e)
{
    // Enter does nothing here: it must not close the form or press a button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CInmueblesDlg::Error(const std::exception& e)
{
    QMessageBox::critical(this, kTitulo, TextoError(e));
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
    m_banco->setText(d.banco);
    m_sucursal->setText(d.sucursal);
    m_dc->setText(MarcarDc(d.banco, d.sucursal, d.dc, d.ccc));
    m_ccc->setText(d.ccc);
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
}

void CInmueblesDlg::LeerImportes(FichaInmueble& d) const
{
    const auto importes = Importes(d);
    for (int i = 0; i < 6; ++i) {
        const QString campo = i == 4   ? m_impuesto1->text()
                              : i == 5 ? m_impuesto2->text()
                                       : QString::fromUtf8(kEtiquetasImporte[i]);
        *importes[i] = LeerImporte(m_importes[i]->text(), campo);
    }
}

FichaInmueble CInmueblesDlg::LeerFormulario() const
{
    FichaInmueble d = m_actual;
    LeerImportes(d);
    if (m_esNuevo) {
        d.via = m_via->currentText();
        d.direccion = m_direccion->currentText();
        d.piso = m_piso->text();
        d.arrendador = m_propietario->currentIndex() >= 0 ? m_propietario->currentText() : QString();
    }
    d.tipo_inmueble = IndiceTipoInmueble(m_tipo->currentText());
    d.localidad = m_localidad->currentText();
    d.cp = m_cp->text();
    d.refcatastral = m_refCatastral->text();
    d.nom_arrendatario = m_inquilino->text();
    d.direccioninquilino = m_direccionInquilino->text();
    d.banco = m_banco->text();
    d.sucursal = m_sucursal->text();
    d.dc = m_dc->text();
    d.ccc = m_ccc->text();
    d.doc_arrendatario_tipo = m_docTipo->currentText();
    d.doc_arrendatario_num = m_docNumero->text();
    d.nacionalidad_arrendatario = m_nacionalidad->text();
    d.telefono_movil = m_movil->text();
    d.telefono_casa = m_telefono->text();
    d.fecha = FechaContratoDesdeTexto(m_fecha->text(), m_actual.fecha);
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
    return d;
}

void CInmueblesDlg::ActualizarEstado()
{
    const bool hayFilas = m_inmuebles && !m_inmuebles->Vacio();
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
    m_actual = Inmuebles::Nuevo();
    m_esNuevo = true;
    m_cuentaBuena = CuentaConocidaBuena(m_actual);
    Mostrar(m_actual);
    ActualizarEstado();
}

void CInmueblesDlg::MostrarActual()
{
    m_esNuevo = false;
    try {
        m_actual = m_inmuebles->Actual();
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

bool CInmueblesDlg::Guardar()
{
    if (!m_inmuebles)
        return false;
    if (LongitudCuentaIncorrecta(m_banco->text(), m_sucursal->text(), m_dc->text(), m_ccc->text()))
        CAvisoDlg(this, Aviso::LongitudCuentaCorriente).Mostrar();
    FichaInmueble d;
    try {
        d = LeerFormulario();
    } catch (const std::exception& e) {
        // An unreadable date or amount: say so and leave the user on the form.
        Error(e);
        return false;
    }
    MostrarImportes(d);
    try {
        m_actual = m_inmuebles->Guardar(d, m_cuentaBuena);
    } catch (const std::exception& e) {
        // Refused (no owner, no address, same street and floor as another...):
        // nothing was stored and the typed values stay for correction.
        Error(e);
        return false;
    }
    m_esNuevo = false;
    if (m_localidad->findText(m_actual.localidad) < 0 && !m_actual.localidad.isEmpty())
        m_localidad->addItem(m_actual.localidad);
    if (m_direccion->findText(m_actual.direccion) < 0)
        m_direccion->addItem(m_actual.direccion);
    m_cuentaBuena = CuentaConocidaBuena(m_actual);
    Mostrar(m_actual);
    ActualizarEstado();
    return true;
}

void CInmueblesDlg::Mover(void (Inmuebles::*paso)())
{
    if (!NuevoSinTocar() && !Guardar())
        return;
    if (!m_inmuebles || m_inmuebles->Vacio())
        return;
    (m_inmuebles.get()->*paso)();
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
    if (!m_inmuebles)
        return;
    if (m_esNuevo) {
        // A property not yet stored is only dropped; the row shown before it is untouched.
        if (m_inmuebles->Vacio())
            EmpezarNuevo();
        else
            MostrarActual();
        return;
    }
    if (QMessageBox::warning(this, kTitulo, kPreguntaBorrarInmueble,
                             QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    try {
        m_inmuebles->Borrar(m_actual.ref);
    } catch (const std::exception& e) {
        Error(e);
    }
    m_inmuebles->Primero();
    if (m_inmuebles->Vacio())
        EmpezarNuevo();
    else
        MostrarActual();
}

void CInmueblesDlg::Aceptar()
{
    if (NuevoSinTocar() || Guardar())
        accept();
}

void CInmueblesDlg::ReleerImportes()
{
    FichaInmueble d = m_actual;
    try {
        LeerImportes(d);
    } catch (const std::exception&) {
        return;   // left as typed; storing it names the field
    }
    MostrarImportes(d);
}

void CInmueblesDlg::Impuesto(int tipo)
{
    FichaInmueble d = m_actual;
    try {
        LeerImportes(d);
        if (tipo == 1)
            AplicarImpuesto1(d, PorcentajeImpuesto1());
        else
            AplicarImpuesto2(d, PorcentajeImpuesto2());
    } catch (const std::exception& e) {
        Error(e);
        return;
    }
    MostrarImportes(d);
}

void CInmueblesDlg::FechaContrato()
{
    CFechaDlg dlg(this);
    try {
        dlg.PonerFecha(LeerFechaContrato(m_fecha->text()));
    } catch (const std::exception&) {
        dlg.PonerFecha(QDate::currentDate());   // the field does not hold a date yet
    }
    if (dlg.exec() == QDialog::Accepted)
        m_fecha->setText(TextoFechaContrato(QDateTime(dlg.Fecha(), QTime(0, 0))));
}

void CInmueblesDlg::EnviarEmail()
{
    if (EmailUtilizable(m_email->text()))
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_email->text()));
}

void CInmueblesDlg::Facturar()
{
    if (!Guardar())
        return;
    FacturarInmuebleConDialogo(this, m_db, m_actual.ref);
}

void CInmueblesDlg::ReciboFisico()
{
    if (!Guardar())
        return;
    CFechaDlg fecha(this, true);
    if (fecha.exec() != QDialog::Accepted)
        return;
    // The dialog answers 0 for "Recibo Normal" and 1 for "Recibo Tamaño Folio".
    ImprimirReciboInmueble(this, m_db, m_actual.ref, fecha.Fecha(), fecha.Tamano() + 1);
}

void CInmueblesDlg::ReciboBanco()
{
    if (!Guardar())
        return;
    GenerarReciboBanco(this, m_db, m_actual.ref);
}

void CInmueblesDlg::Calculadora()
{
    if (!NuevoSinTocar() && !Guardar())
        return;
    CCalculadoraDlg(this).exec();
}
