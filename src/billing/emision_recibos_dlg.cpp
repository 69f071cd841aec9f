#include "billing/emision_recibos_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "data/database.h"
#include "util/errores.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Emisión Recibos");

QLineEdit* SoloLectura(QWidget* padre, const QString& texto)
{
    auto* e = new QLineEdit(texto, padre);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

}  // namespace

CEmisionRecibosDlg::CEmisionRecibosDlg(Database& db, const QDate& mes, bool todos, const ReglaVencimiento& regla,
                                       QWidget* parent)
    : QDialog(parent), m_todos(todos), m_facturacion(mes.year(), mes.month(), 1)
{
    setWindowTitle(kTitulo);
    m_propietarios = new QComboBox(this);
    if (todos)
        m_propietarios->addItem(QStringLiteral("TODOS"));
    if (!db.isOpen()) {
        m_error = QStringLiteral("No hay Base");
    } else {
        try {
            for (Statement st(db, "SELECT nombre FROM propietario ORDER BY ref"); st.next();)
                m_propietarios->addItem(st.text(0));
        } catch (const std::exception& e) {
            m_error = TextoError(e);
        }
    }
    m_propietarios->setCurrentIndex(0);

    const QDate cobro = ProponerFechaCobro(m_facturacion, regla);
    m_dia = new QSpinBox(this);
    m_dia->setRange(1, 31);
    m_dia->setValue(cobro.day());
    m_mes = new QComboBox(this);
    for (int i = 1; i <= 12; ++i)
        m_mes->addItem(Facturacion::NombreMes(i));
    m_mes->setCurrentIndex(cobro.month() - 1);
    m_anio = new QSpinBox(this);
    m_anio->setRange(0, 2100);
    m_anio->setValue(cobro.year());
    m_menos = new QPushButton(QStringLiteral("-"), this);
    auto* mas = new QPushButton(QStringLiteral("+"), this);
    for (QPushButton* b : {m_menos, mas}) {
        b->setAutoDefault(false);
        b->setFixedWidth(32);
    }
    connect(m_menos, &QPushButton::clicked, this, [this] { m_anio->setValue(m_anio->value() - 1); });
    connect(mas, &QPushButton::clicked, this, [this] { m_anio->setValue(m_anio->value() + 1); });

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Propietario"), this), 0, 0);
    g->addWidget(m_propietarios, 0, 1, 1, 5);
    g->addWidget(new QLabel(QStringLiteral("Facturación"), this), 1, 0);
    g->addWidget(SoloLectura(this, Facturacion::NombreMes(m_facturacion.month())), 1, 2);
    g->addWidget(SoloLectura(this, QString::number(m_facturacion.year())), 1, 3);
    auto* rotuloCobro = new QLabel(QStringLiteral("Cobro"), this);
    g->addWidget(rotuloCobro, 2, 0);
    g->addWidget(m_dia, 2, 1);
    g->addWidget(m_mes, 2, 2);
    g->addWidget(m_anio, 2, 3);
    g->addWidget(m_menos, 2, 4);
    g->addWidget(mas, 2, 5);
    // The paper flow has no charge date.
    for (QWidget* w : std::initializer_list<QWidget*>{rotuloCobro, m_dia, m_mes, m_anio, m_menos, mas})
        w->setVisible(!todos);

    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Salir"));
    Columna(this, {g, botones});
    OrdenLectura(this);
}

int CEmisionRecibosDlg::exec()
{
    if (!m_error.isEmpty()) {
        QMessageBox::warning(parentWidget(), kTitulo, m_error);
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CEmisionRecibosDlg::accept()
{
    try {
        m_fechas = LeerFechasEmision(m_facturacion.month(), m_facturacion.year(), m_dia->value(),
                                     m_mes->currentIndex() + 1, m_anio->value(), m_todos);
    } catch (const UserError& e) {
        QMessageBox::warning(this, kTitulo, e.Mensaje());
        return;
    }
    QDialog::accept();
}

QString CEmisionRecibosDlg::Propietario() const
{
    if (m_todos && m_propietarios->currentIndex() == 0)
        return QString();
    return m_propietarios->currentText();
}
