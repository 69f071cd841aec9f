#include "documents/carta_aumento_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "documents/impresor_texto.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/aviso_dlg.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Carta Aumento");

QLineEdit* Importe(QWidget* padre, bool soloLectura)
{
    auto* e = new QLineEdit(padre);
    e->setReadOnly(soloLectura);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(130);
    if (soloLectura)
        e->setFocusPolicy(Qt::NoFocus);
    return e;
}

std::array<Moneda*, 6> Importes(ImportesRecibo& i)
{
    return {&i.renta, &i.otro_importe1, &i.otro_importe2, &i.otro_importe3, &i.iva, &i.irpf};
}

}  // namespace

CCartaAumentoDlg::CCartaAumentoDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno)
    : CCartaDlg(parent, db, refInmueble, std::move(entorno), kTitulo), m_db(db), m_ref(refInmueble)
{
    if (m_preparado)
        m_aumento = AbrirAumento(m_apertura.datos);
    const AjustesImpuestos& impuestos = m_entorno.ajustes.impuestos;

    auto* arriba = new QGridLayout;
    m_indice = new QLineEdit(m_aumento.indice.texto, this);
    m_indice->setObjectName(QStringLiteral("ipc"));
    m_indice->setMaximumWidth(130);
    auto* instituto = new QPushButton(QStringLiteral("Instituto Nacional de Estadística"), this);
    auto* fecha = new QLineEdit(FechaCorta(m_apertura.datos.fecha), this);
    fecha->setReadOnly(true);
    fecha->setFocusPolicy(Qt::NoFocus);
    fecha->setMaximumWidth(130);
    arriba->addWidget(new QLabel(QStringLiteral("I.P.C."), this), 0, 0);
    arriba->addWidget(m_indice, 0, 1);
    arriba->addWidget(instituto, 0, 2);
    arriba->addWidget(new QLabel(QStringLiteral("Fecha contrato"), this), 1, 0);
    arriba->addWidget(fecha, 1, 1);

    auto* alquiler = new QGroupBox(QStringLiteral("Alquiler"), this);
    auto* g = new QGridLayout(alquiler);
    g->addWidget(new QLabel(QStringLiteral("Antigua"), alquiler), 0, 1, Qt::AlignHCenter);
    g->addWidget(new QLabel(QStringLiteral("Nueva"), alquiler), 0, 2, Qt::AlignHCenter);
    const std::vector<FilaAumento> filas = FilasAumento(m_apertura.datos, m_aumento, impuestos, false);
    m_iva = new QCheckBox(impuestos.nombre1, alquiler);
    m_irpf = new QCheckBox(impuestos.nombre2, alquiler);
    for (int f = 0; f < 6; ++f) {
        QWidget* rotulo = f == 4 ? static_cast<QWidget*>(m_iva)
                        : f == 5 ? static_cast<QWidget*>(m_irpf)
                                 : new QLabel(filas[size_t(f)].concepto, alquiler);
        QLineEdit* antiguo = Importe(alquiler, true);
        antiguo->setText(MonedaATexto(filas[size_t(f)].antiguo));
        m_nuevos[size_t(f)] = Importe(alquiler, false);
        g->addWidget(rotulo, f + 1, 0);
        g->addWidget(antiguo, f + 1, 1);
        g->addWidget(m_nuevos[size_t(f)], f + 1, 2);
        connect(m_nuevos[size_t(f)], &QLineEdit::editingFinished, this, &CCartaAumentoDlg::NuevosEditados);
    }
    QLineEdit* totalAntiguo = Importe(alquiler, true);
    totalAntiguo->setText(m_preparado ? MonedaATexto(m_aumento.antiguo.Total()) : QString());
    m_totalNuevo = Importe(alquiler, true);
    g->addWidget(new QLabel(QStringLiteral("TOTAL"), alquiler), 7, 0);
    g->addWidget(totalAntiguo, 7, 1);
    g->addWidget(m_totalNuevo, 7, 2);

    auto* botones = new QGridLayout;
    const auto boton = [this, botones](const QString& texto, int fila, int columna) {
        auto* b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        m_botones << b;
        botones->addWidget(b, fila, columna);
        return b;
    };
    QPushButton* imprimir = boton(QStringLiteral("Imprimir Carta Aumento"), 0, 0);
    QPushButton* ver = boton(QStringLiteral("Ver Carta Aumento"), 0, 1);
    QPushButton* confirmar = boton(QStringLiteral("Confirmar Actualizar Inmueble"), 1, 0);
    QPushButton* salir = boton(QStringLiteral("Salir"), 1, 1);
    m_botones << instituto;
    instituto->setAutoDefault(false);

    auto* l = new QVBoxLayout(this);
    l->addLayout(arriba);
    l->addWidget(alquiler);
    l->addLayout(botones);

    imprimir->setEnabled(m_preparado && bool(m_entorno.imprimirTexto));
    ver->setEnabled(m_preparado && bool(m_entorno.editarTexto));
    confirmar->setEnabled(m_preparado);
    instituto->setEnabled(bool(m_entorno.abrirDireccion));
    connect(m_indice, &QLineEdit::textChanged, this, &CCartaAumentoDlg::IndiceCambiado);
    // While typing the text stays as typed ("3," must stay to become "3,45"); left, it reads
    // as the index it is.
    connect(m_indice, &QLineEdit::editingFinished, this,
            [this] { m_indice->setText(LeerIndiceIpc(m_indice->text()).texto); });
    connect(m_iva, &QCheckBox::clicked, this, [this](bool si) { ImpuestoPulsado(1, si); });
    connect(m_irpf, &QCheckBox::clicked, this, [this](bool si) { ImpuestoPulsado(2, si); });
    connect(instituto, &QPushButton::clicked, this, [this] { m_entorno.abrirDireccion(kPaginaActualizacionRentas); });
    connect(imprimir, &QPushButton::clicked, this, &CCartaAumentoDlg::ImprimirCarta);
    connect(ver, &QPushButton::clicked, this, &CCartaAumentoDlg::VerCarta);
    connect(confirmar, &QPushButton::clicked, this, &CCartaAumentoDlg::Confirmar);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    MostrarNuevos();
    OrdenLectura(this);
}

