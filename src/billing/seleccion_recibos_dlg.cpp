#include "billing/seleccion_recibos_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "billing/modificar_recibo_dlg.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "reports/imprimir_informe_dlg.h"
#include "reports/informe_lineas.h"
#include "util/errores.h"

namespace {

constexpr int kAltoFila = 26;
constexpr int kAnchoSeleccion = 56;   // the picture and "Si"/"No"
constexpr int kAnchoBoton = 28;
constexpr int kAnchoImporte = 80;

enum class Figura { Si, No, Lapiz };

// The row pictures: a check mark for "Si", a cross for "No" and a pencil for "Modificar".
QIcon Icono(Figura f)
{
    QPixmap px(20, 20);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    switch (f) {
    case Figura::Si:
        p.setPen(QPen(QColor(0, 140, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 10), QPointF(8, 15), QPointF(16, 5)}));
        break;
    case Figura::No:
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
        break;
    case Figura::Lapiz: {
        p.translate(10, 10);
        p.rotate(45);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(240, 190, 40));
        p.drawRect(QRectF(-2.5, -9, 5, 13));
        QPainterPath punta;
        punta.moveTo(-2.5, 4);
        punta.lineTo(2.5, 4);
        punta.lineTo(0, 9);
        punta.closeSubpath();
        p.setBrush(QColor(230, 200, 160));
        p.drawPath(punta);
        break;
    }
    }
    return QIcon(px);
}

}  // namespace

CSeleccionRecibosDlg::CSeleccionRecibosDlg(Database& db, ModoSeleccion modo, const QDateTime& fechaCobro,
                                           QWidget* parent)
    : QDialog(parent), m_db(db)
{
    try {
        m_modelo = new CSeleccionRecibos(db, modo, fechaCobro, this);
        m_modelo->PonerIconos(Icono(Figura::Si), Icono(Figura::No), Icono(Figura::Lapiz));
    } catch (const std::exception& e) {
        m_error = TextoError(e);
    }

    auto* menu = new QMenuBar(this);
    QAction* ok = menu->addAction(QStringLiteral("Aceptar"));
    QAction* cancelar = menu->addAction(QStringLiteral("Cancelar"));
    QAction* todos = menu->addAction(QStringLiteral("Todos"));
    QAction* ninguno = menu->addAction(QStringLiteral("Ninguno"));
    QAction* imprimir = menu->addAction(QStringLiteral("Imprimir"));
    connect(ok, &QAction::triggered, this, &QDialog::accept);
    connect(cancelar, &QAction::triggered, this, &QDialog::reject);
    connect(todos, &QAction::triggered, this, [this] { if (m_modelo) m_modelo->Todos(); });
    connect(ninguno, &QAction::triggered, this, [this] { if (m_modelo) m_modelo->Ninguno(); });
    connect(imprimir, &QAction::triggered, this, &CSeleccionRecibosDlg::ImprimirInforme);

    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    m_confirmar = new QPushButton(this);
    m_confirmar->setDefault(true);
    auto* facturas = new QPushButton(QStringLiteral("Imprimir Factura Tamaño Folio"), this);
    auto* informe = new QPushButton(QStringLiteral("Imprimir Informe"), this);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_confirmar, &QPushButton::clicked, this, &QDialog::accept);
    connect(facturas, &QPushButton::clicked, this, &CSeleccionRecibosDlg::ImprimirFacturas);
    connect(informe, &QPushButton::clicked, this, &CSeleccionRecibosDlg::ImprimirInforme);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {salir, m_confirmar, facturas, informe})
        botones->addWidget(b);
    botones->addStretch();

    m_tabla = new QTableView(this);
    m_tabla->setModel(m_modelo);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);   // arrows: one row; page: the rows shown
    m_tabla->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabla->verticalHeader()->hide();
    m_tabla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabla->verticalHeader()->setDefaultSectionSize(kAltoFila);
    m_tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabla->horizontalHeader()->setHighlightSections(false);
    m_tabla->setWordWrap(false);
    connect(m_tabla, &QTableView::clicked, this, &CSeleccionRecibosDlg::Pulsada);
    // The keyboard too: Space switches the current row, Enter on "Modificar" opens it.
    auto* espacio = new QShortcut(QKeySequence(Qt::Key_Space), m_tabla, nullptr, nullptr, Qt::WidgetShortcut);
    connect(espacio, &QShortcut::activated, this, [this] {
        if (m_modelo && m_tabla->currentIndex().isValid())
            m_modelo->Alternar(m_tabla->currentIndex().row());
    });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addLayout(botones);
    layout->addWidget(m_tabla);

    PonerTituloBoton(modo == ModoSeleccion::Banco ? 0 : 1);
    setWindowTitle(QString());
    setWindowState(Qt::WindowMaximized);
    resize(1000, 700);
}

void CSeleccionRecibosDlg::PonerTituloBoton(int paraImprimir)
{
    m_confirmar->setText(paraImprimir == 1 ? QStringLiteral("Imprimir Recibos/Facturas Standard")
                                           : QStringLiteral("Generar Archivo/Disco Banco"));
}

int CSeleccionRecibosDlg::exec()
{
    if (!m_error.isEmpty()) {
        QMessageBox::warning(parentWidget(), QStringLiteral("Recibos"), m_error);
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CSeleccionRecibosDlg::accept()
{
    if (!m_modelo)
        return reject();
    try {
        m_modelo->Confirmar();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Recibos"), TextoError(e));
        return;   // the form stays open, nothing stored
    }
    QDialog::accept();
}

void CSeleccionRecibosDlg::Pulsada(const QModelIndex& indice)
{
    if (!m_modelo || !indice.isValid())
        return;
    if (indice.column() == CSeleccionRecibos::kSeleccion)
        m_modelo->Alternar(indice.row());
    else if (indice.column() == CSeleccionRecibos::kModificar)
        Modificar(indice.row());
}

void CSeleccionRecibosDlg::Modificar(int fila)
{
    if (!m_modelo || fila < 0 || fila >= m_modelo->rowCount())
        return;
    try {
        CModificarReciboDlg dlg(this, m_db, m_modelo->Fila(fila).ref);
        if (dlg.exec() == QDialog::Accepted)
            m_modelo->Refrescar(fila);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Modificar Recibo"), TextoError(e));
    }
}

void CSeleccionRecibosDlg::ImprimirInforme()
{
    if (!m_modelo)
        return;
    const CInformeLineas informe(m_modelo->LineasListado(), TituloListadoSeleccion());
    ImprimirInformeLineas(this, informe, 1, m_impresora);
}

void CSeleccionRecibosDlg::ImprimirFacturas()
{
    if (m_modelo)
        ImprimirFacturasSeleccion(this, m_db, m_modelo->RefsSeleccionados(), m_impresora);
}

void CSeleccionRecibosDlg::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    AjustarColumnas();
}

void CSeleccionRecibosDlg::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    AjustarColumnas();
}

void CSeleccionRecibosDlg::AjustarColumnas()
{
    // Address, floor, tenant and document share what the buttons and the amount leave, 3:2:4:2.
    const int libre = qMax(110, m_tabla->viewport()->width() - kAnchoSeleccion - kAnchoBoton - kAnchoImporte);
    const int q = libre / 11;
    const int anchos[] = {kAnchoSeleccion, kAnchoBoton, 3 * q + libre % 11, 2 * q, 4 * q, 2 * q, kAnchoImporte};
    for (int c = 0; c < CSeleccionRecibos::kColumnas; ++c)
        m_tabla->setColumnWidth(c, anchos[c]);
}
