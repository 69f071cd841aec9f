#include "properties/buscar_inmueble_dlg.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/record_sets.h"
#include "documents/carta_aumento_dlg.h"
#include "properties/inmuebles_dlg.h"
#include "util/errores.h"
#include "util/letras.h"

std::function<void(QWidget*, Database&, qint64)> CBuscarInmuebleDlg::s_abrirCarta =
    [](QWidget* parent, Database& db, qint64 ref) { AbrirCartaAumento(parent, db, ref); };

CButtonSeleccionar::CButtonSeleccionar(qint64 ref, QWidget* parent)
    : QPushButton(QStringLiteral("Seleccionar"), parent), m_ref(ref)
{
    setAutoDefault(false);
}

CBuscarInmuebleDlg::CBuscarInmuebleDlg(QWidget* parent, Database& db, Modo modo)
    : QDialog(parent), m_db(db), m_modo(modo)
{
    setWindowTitle(QStringLiteral("Buscador"));
    auto* arriba = new QHBoxLayout;
    if (modo == Modo::Texto) {
        m_texto = new QLineEdit(this);
        m_texto->setObjectName(QStringLiteral("texto"));
        auto* ayuda = new QPushButton(QStringLiteral("?"), this);
        ayuda->setAutoDefault(false);
        ayuda->setToolTip(kAyudaBusqueda);
        connect(ayuda, &QPushButton::clicked, this,
                [this] { QMessageBox::information(this, windowTitle(), kAyudaBusqueda); });
        arriba->addWidget(m_texto, 1);
        arriba->addWidget(ayuda);
    } else {
        m_mes = new QComboBox(this);
        m_mes->setObjectName(QStringLiteral("mes"));
        for (int m = 1; m <= 12; ++m)
            m_mes->addItem(NombreMesMayusculas(m));
        m_mes->setCurrentIndex(QDate::currentDate().month() - 1);
        arriba->addWidget(m_mes, 1);
    }
    auto* buscar = new QPushButton(QStringLiteral("Buscar"), this);
    buscar->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setAutoDefault(false);
    arriba->addWidget(buscar);
    arriba->addWidget(cancelar);
    connect(buscar, &QPushButton::clicked, this, &CBuscarInmuebleDlg::Buscar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    m_aviso = new QLabel(this);
    m_aviso->hide();
    auto* area = new QScrollArea(this);
    m_area = area;
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_panel = new QWidget;
    m_lista = new QVBoxLayout(m_panel);
    m_lista->addStretch();
    area->setWidget(m_panel);
    connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this, &CBuscarInmuebleDlg::AlDesplazar);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(arriba);
    todo->addWidget(m_aviso);
    todo->addWidget(area, 1);
    resize(560, 480);
}

void CBuscarInmuebleDlg::Limpiar()
{
    // The panel's rows go with their widgets; the final stretch stays.
    while (m_lista->count() > 1) {
        QLayoutItem* item = m_lista->takeAt(0);
        delete item->widget();
        delete item;
    }
    m_filas.clear();
    m_resultados.clear();
    m_aviso->hide();
}

void CBuscarInmuebleDlg::Buscar()
{
    Limpiar();
    m_buscado = false;
    m_condicion = m_modo == Modo::Texto ? CondicionTexto(m_texto->text()) : CondicionMesContrato(m_mes->currentIndex() + 1);
    try {
        m_resultados = BuscarInmuebles(m_db, m_condicion);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
        return;
    }
    if (m_resultados.isEmpty()) {
        QMessageBox::information(this, windowTitle(), kNingunInmuebleCoincide);
        return;
    }
    m_buscado = true;
    AnadirLote();
    m_filas.first()->setFocus();
}

// Every match is listed; rows are made a batch at a time, the next when the list is
// scrolled (or tabbed) to its end, so that thousands of matches open at once.
void CBuscarInmuebleDlg::AnadirLote()
{
    const int desde = int(m_filas.size());
    const int hasta = std::min(int(m_resultados.size()), desde + kLoteResultados);
    m_panel->setUpdatesEnabled(false);
    for (int i = desde; i < hasta; ++i) {
        const ResultadoBusqueda& r = m_resultados[i];
        auto* fila = new QWidget(m_panel);
        auto* h = new QHBoxLayout(fila);
        h->setContentsMargins(0, 2, 0, 2);
        auto* boton = new CButtonSeleccionar(r.ref, fila);
        auto* texto = new QLabel(TextoResultado(r), fila);
        texto->setTextFormat(Qt::PlainText);
        boton->setAccessibleDescription(texto->text());
        h->addWidget(boton, 0, Qt::AlignTop);
        h->addWidget(texto, 1);
        connect(boton, &QPushButton::clicked, this, [this, ref = r.ref] { Elegir(ref); });
        m_lista->insertWidget(m_lista->count() - 1, fila);
        m_filas << boton;
    }
    m_panel->setUpdatesEnabled(true);
    const bool faltan = m_filas.size() < m_resultados.size();
    m_aviso->setText(QStringLiteral("Se muestran %1 de los %2 inmuebles que coinciden; baje la lista para ver más.")
                         .arg(m_filas.size())
                         .arg(m_resultados.size()));
    m_aviso->setVisible(faltan);
}

void CBuscarInmuebleDlg::AlDesplazar(int valor)
{
    if (m_filas.size() < m_resultados.size() && valor >= m_area->verticalScrollBar()->maximum())
        AnadirLote();
}

void CBuscarInmuebleDlg::Elegir(qint64 ref)
{
    if (m_modo == Modo::Texto) {
        m_elegido = ref;
        accept();
        return;
    }
    try {
        CInmuebleSet rs(&m_db);
        if (!rs.BuscarInmueble(ref)) {
            QMessageBox::information(this, windowTitle(), kInmuebleNoEncontrado);
            return;
        }
        rs.Cerrar();
        s_abrirCarta(this, m_db, ref);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
    }
}

QList<qint64> CBuscarInmuebleDlg::Coincidencias() const
{
    if (!m_buscado)
        return {};
    return RefsInmuebles(m_db, m_condicion);
}

void AbrirBusquedaInmuebles(QWidget* parent, Database& db)
{
    for (;;) {
        CBuscarInmuebleDlg busqueda(parent, db, CBuscarInmuebleDlg::Modo::Texto);
        if (busqueda.exec() != QDialog::Accepted || busqueda.Elegido() <= 0)
            return;
        {
            CInmueblesDlg uno(parent, db, busqueda.Elegido());
            uno.exec();
            if (!uno.BusquedaPedida())
                return;
        }
        const QList<qint64> refs = busqueda.Coincidencias();
        if (refs.isEmpty())
            return;   // the matches are gone meanwhile
        CInmueblesDlg todos(parent, db, 0, refs);
        todos.exec();
        if (!todos.BusquedaPedida())
            return;
    }
}

void AbrirRentasActualizar(QWidget* parent, Database& db)
{
    CBuscarInmuebleDlg(parent, db, CBuscarInmuebleDlg::Modo::MesContrato).exec();
}
