#include "documents/contratos_dlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "billing/modificar_recibo_dlg.h"
#include "documents/archivo_documento.h"
#include "documents/impresor_texto.h"
#include "documents/info_avanzada_contrato_dlg.h"
#include "documents/modelo_contrato.h"
#include "documents/texto_contrato.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/aviso_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Contratos");

QLineEdit* Lectura(QWidget* padre, int ancho = 0)
{
    auto* e = new QLineEdit(padre);
    e->setReadOnly(true);
    if (ancho > 0)
        e->setMinimumWidth(ancho);
    return e;
}

// The equipment boxes in the order they show, three to a row.
const struct {
    const char* texto;
    bool DatosContrato::*campo;
} kEquipos[] = {{"Amueblado", &DatosContrato::amueblado},
                {"Lavadora", &DatosContrato::lavadora},
                {"Nevera", &DatosContrato::nevera},
                {"Cocina", &DatosContrato::cocina},
                {"Televisión", &DatosContrato::television}};

}  // namespace

CContratosDlg::CContratosDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno)
    : QDialog(parent), m_db(db), m_entorno(std::move(entorno))
{
    setWindowTitle(kTitulo);
    try {
        m_datos = AbrirContrato(db, refInmueble, m_entorno.ajustes.impuestos);
        m_preparado = true;
    } catch (const std::exception& e) {
        m_error = TextoError(e);
    }

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addWidget(CrearOpciones());
    cuerpo->addWidget(CrearPagos());
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    m_botones << aceptar << cancelar;
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(aceptar);
    abajo->addWidget(cancelar);
    FormularioDesplazable(this, cuerpo, abajo);
    connect(aceptar, &QPushButton::clicked, this, &CContratosDlg::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : m_botones)
        b->setAutoDefault(false);
    OrdenLectura(this);
    Mostrar();
}

QWidget* CContratosDlg::CrearOpciones()
{
    auto* w = new QWidget(this);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);

    auto* equipo = new QGroupBox(QStringLiteral("Equipamiento"), w);
    auto* ge = new QGridLayout(equipo);
    for (size_t i = 0; i < m_equipo.size(); ++i) {
        m_equipo[i] = new QCheckBox(QString::fromUtf8(kEquipos[i].texto), equipo);
        ge->addWidget(m_equipo[i], int(i) / 3, int(i) % 3);
    }
    m_otroEquipo = new QLineEdit(equipo);
    ge->addWidget(new QLabel(QStringLiteral("Otro equipamiento"), equipo), 2, 0);
    ge->addWidget(m_otroEquipo, 2, 1, 1, 2);
    l->addWidget(equipo);

    // Duration and occupants: "-" and "+" beside a read-only text.
    auto fila = [this, w, l](const QString& titulo, QLineEdit*& texto, const QString& sufijo,
                             std::function<void(bool)> paso) {
        auto* h = new QHBoxLayout;
        h->addWidget(new QLabel(titulo, w));
        texto = Lectura(w);
        h->addWidget(texto, 1);
        for (bool mas : {false, true}) {
            auto* b = new QPushButton(mas ? QStringLiteral("+") : QStringLiteral("-"), w);
            b->setObjectName(titulo + (mas ? QStringLiteral("+") : QStringLiteral("-")));
            b->setFixedWidth(32);
            connect(b, &QPushButton::clicked, this, [this, paso, mas] { paso(mas); Mostrar(); });
            h->addWidget(b);
        }
        if (!sufijo.isEmpty())
            h->addWidget(new QLabel(sufijo, w));
        l->addLayout(h);
    };
    fila(QStringLiteral("Duración"), m_duracion, QString(),
         [this](bool mas) { m_datos.meses = CambiarMeses(m_datos.meses, mas); });
    fila(QStringLiteral("Ocupantes"), m_ocupantes, QStringLiteral("Personas"),
         [this](bool mas) { m_datos.ocupantes = CambiarOcupantes(m_datos.ocupantes, mas); });

    auto* pago = new QGroupBox(QStringLiteral("Forma Pago Rentas"), w);
    auto* gp = new QVBoxLayout(pago);
    const QString textos[3] = {QStringLiteral("Cobro rentas por domiciliación bancaria"),
                               QStringLiteral("Pago rentas en el domicilio del arrendador"),
                               QStringLiteral("Ingreso rentas en cuenta del arrendador")};
    for (int i = 0; i < 3; ++i) {
        m_formaPago[i] = new QRadioButton(textos[i], pago);
        gp->addWidget(m_formaPago[i]);
    }
    l->addWidget(pago);

    auto* aval = new QGroupBox(QStringLiteral("Aval"), w);
    auto* ga = new QGridLayout(aval);
    m_avalNumero = new QLineEdit(aval);
    m_avalBanco = new QLineEdit(aval);
    ga->addWidget(new QLabel(QStringLiteral("Número registro especial de avales"), aval), 0, 0);
    ga->addWidget(m_avalNumero, 0, 1);
    ga->addWidget(new QLabel(QStringLiteral("Banco o Caja"), aval), 1, 0);
    ga->addWidget(m_avalBanco, 1, 1);
    l->addWidget(aval);
    l->addStretch();

    const DatosContrato& d = m_datos;
    for (size_t i = 0; i < m_equipo.size(); ++i)
        m_equipo[i]->setChecked(d.*kEquipos[i].campo);
    m_formaPago[qBound(0, d.formaPago, 2)]->setChecked(true);
    return w;
}

