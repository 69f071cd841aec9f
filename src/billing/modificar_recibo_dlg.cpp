#include "billing/modificar_recibo_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "data/database.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "receipts/llenar_recibo.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/campos_dlg.h"
#include "widgets/campos_widget.h"
#include "widgets/disposicion.h"
#include "widgets/ficha_dlg.h"

namespace {

const QString kTitulo = QStringLiteral("Modificar Recibo");

QLineEdit* Campo(QWidget* parent, int max = 0, bool soloLectura = false)
{
    auto* e = new QLineEdit(parent);
    if (max > 0)
        e->setMaxLength(max);
    e->setReadOnly(soloLectura);
    return e;
}

}  // namespace

CModificarReciboDlg::CModificarReciboDlg(QWidget* parent, Database& db, qint64 ref)
    : QDialog(parent), m_db(db), m_recibo(LeerReciboEmision(db, ref))
{
    setWindowTitle(kTitulo);
    m_direccion = Campo(this, 50, true);
    m_piso = Campo(this, 50, true);
    m_propietario = Campo(this, 50, true);
    m_inquilino = Campo(this, 50, true);
    m_docTipo = new QComboBox(this);
    m_docTipo->addItems({"N.I.E.", "N.I.F.", "PASAPORTE", "C.I.F.", "D.N.I.", "OTRO"});
    m_docNum = Campo(this, 35);
    m_codref = Campo(this, 12);
    m_numero = Campo(this, 0, true);
    m_fechaCobro = Campo(this, 0, true);
    m_fechaFacturacion = Campo(this, 0, true);
    m_numerar = new QCheckBox(QStringLiteral("Numerar Recibo"), this);
    m_numerar->setEnabled(false);
    m_reciboBanco = new QCheckBox(QStringLiteral("Recibo Banco"), this);
    m_reciboFisico = new QCheckBox(QStringLiteral("Recibo Físico"), this);
    m_notas = new QPlainTextEdit(this);
    m_notas->setMaximumHeight(60);
    m_notas->setTabChangesFocus(true);    // Tab moves on, as in every other field
    m_banco = Campo(this, 4);
    m_sucursal = Campo(this, 4);
    m_dc = Campo(this, 2);
    m_ccc = Campo(this, 10);
    for (QLineEdit* e : {m_banco, m_sucursal, m_dc, m_ccc})
        campos::AnchoDeCodigo(e, e->maxLength());
    for (auto*& e : m_importes) {
        e = Campo(this, 20);
        e->setAlignment(Qt::AlignRight);
        connect(e, &QLineEdit::textEdited, this, &CModificarReciboDlg::MostrarTotal);
    }
    for (auto*& e : m_conceptos)
        e = Campo(this, 50);
    m_total = new QLabel(this);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* datos = new QGridLayout;
    int f = 0;
    datos->addWidget(new QLabel(QStringLiteral("Dirección")), f, 0);
    datos->addWidget(m_direccion, f, 1, 1, 3);
    datos->addWidget(new QLabel(QStringLiteral("Piso")), f, 4);
    datos->addWidget(m_piso, f++, 5);
    datos->addWidget(new QLabel(QStringLiteral("Propietario")), f, 0);
    datos->addWidget(m_propietario, f, 1, 1, 3);
    datos->addWidget(new QLabel(QStringLiteral("Referencia")), f, 4);
    datos->addWidget(m_codref, f++, 5);
    datos->addWidget(new QLabel(QStringLiteral("Inquilino")), f, 0);
    datos->addWidget(m_inquilino, f, 1, 1, 3);
    datos->addWidget(new QLabel(QStringLiteral("Número Recibo")), f, 4);
    datos->addWidget(m_numero, f++, 5);
    datos->addWidget(new QLabel(QStringLiteral("Documento")), f, 0);
    datos->addWidget(m_docTipo, f, 1);
    datos->addWidget(m_docNum, f, 2, 1, 2);
    datos->addWidget(new QLabel(QStringLiteral("Fecha Facturación")), f, 4);
    datos->addWidget(m_fechaFacturacion, f++, 5);
    datos->addWidget(m_numerar, f, 1);
    datos->addWidget(m_reciboBanco, f, 2);
    datos->addWidget(m_reciboFisico, f, 3);
    datos->addWidget(new QLabel(QStringLiteral("Fecha cobro")), f, 4);
    datos->addWidget(m_fechaCobro, f++, 5);
    datos->addWidget(new QLabel(QStringLiteral("Notas")), f, 0);
    datos->addWidget(m_notas, f++, 1, 1, 5);

    for (QLineEdit* e : {m_piso, m_codref, m_numero, m_fechaFacturacion, m_fechaCobro})
        e->setMinimumWidth(120);
    datos->setColumnStretch(1, 1);
    datos->setColumnStretch(2, 1);

    auto* cuenta = new QGroupBox(QStringLiteral("Datos Bancarios"), this);
    auto* lc = new QGridLayout(cuenta);
    const char* const kCuenta[] = {"Banco", "Sucursal", "DC", "Cuenta"};
    QLineEdit* const camposCuenta[] = {m_banco, m_sucursal, m_dc, m_ccc};
    for (int i = 0; i < 4; ++i) {
        lc->addWidget(new QLabel(QString::fromLatin1(kCuenta[i])), 0, i);
        lc->addWidget(camposCuenta[i], 1, i);
    }

    auto* importes = new QGroupBox(QStringLiteral("Importes"), this);
    auto* li = new QGridLayout(importes);
    li->addWidget(new QLabel(QStringLiteral("Renta")), 0, 0);
    li->addWidget(m_importes[0], 0, 2);
    for (int i = 0; i < 3; ++i) {
        li->addWidget(new QLabel(QStringLiteral("Concepto")), i + 1, 0);
        li->addWidget(m_conceptos[i], i + 1, 1);
        li->addWidget(m_importes[i + 1], i + 1, 2);
    }
    li->addWidget(new QLabel(NombreImpuesto1()), 4, 0);
    li->addWidget(m_importes[4], 4, 2);
    li->addWidget(new QLabel(NombreImpuesto2()), 5, 0);
    li->addWidget(m_importes[5], 5, 2);
    li->addWidget(new QLabel(QStringLiteral("TOTAL")), 6, 0);
    li->addWidget(m_total, 6, 2);

    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Salir"));
    QPushButton* imprimir =
        botones->addButton(QStringLiteral("Imprimir Recibo/Factura"), QDialogButtonBox::ActionRole);
    QPushButton* imprimirA4 =
        botones->addButton(QStringLiteral("Imprimir Factura tamaño A4"), QDialogButtonBox::ActionRole);
    connect(imprimir, &QPushButton::clicked, this, [this] { Imprimir(false); });
    connect(imprimirA4, &QPushButton::clicked, this, [this] { Imprimir(true); });

    auto* layout = new QVBoxLayout;
    layout->addLayout(datos);
    layout->addWidget(cuenta);
    layout->addWidget(importes);
    FormularioDesplazable(this, layout, botones);

    NormalizarReciboEmision(m_recibo);
    Mostrar();
    OrdenLectura(this);
}

