#include "documents/carta_requerimiento_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "documents/impresor_texto.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Carta Requerimiento");

QLineEdit* Importe(QWidget* padre)
{
    auto* e = new QLineEdit(padre);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(130);
    return e;
}

// An amount field: empty is 0.
bool LeerImporte(const QLineEdit* e, Moneda& m)
{
    const QString t = e->text().trimmed();
    bool ok = true;
    m = t.isEmpty() ? Moneda() : TextoAMoneda(t, &ok);
    return ok;
}

}  // namespace

CCartaRequerimientoDlg::CCartaRequerimientoDlg(QWidget* parent, Database& db, qint64 refInmueble,
                                               EntornoDocumentos entorno)
    : CCartaDlg(parent, db, refInmueble, std::move(entorno), kTitulo)
{
    m_requerimiento = AbrirRequerimiento(m_entorno.hoy);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Seleccione los conceptos adeudados"), this), 0, 0, 1, 2);
    for (int i = 0; i < 6; ++i) {
        m_meses[size_t(i)] = new QCheckBox(RotuloMes(m_requerimiento.meses[size_t(i)].mes), this);
        m_importesMes[size_t(i)] = Importe(this);
        g->addWidget(m_meses[size_t(i)], i + 1, 0);
        g->addWidget(m_importesMes[size_t(i)], i + 1, 1);
        connect(m_meses[size_t(i)], &QCheckBox::clicked, this, [this, i](bool si) { MesPulsado(i, si); });
        connect(m_importesMes[size_t(i)], &QLineEdit::textEdited, this, &CCartaRequerimientoDlg::MostrarTotal);
    }
    for (int i = 0; i < 4; ++i) {
        m_conceptos[size_t(i)] = new QLineEdit(this);
        m_conceptos[size_t(i)]->setObjectName(QStringLiteral("concepto%1").arg(i + 1));
        m_importesConcepto[size_t(i)] = Importe(this);
        g->addWidget(m_conceptos[size_t(i)], i + 7, 0);
        g->addWidget(m_importesConcepto[size_t(i)], i + 7, 1);
        connect(m_importesConcepto[size_t(i)], &QLineEdit::textEdited, this, &CCartaRequerimientoDlg::MostrarTotal);
    }
    m_total = Importe(this);
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    g->addWidget(new QLabel(QStringLiteral("Total"), this), 11, 0, Qt::AlignRight);
    g->addWidget(m_total, 11, 1);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    for (const char* texto : {"Ver", "Imprimir", "Salir"}) {
        auto* b = new QPushButton(QString::fromUtf8(texto), this);
        b->setAutoDefault(false);
        botones->addWidget(b);
        m_botones << b;
    }
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addLayout(botones);
    Boton(QStringLiteral("Ver"))->setEnabled(m_preparado && bool(m_entorno.editarTexto));
    Boton(QStringLiteral("Imprimir"))->setEnabled(m_preparado && bool(m_entorno.imprimirTexto));
    connect(Boton(QStringLiteral("Ver")), &QPushButton::clicked, this, &CCartaRequerimientoDlg::Ver);
    connect(Boton(QStringLiteral("Imprimir")), &QPushButton::clicked, this, &CCartaRequerimientoDlg::Imprimir);
    connect(Boton(QStringLiteral("Salir")), &QPushButton::clicked, this, &QDialog::reject);
    MostrarTotal();
    OrdenLectura(this);
}

bool CCartaRequerimientoDlg::LeerFormulario(Requerimiento& r, bool avisar)
{
    r = m_requerimiento;
    const auto leer = [this, avisar](const QLineEdit* e, Moneda& m, const QString& campo) {
        if (LeerImporte(e, m))
            return true;
        if (avisar)
            QMessageBox::warning(this, kTitulo,
                                 QStringLiteral("El importe de «%1» no es válido: «%2». Escríbalo como 1.234,56.")
                                     .arg(campo, e->text().trimmed()));
        return false;
    };
    for (int i = 0; i < 6; ++i) {
        MesReclamado& m = r.meses[size_t(i)];
        m.marcado = m_meses[size_t(i)]->isChecked();
        if (!leer(m_importesMes[size_t(i)], m.importe, m_meses[size_t(i)]->text()))
            return false;
    }
    for (int i = 0; i < 4; ++i) {
        ConceptoReclamado& c = r.conceptos[size_t(i)];
        c.concepto = m_conceptos[size_t(i)]->text().trimmed();
        if (!leer(m_importesConcepto[size_t(i)], c.importe,
                  c.concepto.isEmpty() ? QStringLiteral("Concepto %1").arg(i + 1) : c.concepto))
            return false;
    }
    try {
        static_cast<void>(TotalRequerimiento(r));
    } catch (const std::exception& e) {
        if (avisar)
            QMessageBox::warning(this, kTitulo, TextoError(e));
        return false;
    }
    return true;
}

void CCartaRequerimientoDlg::MesPulsado(int i, bool marcado)
{
    Requerimiento r;
    if (LeerFormulario(r, false))
        m_requerimiento = r;
    MarcarMes(m_requerimiento, i, marcado, m_apertura.datos.importes.Total());
    m_importesMes[size_t(i)]->setText(MonedaATexto(m_requerimiento.meses[size_t(i)].importe));
    MostrarTotal();
}

void CCartaRequerimientoDlg::MostrarTotal()
{
    Requerimiento r;
    m_total->setText(LeerFormulario(r, false) ? MonedaATexto(TotalRequerimiento(r)) : QString());
}

bool CCartaRequerimientoDlg::Texto(QString& texto)
{
    Requerimiento r;
    if (!m_preparado || !LeerFormulario(r, true))
        return false;
    m_requerimiento = r;
    texto = TextoCartaRequerimiento(m_apertura.datos, r);
    return true;
}

void CCartaRequerimientoDlg::Ver()
{
    QString texto;
    if (m_entorno.editarTexto && Texto(texto))
        m_entorno.editarTexto(this, texto);
}

void CCartaRequerimientoDlg::Imprimir()
{
    QString texto;
    if (!m_entorno.imprimirTexto || !Texto(texto))
        return;
    CImpresorTexto impresor(texto, QStringLiteral("Carta requerimiento rentas, "), true);
    impresor.PonerAltoLetra(m_entorno.ajustes.alto_letra);
    m_entorno.imprimirTexto(this, impresor);
}