QWidget* CContratosDlg::CrearPagos()
{
    auto* w = new QWidget(this);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGroupBox(w);
    auto* g = new QGridLayout(grid);
    g->addWidget(new QLabel(QStringLiteral("Concepto"), grid), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Importe"), grid), 0, 1);
    m_etiquetaFianza = Lectura(grid, 260);
    m_fianza = Lectura(grid, 100);
    g->addWidget(m_etiquetaFianza, 1, 0);
    g->addWidget(m_fianza, 1, 1);
    for (int f = 0; f < 4; ++f) {
        m_casillas[f] = new QCheckBox(grid);
        m_importes[f] = Lectura(grid, 100);
        m_importes[f]->setAlignment(Qt::AlignRight);
        g->addWidget(m_casillas[f], f + 2, 0);
        g->addWidget(m_importes[f], f + 2, 1);
        connect(m_casillas[f], &QCheckBox::clicked, this, [this, f](bool marcada) {
            MarcarFila(m_datos, f + 1, marcada);
            Mostrar();
        });
    }
    m_total = Lectura(grid, 100);
    m_fianza->setAlignment(Qt::AlignRight);
    m_total->setAlignment(Qt::AlignRight);
    g->addWidget(new QLabel(QStringLiteral("TOTAL"), grid), 6, 0, Qt::AlignRight);
    g->addWidget(m_total, 6, 1);
    l->addWidget(grid);

    auto boton = [this, w, l](const QString& texto) {
        auto* b = new QPushButton(texto, w);
        m_botones << b;
        l->addWidget(b);
        return b;
    };
    auto* fianza = boton(QStringLiteral("Meses de fianza"));
    m_otrosConceptos = new QCheckBox(QStringLiteral("Poner además de la renta otros conceptos en el contrato"), w);
    l->addWidget(m_otrosConceptos);
    auto* avanzadas = boton(QStringLiteral("Opciones avanzadas"));
    auto* ver = boton(QStringLiteral("Ver/Modificar Contrato\n Vivienda (Antiguo) "));
    auto* modelo = boton(QStringLiteral("Cargar Modelo \n Viviendas, Local, y Plaza"));
    auto* imprimir = boton(QStringLiteral("Imprimir contrato"));
    imprimir->hide();
    l->addStretch();

    ver->setEnabled(m_preparado && bool(m_entorno.editarTexto));
    imprimir->setEnabled(m_preparado && bool(m_entorno.imprimirTexto));
    for (QPushButton* b : {fianza, avanzadas, modelo})
        b->setEnabled(m_preparado);
    connect(fianza, &QPushButton::clicked, this, [this] { CambiarMesesFianza(m_datos); Mostrar(); });
    connect(m_otrosConceptos, &QCheckBox::clicked, this, [this](bool si) { PonerOtrosConceptos(m_datos, si); Mostrar(); });
    connect(avanzadas, &QPushButton::clicked, this, &CContratosDlg::OpcionesAvanzadas);
    connect(ver, &QPushButton::clicked, this, &CContratosDlg::VerContrato);
    connect(modelo, &QPushButton::clicked, this, &CContratosDlg::ElegirModelo);
    connect(imprimir, &QPushButton::clicked, this, &CContratosDlg::ImprimirContrato);
    return w;
}

QPushButton* CContratosDlg::Boton(const QString& texto) const
{
    return BotonConTexto(m_botones, texto);
}

int CContratosDlg::exec()
{
    if (!m_preparado) {
        QMessageBox::critical(parentWidget(), kTitulo, m_error);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CContratosDlg::LeerFormulario()
{
    DatosContrato& d = m_datos;
    for (size_t i = 0; i < m_equipo.size(); ++i)
        d.*kEquipos[i].campo = m_equipo[i]->isChecked();
    d.otroEquipamiento = m_otroEquipo->text().trimmed();
    for (int i = 0; i < 3; ++i)
        if (m_formaPago[i]->isChecked())
            d.formaPago = i;
    d.avalNumero = m_avalNumero->text().trimmed();
    d.avalBanco = m_avalBanco->text().trimmed();
}

void CContratosDlg::Mostrar()
{
    const DatosContrato& d = m_datos;
    m_duracion->setText(DuracionEnLetras(d.meses).trimmed());
    m_ocupantes->setText(TextoOcupantes(d.ocupantes));
    m_etiquetaFianza->setText(EtiquetaFianza(d));
    m_fianza->setText(MonedaATexto(d.fianza));
    for (int f = 0; f < 4; ++f) {
        m_casillas[f]->setText(m_preparado ? EtiquetaFila(d, f + 1) : QString());
        m_casillas[f]->setChecked(d.marcadas[f]);
        m_importes[f]->setText(MonedaATexto(d.filas[f]));
    }
    m_otrosConceptos->setChecked(d.otrosConceptos);
    m_total->setText(MonedaATexto(TotalContrato(d)));
}

void CContratosDlg::VerContrato()
{
    if (!m_preparado || !m_entorno.editarTexto)
        return;
    CAvisoDlg(this, Aviso::ContratoPapel).Mostrar();
    LeerFormulario();
    QString texto = TextoContratoVivienda(m_datos);
    m_entorno.editarTexto(this, texto);
}

void CContratosDlg::ImprimirContrato()
{
    if (!m_preparado || !m_entorno.imprimirTexto)
        return;
    LeerFormulario();
    CImpresorTexto impresor(TextoContratoVivienda(m_datos), kTitulo, true);
    impresor.PonerAltoLetra(m_entorno.ajustes.alto_letra);
    m_entorno.imprimirTexto(this, impresor);
}

void CContratosDlg::ElegirModelo()
{
    CAvisoDlg(this, Aviso::ContratoPapel).Mostrar();
    const QString ruta = QFileDialog::getOpenFileName(
        this, QStringLiteral("Cargar modelo de contrato"), m_entorno.carpeta,
        QStringLiteral("Texto Enriquecido (*.rtf);;Todos los archivos (*)"));
    if (!ruta.isEmpty())
        CargarModelo(ruta);
}

QString CContratosDlg::CargarModelo(const QString& modelo)
{
    if (!m_preparado)
        return {};
    LeerFormulario();
    QString destino;
    try {
        const QByteArray datos = RellenarModelo(LeerArchivoDocumento(modelo), m_datos);
        destino = RutaDocumentoNueva(m_entorno.carpeta, NombreContrato(m_entorno.hoy), QStringLiteral("rtf"));
        EscribirArchivoDocumento(destino, datos);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
        return {};
    }
    if (m_entorno.abrir && !m_entorno.abrir(destino))
        QMessageBox::warning(this, kTitulo,
                             QStringLiteral("El contrato se ha guardado en %1, pero no se ha podido abrir: "
                                            "ábralo con su procesador de textos.").arg(destino));
    return destino;
}

void CContratosDlg::OpcionesAvanzadas()
{
    if (!m_preparado)
        return;
    QStringList propietarios;
    try {
        propietarios = NombresPropietariosEnTabla(m_db);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
        return;
    }
    CInfoAvanzadaContratoDlg dlg(this, propietarios, m_datos.representante.nombre, m_datos.coarrendatarios);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_datos.coarrendatarios = dlg.Coarrendatarios();
    m_datos.numCoarrendatarios = CompactarCoarrendatarios(m_datos.coarrendatarios);
    try {
        PonerRepresentante(m_db, m_datos, dlg.Representante());
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
    }
}

void CContratosDlg::accept()
{
    if (!m_preparado || m_datos.filas[0].EsCero()) {
        QDialog::accept();
        return;
    }
    LeerFormulario();
    if (QMessageBox::question(this, kTitulo, PreguntaPrimerPago(m_datos), QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes) {
        QDialog::accept();
        return;
    }
    qint64 ref = 0;
    try {
        ref = GrabarPrimerPago(m_db, m_datos).ref;
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
    }
    // The receipt is stored; its form only corrects it before it is written back.
    if (ref > 0)
        EditarRecibo(this, m_db, ref);
    QDialog::accept();
}