void CModificarReciboDlg::Mostrar()
{
    const ReciboEmision& r = m_recibo;
    m_direccion->setText(r.direccion);
    m_piso->setText(r.piso);
    m_propietario->setText(r.arrendador);
    m_inquilino->setText(r.nom_arrendatario);
    if (m_docTipo->findText(r.doc_arrendatario_tipo) < 0 && !r.doc_arrendatario_tipo.isEmpty())
        m_docTipo->addItem(r.doc_arrendatario_tipo);
    m_docTipo->setCurrentIndex(m_docTipo->findText(r.doc_arrendatario_tipo));
    m_docNum->setText(r.doc_arrendatario_num);
    m_codref->setText(r.codref);
    m_numero->setText(QString::number(r.numero_recibo));
    m_fechaCobro->setText(FechaCorta(r.fecha_cobro.date()));
    m_fechaFacturacion->setText(FechaCorta(r.fecha_facturacion.date()));
    m_numerar->setChecked(r.is_recibo_numerar);
    m_reciboBanco->setChecked(r.is_recibo_banco);
    m_reciboFisico->setChecked(r.is_recibo_fisico);
    m_notas->setPlainText(r.notas);
    m_banco->setText(r.banco);
    m_sucursal->setText(r.sucursal);
    m_dc->setText(r.dc);
    m_ccc->setText(r.ccc);
    const Moneda importes[] = {r.importes.renta, r.importes.otro_importe1, r.importes.otro_importe2,
                               r.importes.otro_importe3, r.importes.iva, r.importes.irpf};
    for (int i = 0; i < 6; ++i)
        m_importes[i]->setText(MonedaATexto(importes[i]));
    m_conceptos[0]->setText(r.otro_concepto1);
    m_conceptos[1]->setText(r.otro_concepto2);
    m_conceptos[2]->setText(r.otro_concepto3);
    MostrarTotal();
}

