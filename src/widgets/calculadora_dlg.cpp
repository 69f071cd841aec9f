#include "widgets/calculadora_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QString kBorrar = QStringLiteral("Borrar");
const QString kSalir = QStringLiteral("Cancelar / Salir");
}  // namespace

CCalculadoraDlg::CCalculadoraDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calculadora"));
    m_pantalla = new QLineEdit(m_calc.Pantalla(), this);
    m_pantalla->setAlignment(Qt::AlignRight);
    m_pantalla->setReadOnly(true);
    m_pantalla->setFocusPolicy(Qt::NoFocus);
    QFont f = m_pantalla->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    m_pantalla->setFont(f);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(m_pantalla, 0, 0, 1, 4);
    const char* const filas[4][4] = {
        {"7", "8", "9", "/"}, {"4", "5", "6", "*"}, {"1", "2", "3", "-"}, {"0", ".", "=", "+"}};
    for (int f = 0; f < 4; ++f)
        for (int c = 0; c < 4; ++c) {
            const QString texto = QString::fromLatin1(filas[f][c]);
            auto* b = new QPushButton(texto, this);
            b->setAutoDefault(false);
            b->setMinimumSize(44, 36);
            connect(b, &QPushButton::clicked, this, [this, texto] { Pulsar(texto); });
            rejilla->addWidget(b, f + 1, c);
            m_teclas << b;
        }
    auto* borrar = new QPushButton(kBorrar, this);
    borrar->setAutoDefault(false);
    connect(borrar, &QPushButton::clicked, this, [this] { Pulsar(kBorrar); });
    auto* salir = new QPushButton(kSalir, this);
    salir->setAutoDefault(false);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    rejilla->addWidget(borrar, 5, 0, 1, 2);
    rejilla->addWidget(salir, 5, 2, 1, 2);
    m_teclas << borrar << salir;
    Tecla(QStringLiteral("="))->setDefault(true);
    OrdenLectura(this);
}

QPushButton* CCalculadoraDlg::Tecla(const QString& texto) const
{
    return BotonConTexto(m_teclas, texto);
}

void CCalculadoraDlg::Pulsar(const QString& tecla)
{
    QStringList mensajes;
    const QChar c = tecla.size() == 1 ? tecla.at(0) : QChar();
    if (tecla == kBorrar)
        m_calc.Borrar();
    else if (c.isDigit())
        mensajes = m_calc.Digito(c.digitValue());
    else if (c == QLatin1Char('.'))
        mensajes = m_calc.Punto();
    else if (c == QLatin1Char('='))
        mensajes = m_calc.Igual();
    else if (!c.isNull())
        mensajes = m_calc.Operacion(c);
    m_pantalla->setText(m_calc.Pantalla());
    for (const QString& m : mensajes)
        QMessageBox::warning(this, windowTitle(), m);
}

void CCalculadoraDlg::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || t == QLatin1String("=")) {
        Pulsar(QStringLiteral("="));
        return;
    }
    if (e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace) {
        Pulsar(kBorrar);
        return;
    }
    if (t == QLatin1String(",")) {
        Pulsar(QStringLiteral("."));
        return;
    }
    if (t.size() == 1 && (t.at(0).isDigit() || QStringLiteral(".+-*/").contains(t))) {
        Pulsar(t);
        return;
    }
    QDialog::keyPressEvent(e);
}
