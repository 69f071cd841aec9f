#include "reports/informes_dlg.h"

#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "reports/imprimir_informe_dlg.h"
#include "reports/informe_lineas.h"
#include "reports/lineas_facturacion.h"
#include "util/errores.h"

namespace {

constexpr int kColumnas = 116;

}  // namespace

DlgInformes::DlgInformes(Database& db, const QDate& fecha, QWidget* parent) : QDialog(parent)
{
    m_titulo = TituloFacturacion(fecha);
    try {
        m_lineas = LineasFacturacion(db);
    } catch (const std::exception& e) {
        m_error = TextoError(e);
    }
    Construir();
}

DlgInformes::DlgInformes(const QStringList& lineas, const QString& titulo, QWidget* parent)
    : QDialog(parent), m_lineas(lineas), m_titulo(titulo)
{
    Construir();
}

void DlgInformes::Construir()
{
    setWindowTitle(QStringLiteral("Informes"));
    auto* botones = new QDialogButtonBox(this);
    QPushButton* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(imprimir, &QPushButton::clicked, this, &DlgInformes::Imprimir);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_texto = new QPlainTextEdit(this);
    m_texto->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);   // the width the font is fitted to stays
    m_texto->setPlainText(m_lineas.join(u'\n'));   // edits here change nothing that is printed

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addWidget(botones);
    layout->addWidget(m_texto);
    setWindowState(Qt::WindowMaximized);
    resize(1000, 700);
    // Arrows and page keys scroll the listing from the start; Tab reaches the buttons.
    QWidget::setTabOrder(m_texto, imprimir);
    m_texto->setFocus();
    AjustarLetra();
}

int DlgInformes::exec()
{
    if (!m_error.isEmpty()) {
        QMessageBox::warning(parentWidget(), windowTitle(), m_error);
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void DlgInformes::Imprimir()
{
    const CInformeLineas informe(m_lineas, m_titulo);
    ImprimirInformeLineas(this, informe, 1, m_impresora);
}

void DlgInformes::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    AjustarLetra();
}

void DlgInformes::AjustarLetra()
{
    // A monospaced font whose 116 columns fill the text box's width.
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    const qreal ancho = m_texto->viewport()->width() - 2 * m_texto->document()->documentMargin() - 2;
    f.setPointSizeF(100);
    const qreal avance = QFontMetricsF(f).horizontalAdvance(QString(kColumnas, u'M')) / 100;
    // A fractional size fills the width; a little is left for hinting.
    f.setPointSizeF(qMax<qreal>(5, ancho / avance * 0.99));
    m_texto->setFont(f);
}