void CCartaAumentoDlg::IndiceCambiado(const QString& texto)
{
    if (!m_preparado)
        return;
    try {
        AplicarIndice(m_aumento, LeerIndiceIpc(texto), m_entorno.ajustes.impuestos);
        m_errorIndice.clear();
    } catch (const std::exception& e) {
        m_errorIndice = TextoError(e);
    }
    MostrarNuevos();
}

void CCartaAumentoDlg::ImpuestoPulsado(int tipo, bool marcado)
{
    if (!LeerNuevos(true)) {
        MostrarNuevos();   // the box goes back as it was
        return;
    }
    try {
        MarcarImpuesto(m_aumento, tipo, marcado, m_entorno.ajustes.impuestos);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
    MostrarNuevos();
}

void CCartaAumentoDlg::NuevosEditados()
{
    // A text that is no amount stays for correction; the buttons say what is wrong with it.
    if (LeerNuevos(false))
        MostrarNuevos();
}

bool CCartaAumentoDlg::LeerNuevos(bool avisar)
{
    if (!m_preparado)
        return false;
    if (!m_errorIndice.isEmpty()) {
        if (avisar)
            QMessageBox::warning(this, kTitulo, m_errorIndice + QStringLiteral(" Escriba un índice menor."));
        return false;
    }
    const std::vector<FilaAumento> filas = FilasAumento(m_apertura.datos, m_aumento, m_entorno.ajustes.impuestos, false);
    Aumento copia = m_aumento;
    for (int f = 0; f < 6; ++f) {
        const QString t = m_nuevos[size_t(f)]->text().trimmed();
        bool ok = true;
        const Moneda m = t.isEmpty() ? Moneda() : TextoAMoneda(t, &ok);
        if (!ok) {
            if (avisar) {
                QMessageBox::warning(this, kTitulo,
                                     QStringLiteral("El importe nuevo de «%1» no es válido: «%2». Escríbalo como 1.234,56.")
                                         .arg(filas[size_t(f)].concepto, t));
                m_nuevos[size_t(f)]->setFocus();
            }
            return false;
        }
        *Importes(copia.nuevo)[size_t(f)] = m;
    }
    m_aumento = copia;
    RedondearNuevos(m_aumento);
    return true;
}

void CCartaAumentoDlg::MostrarNuevos()
{
    const bool hay = m_preparado && m_errorIndice.isEmpty();
    const auto importes = Importes(m_aumento.nuevo);
    for (int f = 0; f < 6; ++f)
        m_nuevos[size_t(f)]->setText(hay ? MonedaATexto(*importes[size_t(f)]) : QString());
    QString total;
    if (hay) {
        try {
            total = MonedaATexto(m_aumento.nuevo.Total());
        } catch (const std::exception&) {
            // amounts typed too large to add: the buttons refuse them
        }
    }
    m_totalNuevo->setText(total);
    m_iva->setChecked(m_aumento.conIva);
    m_irpf->setChecked(m_aumento.conIrpf);
}

void CCartaAumentoDlg::VerCarta()
{
    if (!m_entorno.editarTexto || !LeerNuevos(true))
        return;
    CAvisoDlg(this, Aviso::ContratoPapel).Mostrar();
    try {
        QString texto = TextoCartaAumento(m_apertura.datos, m_aumento, m_entorno.ajustes.impuestos);
        m_entorno.editarTexto(this, texto);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
}

void CCartaAumentoDlg::ImprimirCarta()
{
    if (!m_entorno.imprimirTexto || !LeerNuevos(true))
        return;
    CAvisoDlg(this, Aviso::ContratoPapel).Mostrar();
    try {
        CImpresorTexto impresor(TextoCartaAumento(m_apertura.datos, m_aumento, m_entorno.ajustes.impuestos), kTitulo, false);
        impresor.PonerAltoLetra(m_entorno.ajustes.alto_letra);
        m_entorno.imprimirTexto(this, impresor);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
}

void CCartaAumentoDlg::Confirmar()
{
    if (!LeerNuevos(true))
        return;
    try {
        ConfirmarAumento(m_db, m_ref, m_aumento, m_entorno.hoy);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
        return;
    }
    accept();
}

bool AbrirCartaAumento(QWidget* parent, Database& db, qint64 refInmueble)
{
    CCartaAumentoDlg dlg(parent, db, refInmueble, EntornoDocumentosPorDefecto());
    return dlg.exec() == QDialog::Accepted;
}
