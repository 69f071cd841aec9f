#include "billing/recibo_manual_dlg.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "receipts/imprimir_recibo_dlg.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/aviso_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Recibo");

QLineEdit* Texto(QWidget* padre, const char* nombre, int maximo = 50)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setMaxLength(maximo);
    return e;
}

}  // namespace

CReciboManualDlg::CReciboManualDlg(const AjustesRecibo& ajustes, QWidget* parent) : QDialog(parent), m_ajustes(ajustes)
{
    setWindowTitle(kTitulo);
    // A receipt typed by hand is due on sight.
    m_ajustes.vencimiento = ReglaVencimiento{};
    m_numero = Texto(this, "numero", 20);
    m_localidad = Texto(this, "localidad");
    m_total = Texto(this, "importe", 20);
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAlignment(Qt::AlignRight);
    m_fecha = new QDateEdit(QDate::currentDate(), this);
    m_fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_fecha->setCalendarPopup(true);
    m_direccion = Texto(this, "direccion");
    m_piso = Texto(this, "piso");

    auto* cabecera = new QFormLayout;
    cabecera->addRow(QStringLiteral("Número"), m_numero);
    cabecera->addRow(QStringLiteral("Localidad"), m_localidad);
    cabecera->addRow(QStringLiteral("Importe"), m_total);
    cabecera->addRow(QStringLiteral("Fecha"), m_fecha);
    cabecera->addRow(QStringLiteral("Dirección"), m_direccion);
    cabecera->addRow(QStringLiteral("Piso"), m_piso);

    auto* importes = new QGroupBox(this);
    auto* g = new QGridLayout(importes);
    for (int i = 0; i < 6; ++i) {
        m_importes[i] = Texto(this, "", 20);
        m_importes[i]->setObjectName(QStringLiteral("importe%1").arg(i));
        m_importes[i]->setAlignment(Qt::AlignRight);
        connect(m_importes[i], &QLineEdit::editingFinished, this, &CReciboManualDlg::ActualizarTotal);
    }
    g->addWidget(new QLabel(QStringLiteral("Renta mes en curso"), this), 0, 0);
    g->addWidget(m_importes[0], 0, 1);
    for (int i = 0; i < 3; ++i) {
        m_conceptos[i] = Texto(this, "", 50);
        m_conceptos[i]->setObjectName(QStringLiteral("concepto%1").arg(i + 1));
        g->addWidget(m_conceptos[i], 1 + i, 0);
        g->addWidget(m_importes[1 + i], 1 + i, 1);
    }
    g->addWidget(new QLabel(ajustes.impuestos.nombre1, this), 4, 0);
    g->addWidget(m_importes[4], 4, 1);
    g->addWidget(new QLabel(ajustes.impuestos.nombre2, this), 5, 0);
    g->addWidget(m_importes[5], 5, 1);

    auto* personas = new QGroupBox(this);
    auto* p = new QGridLayout(personas);
    m_arrendatario = Texto(this, "arrendatario");
    m_docArrendatario = Texto(this, "doc_arrendatario", 35);
    m_arrendador = Texto(this, "arrendador");
    m_docArrendador = Texto(this, "doc_arrendador", 35);
    p->addWidget(new QLabel(QStringLiteral("Nombre"), this), 0, 1);
    p->addWidget(new QLabel(QStringLiteral("Documento"), this), 0, 2);
    p->addWidget(new QLabel(QStringLiteral("Arrendatario"), this), 1, 0);
    p->addWidget(m_arrendatario, 1, 1);
    p->addWidget(m_docArrendatario, 1, 2);
    p->addWidget(new QLabel(QStringLiteral("Arrendador"), this), 2, 0);
    p->addWidget(m_arrendador, 2, 1);
    p->addWidget(m_docArrendador, 2, 2);

    auto* botones = new QDialogButtonBox(this);
    auto* imprimir = botones->addButton(QStringLiteral("&Imprimir"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Salir"), QDialogButtonBox::RejectRole);
    connect(imprimir, &QPushButton::clicked, this, [this] { Imprimir(); });
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* todo = new QVBoxLayout;
    todo->addLayout(cabecera);
    todo->addWidget(importes);
    todo->addWidget(personas);
    todo->addWidget(new QLabel(QStringLiteral("Vencimiento: A LA VISTA"), this));
    FormularioDesplazable(this, todo, botones);
    ActualizarTotal();
    OrdenLectura(this);
}

QLineEdit* CReciboManualDlg::Campo(const QString& nombre) const
{
    return findChild<QLineEdit*>(nombre);
}

QString CReciboManualDlg::Leer(CImpresionRecibo& r) const
{
    r = CImpresionRecibo(m_ajustes);
    const QString malo =
        LeerImportes(m_importes, {&r.renta, &r.otro_importe1, &r.otro_importe2, &r.otro_importe3, &r.iva, &r.irpf});
    if (!malo.isEmpty())
        return QStringLiteral("El importe \"%1\" no es una cantidad válida: escríbalo como 1.234,56.").arg(malo);
    // The withholding is stored and drawn negative, however it was typed.
    if (r.irpf > Moneda())
        r.irpf = Moneda() - r.irpf;
    r.otro_concepto1 = m_conceptos[0]->text();
    r.otro_concepto2 = m_conceptos[1]->text();
    r.otro_concepto3 = m_conceptos[2]->text();
    r.texto_numero = m_numero->text().trimmed();
    r.localidad = m_localidad->text();
    r.fecha_emision = m_fecha->date();
    r.direccion = m_direccion->text();
    r.piso = m_piso->text();
    r.nom_arrendatario = m_arrendatario->text();
    r.doc_arrendatario = m_docArrendatario->text();
    r.arrendador = m_arrendador->text();
    r.doc_arrendador = m_docArrendador->text();
    r.modelo_impresion = 1;
    return ErrorSumaImportes(r);
}

void CReciboManualDlg::ActualizarTotal()
{
    CImpresionRecibo r(m_ajustes);
    m_total->setText(Leer(r).isEmpty() ? MonedaATexto(r.Total()) : QString());
}

void CReciboManualDlg::Imprimir(QPrinter* impresora)
{
    CImpresionRecibo r(m_ajustes);
    const QString error = Leer(r);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, kTitulo, error);
        return;
    }
    ActualizarTotal();
    if (ImprimirRecibo(this, r, impresora))
        CAvisoDlg(this, Aviso::RecibosGenerar).Mostrar();
}
