#include "billing/recibos_inmueble_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "billing/edicion_recibo.h"
#include "billing/modificar_recibo_dlg.h"
#include "data/database.h"
#include "receipts/seleccion_recibos.h"
#include "reports/imprimir_informe_dlg.h"
#include "reports/informe_lineas.h"
#include "util/errores.h"
#include "util/formato.h"

CRecibosInmuebleDlg::CRecibosInmuebleDlg(Database& db, QWidget* parent) : QDialog(parent), m_db(db)
{
    m_tabla = new QTableWidget(0, 5, this);
    m_tabla->setHorizontalHeaderLabels({QString(), QString(), QStringLiteral("Fecha"), QStringLiteral("Arrendatario"),
                                        QStringLiteral("Importe")});
    m_tabla->verticalHeader()->hide();
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);

    auto* botones = new QDialogButtonBox(this);
    botones->addButton(QStringLiteral("Salir"), QDialogButtonBox::RejectRole);
    auto* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(imprimir, &QPushButton::clicked, this, &CRecibosInmuebleDlg::Imprimir);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabla);
    layout->addWidget(botones);
    resize(620, 420);
    Rellenar();
}

void CRecibosInmuebleDlg::Rellenar()
{
    try {
        m_filas = FilasEmitidas(m_db);
    } catch (const std::exception& e) {
        m_filas.clear();
        QMessageBox::warning(this, QString(), TextoError(e));
    }
    m_tabla->setRowCount(int(m_filas.size()));
    for (int i = 0; i < int(m_filas.size()); ++i) {
        const FilaEmitido& f = m_filas[size_t(i)];
        auto* borrar = new QPushButton(QStringLiteral("Borrar"), m_tabla);
        auto* modificar = new QPushButton(QStringLiteral("Modificar"), m_tabla);
        for (QPushButton* b : {borrar, modificar})
            b->setAutoDefault(false);
        connect(borrar, &QPushButton::clicked, this, [this, i] { Borrar(i); });
        connect(modificar, &QPushButton::clicked, this, [this, i] { Modificar(i); });
        m_tabla->setCellWidget(i, 0, borrar);
        m_tabla->setCellWidget(i, 1, modificar);
        m_tabla->setItem(i, 2, new QTableWidgetItem(f.mes));
        m_tabla->setItem(i, 3, new QTableWidgetItem(f.arrendatario));
        auto* importe = new QTableWidgetItem(MonedaATexto(f.total));
        importe->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_tabla->setItem(i, 4, importe);
    }
    m_tabla->resizeColumnToContents(0);
    m_tabla->resizeColumnToContents(1);
}

void CRecibosInmuebleDlg::Borrar(int fila)
{
    if (fila < 0 || fila >= int(m_filas.size()))
        return;
    if (QMessageBox::question(this, QString(), QStringLiteral("¿Quiere borrar este recibo?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        BorrarReciboEmitido(m_db, m_filas[size_t(fila)].ref);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QString(), TextoError(e));
    }
    Rellenar();
}

void CRecibosInmuebleDlg::Modificar(int fila)
{
    if (fila < 0 || fila >= int(m_filas.size()))
        return;
    try {
        CModificarReciboDlg dlg(this, m_db, m_filas[size_t(fila)].ref);
        dlg.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Modificar Recibo"), TextoError(e));
    }
    Rellenar();
}

void CRecibosInmuebleDlg::Imprimir()
{
    try {
        ImprimirInformeLineas(this, CInformeLineas(LineasListadoEmitidos(m_db), TituloListadoSeleccion()), 1,
                              m_impresora);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, TituloListadoSeleccion(), TextoError(e));
    }
}

void VerFacturado(QWidget* parent, Database& db, const QString& direccion, const QString& piso)
{
    const QString titulo = QStringLiteral("Facturado");
    try {
        PrepararEmisionInmueble(db, direccion, piso);
    } catch (const std::exception& e) {
        QMessageBox::information(parent, titulo, TextoError(e));
        return;
    }
    CRecibosInmuebleDlg(db, parent).exec();
    try {
        Transaction tx(db);
        EscribirEmisionEnRecibo(db);
        tx.commit();
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, titulo, TextoError(e));
    }
}
