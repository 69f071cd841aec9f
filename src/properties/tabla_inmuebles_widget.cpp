#include "properties/tabla_inmuebles_widget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "data/database.h"
#include "properties/busqueda_inmuebles.h"
#include "properties/modelo_inmuebles.h"
#include "util/errores.h"

CTablaInmueblesWidget::CTablaInmueblesWidget(QWidget* parent) : QWidget(parent)
{
    m_filtro = new QLineEdit(this);
    m_filtro->setObjectName(QStringLiteral("filtroInmuebles"));
    m_filtro->setPlaceholderText(QStringLiteral("Buscar por inquilino, dirección, piso, localidad, teléfono, notas…"));
    m_filtro->setClearButtonEnabled(true);
    m_filtro->setAccessibleName(QStringLiteral("Buscar inmueble"));
    m_tabla = new QTableView(this);
    m_tabla->setObjectName(QStringLiteral("tablaInmuebles"));
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setAlternatingRowColors(true);
    m_tabla->setWordWrap(false);
    m_tabla->verticalHeader()->hide();
    // Fixed row heights and column widths: no measuring of 10,000 rows before the first paint.
    m_tabla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabla->verticalHeader()->setDefaultSectionSize(m_tabla->fontMetrics().height() + 6);
    m_tabla->horizontalHeader()->setStretchLastSection(true);
    m_cuenta = new QLabel(this);
    m_cuenta->setObjectName(QStringLiteral("cuentaInmuebles"));
    auto* caja = new QVBoxLayout(this);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->addWidget(m_filtro);
    caja->addWidget(m_tabla, 1);
    caja->addWidget(m_cuenta);
    setFocusProxy(m_filtro);
    connect(m_filtro, &QLineEdit::textChanged, this, &CTablaInmueblesWidget::Filtrar);
    connect(m_tabla, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { Elegir(i.row()); });
    m_tabla->installEventFilter(this);
    m_filtro->installEventFilter(this);
}

CTablaInmueblesWidget::~CTablaInmueblesWidget() = default;

void CTablaInmueblesWidget::Mostrar(Database* db)
{
    m_tabla->setModel(nullptr);
    delete m_modelo;
    m_modelo = nullptr;
    m_filtro->blockSignals(true);
    m_filtro->clear();
    m_filtro->blockSignals(false);
    m_cuenta->clear();
    if (!db || !db->isOpen())
        return;
    try {
        m_modelo = new CModeloInmuebles(*db, this);
    } catch (const std::exception& e) {
        m_cuenta->setText(QStringLiteral("No se han podido leer los inmuebles: %1").arg(TextoError(e)));
        return;
    }
    m_tabla->setModel(m_modelo);
    const int anchos[] = {210, 70, 220, 190, 90};
    for (int c = 0; c < int(std::size(anchos)); ++c)
        m_tabla->setColumnWidth(c, anchos[c]);
    Contar();
}

void CTablaInmueblesWidget::Recargar()
{
    if (!m_modelo)
        return;
    // The user stays where he was: same row, same scroll.
    const int fila = m_tabla->currentIndex().row();
    const int desplazado = m_tabla->verticalScrollBar()->value();
    try {
        m_modelo->Recargar();
        if (fila >= 0 && m_modelo->rowCount() > 0)
            m_tabla->setCurrentIndex(m_modelo->index(std::min(fila, m_modelo->rowCount() - 1), 0));
        m_tabla->verticalScrollBar()->setValue(desplazado);
        Contar();
    } catch (const std::exception& e) {
        m_cuenta->setText(QStringLiteral("No se han podido leer los inmuebles: %1").arg(TextoError(e)));
    }
}

void CTablaInmueblesWidget::Filtrar()
{
    if (!m_modelo)
        return;
    try {
        m_modelo->Filtrar(m_filtro->text());
        Contar();
    } catch (const std::exception& e) {
        m_cuenta->setText(QStringLiteral("No se ha podido buscar «%1»: %2").arg(m_filtro->text(), TextoError(e)));
    }
}

void CTablaInmueblesWidget::Contar()
{
    const int n = m_modelo ? m_modelo->rowCount() : 0;
    if (n == 0 && !m_filtro->text().isEmpty())
        m_cuenta->setText(kNingunInmuebleCoincide);
    else
        m_cuenta->setText(n == 1 ? QStringLiteral("1 inmueble") : QStringLiteral("%1 inmuebles").arg(n));
    if (n > 0 && !m_tabla->currentIndex().isValid())
        m_tabla->setCurrentIndex(m_modelo->index(0, 0));
}

void CTablaInmueblesWidget::Elegir(int fila)
{
    if (!m_modelo)
        return;
    if (const qint64 ref = m_modelo->Ref(fila); ref > 0)
        emit InmuebleElegido(ref);
}

bool CTablaInmueblesWidget::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Elegir(m_tabla->currentIndex().row());
            return true;
        }
        // Up and down in the filter box move through the rows: typing and choosing
        // need no mouse.
        if (objeto == m_filtro && (tecla == Qt::Key_Down || tecla == Qt::Key_Up) && m_modelo) {
            const int fila = std::clamp(m_tabla->currentIndex().row() + (tecla == Qt::Key_Down ? 1 : -1), 0,
                                        m_modelo->rowCount() - 1);
            m_tabla->setCurrentIndex(m_modelo->index(fila, 0));
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}