void CModificarReciboDlg::MostrarTotal()
{
    ImportesRecibo i;
    Moneda* const destino[] = {&i.renta, &i.otro_importe1, &i.otro_importe2,
                               &i.otro_importe3, &i.iva, &i.irpf};
    try {
        for (int k = 0; k < 6; ++k) {
            bool ok = false;
            *destino[k] = RedondearCentimos(TextoAMoneda(m_importes[k]->text(), &ok));
            if (!ok) {
                m_total->setText(QString());
                return;
            }
        }
        m_total->setText(MonedaATexto(i.Total()));
    } catch (const std::exception&) {
        m_total->setText(QString());    // an amount too large to add up
    }
}

bool CModificarReciboDlg::Leer()
{
    ReciboEmision& r = m_recibo;
    Moneda* const destino[] = {&r.importes.renta, &r.importes.otro_importe1, &r.importes.otro_importe2,
                               &r.importes.otro_importe3, &r.importes.iva, &r.importes.irpf};
    for (int k = 0; k < 6; ++k) {
        bool ok = false;
        *destino[k] = TextoAMoneda(m_importes[k]->text(), &ok);
        if (!ok) {
            QMessageBox::warning(this, kTitulo,
                                 QStringLiteral("El importe \"%1\" no es válido; escríbalo como 1.234,56.")
                                     .arg(m_importes[k]->text()));
            m_importes[k]->setFocus();
            return false;
        }
    }
    r.doc_arrendatario_tipo = m_docTipo->currentText();
    r.doc_arrendatario_num = m_docNum->text();
    r.codref = m_codref->text();
    r.is_recibo_banco = m_reciboBanco->isChecked();
    r.is_recibo_fisico = m_reciboFisico->isChecked();
    r.notas = m_notas->toPlainText();
    LeerCuenta({m_banco, m_sucursal, m_dc, m_ccc}, r);
    r.otro_concepto1 = m_conceptos[0]->text();
    r.otro_concepto2 = m_conceptos[1]->text();
    r.otro_concepto3 = m_conceptos[2]->text();
    NormalizarReciboEmision(r);
    return true;
}

void CModificarReciboDlg::accept()
{
    if (!Leer())
        return;
    Mostrar();
    try {
        GuardarReciboEmision(m_db, m_recibo);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
        return;
    }
    QDialog::accept();
}

void CModificarReciboDlg::Imprimir(bool a4)
{
    // Prints what the form shows, stored or not.
    if (!Leer())
        return;
    Mostrar();
    try {
        CImpresionRecibo recibo = ReciboModificado(m_db, m_recibo, a4, LeerAjustesRecibo());
        ImprimirRecibo(this, recibo, m_impresora);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
}

bool EditarRecibo(QWidget* parent, Database& db, qint64 ref)
{
    try {
        PrepararEdicionRecibo(db, ref);
        CModificarReciboDlg dlg(parent, db, ref);
        if (dlg.exec() != QDialog::Accepted)
            return false;
        EscribirEmisionEnRecibo(db);
        return true;
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, kTitulo, TextoError(e));
        return false;
    }
}
