#include "widgets/calculo_nif_ccc_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "util/cuentas.h"
#include "util/nif.h"
#include "widgets/campos_widget.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

QLineEdit* Digitos(QWidget* parent, int ancho)
{
    auto* e = new QLineEdit(parent);
    e->setMaxLength(ancho);
    e->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(ancho)), e));
    return e;
}

QLineEdit* Resultado(QWidget* parent, int ancho)
{
    auto* e = new QLineEdit(parent);
    e->setMaxLength(ancho);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

}  // namespace

CCalculoNifCccDlg::CCalculoNifCccDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Cálculo de NIF y CCC"));

    auto* banco = new QGroupBox(QStringLiteral("Datos Bancarios"), this);
    auto* formBanco = new QFormLayout(banco);
    m_banco = Digitos(banco, 4);
    m_sucursal = Digitos(banco, 4);
    m_cuenta = Digitos(banco, 10);
    m_dc = Resultado(banco, 2);
    formBanco->addRow(QStringLiteral("Banco"), m_banco);
    formBanco->addRow(QStringLiteral("Sucursal"), m_sucursal);
    formBanco->addRow(QStringLiteral("Cuenta"), m_cuenta);
    formBanco->addRow(QStringLiteral("DC"), m_dc);

    auto* formNif = new QFormLayout;
    // Eight digits of a DNI, or a NIE's X, Y or Z and seven digits; letters shown in capitals.
    m_nif = campos::Mayusculas(this, 8);
    m_nif->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[XYZxyz][0-9]{0,7}|[0-9]{0,8}")), m_nif));
    m_letra = Resultado(this, 1);
    formNif->addRow(QStringLiteral("NIF"), m_nif);
    formNif->addRow(QStringLiteral("Letra NIF"), m_letra);

    m_calcular = new QPushButton(QStringLiteral("Calcular"), this);
    m_calcular->setDefault(true);
    m_salir = new QPushButton(QStringLiteral("Salir"), this);
    connect(m_calcular, &QPushButton::clicked, this, &CCalculoNifCccDlg::Calcular);
    connect(m_salir, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout* botones = FilaBotones({m_calcular, m_salir});

    Columna(this, {banco, formNif, botones});

    OrdenLectura(this);
}

void CCalculoNifCccDlg::Calcular()
{
    m_dc->setText(DigitosControlCcc(m_banco->text(), m_sucursal->text(), m_cuenta->text()));
    const QChar letra = LetraNif(m_nif->text());
    m_letra->setText(letra.isNull() ? QString() : QString(letra));
}
