#include "billing/facturaciones_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "billing/facturacion.h"
#include "billing/emision_flujos_dlg.h"
#include "billing/facturacion_mes_dlg.h"
#include "billing/facturaciones.h"
#include "data/database.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/disposicion.h"

CFacturacionesDlg::CFacturacionesDlg(Database& db, QWidget* parent) : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("Facturaciones"));
    m_lista = new QTreeWidget(this);
    m_lista->setHeaderLabels({QStringLiteral("Mes"), QStringLiteral("Año"), QStringLiteral("Notas")});
    m_lista->setRootIsDecorated(false);
    m_lista->header()->setStretchLastSection(true);

    // Fixed-width parts: the month in 12, the year in 6.
    m_lista->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_botones = new QDialogButtonBox(Qt::Vertical, this);
    auto* nueva = m_botones->addButton(QStringLiteral("Nueva"), QDialogButtonBox::ActionRole);
    connect(nueva, &QPushButton::clicked, this, [this] {
        NuevaFacturacion(this, m_db);
        Rellenar();
    });
    auto* eliminar = m_botones->addButton(QStringLiteral("Eliminar Última"), QDialogButtonBox::ActionRole);
    connect(eliminar, &QPushButton::clicked, this, &CFacturacionesDlg::EliminarUltima);
    m_botonesRun << eliminar;
    AnadirBotonRun(QStringLiteral("Modificar"), [this](const QDate& mes) { RevisarFacturacion(this, m_db, mes); });
    AnadirBotonRun(QStringLiteral("Ver"), [this](const QDate& mes) { VerFacturacion(this, m_db, mes); });
    AnadirBotonRun(QStringLiteral("Fichero Recibos Banco"), [this](const QDate& mes) {
        FicheroBancoFacturacion(this, m_db, mes, EscribirCuaderno19);
    });
    AnadirBotonRun(QStringLiteral("Fichero SEPA (XML)"),
                   [this](const QDate& mes) { FicheroSepaFacturacion(this, m_db, mes); });
    AnadirBotonRun(QStringLiteral("Imprimir Recibos Físicos"),
                   [this](const QDate& mes) { ImprimirRecibosFisicos(this, m_db, mes); });
    auto* salir = m_botones->addButton(QStringLiteral("Salir"), QDialogButtonBox::RejectRole);
    connect(m_botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QAbstractButton* b : m_botones->buttons())
        if (auto* p = qobject_cast<QPushButton*>(b))
            p->setAutoDefault(false);
    salir->setDefault(false);
    connect(m_lista, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Seleccionada().isValid())
            RevisarFacturacion(this, m_db, Seleccionada());
    });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_lista, 1);
    layout->addWidget(m_botones);
    resize(640, 360);
    Rellenar();
    OrdenLectura(this);
}

void CFacturacionesDlg::Rellenar()
{
    m_lista->clear();
    try {
        for (const RunFacturacion& f : Facturacion(m_db).Listar()) {
            const QString linea = LineaFacturacion(f);
            auto* item = new QTreeWidgetItem({linea.left(12), linea.mid(12, 6), f.notas});
            item->setData(0, Qt::UserRole, f.fecha);
            m_lista->addTopLevelItem(item);
        }
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), TextoError(e));
    }
    const bool hay = m_lista->topLevelItemCount() > 0;
    if (!hay)
        m_lista->addTopLevelItem(new QTreeWidgetItem({QString(), QString(), QString()}));
    m_lista->setCurrentItem(m_lista->topLevelItem(0));
    for (QPushButton* b : m_botonesRun)
        b->setEnabled(hay);
}

QDate CFacturacionesDlg::Seleccionada() const
{
    const QTreeWidgetItem* item = m_lista->currentItem();
    return item ? item->data(0, Qt::UserRole).toDate() : QDate();
}

QPushButton* CFacturacionesDlg::AnadirBotonRun(const QString& texto, std::function<void(const QDate& mes)> accion)
{
    auto* b = new QPushButton(texto, this);
    b->setAutoDefault(false);
    // Before "Salir", which stays last.
    m_botones->addButton(b, QDialogButtonBox::ActionRole);
    connect(b, &QPushButton::clicked, this, [this, accion = std::move(accion)] {
        const QDate mes = Seleccionada();
        if (!mes.isValid()) {
            QMessageBox::information(this, windowTitle(), QStringLiteral("Seleccione una Facturación"));
            return;
        }
        accion(mes);
    });
    b->setEnabled(m_lista->topLevelItemCount() > 0 && Seleccionada().isValid());
    m_botonesRun << b;
    return b;
}

void CFacturacionesDlg::EliminarUltima()
{
    try {
        // The newest run, whichever line is selected: an older one would leave a gap.
        const std::optional<BorradoFacturacion> b = UltimaFacturacion(m_db);
        if (!b)
            return;
        if (QMessageBox::question(this, windowTitle(), PreguntaEliminarUltima(*b),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        EliminarUltimaFacturacion(m_db, b->mes);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), TextoError(e));
    }
    Rellenar();
}

bool CFacturacionesDlg::NuevaFacturacion(QWidget* parent, Database& db)
{
    const QString titulo = QStringLiteral("Facturación");
    try {
        Facturacion f(db);
        const bool primera = f.EsPrimeraFacturacion();
        f.ComprobarInmuebles();
        CFacturacionMesDlg dlg(f.ProponerMes(QDate::currentDate()), primera, parent);
        if (dlg.exec() != QDialog::Accepted)
            return false;
        // Refuse a billed month before showing any progress.
        f.ComprobarMes(dlg.Fecha());

        QProgressDialog progreso(QStringLiteral("Facturando %1 de %2...")
                                     .arg(Facturacion::NombreMes(dlg.Fecha().month()))
                                     .arg(dlg.Fecha().year()),
                                 QStringLiteral("Cancelar"), 0, 100, parent);
        progreso.setWindowTitle(titulo);
        progreso.setWindowModality(Qt::WindowModal);
        progreso.setMinimumDuration(300);
        const ResultadoFacturacion r = f.FacturarMes(dlg.Fecha(), dlg.Notas(), [&](int hecho, int total) {
            progreso.setMaximum(qMax(total, 1));
            progreso.setValue(hecho);
            QApplication::processEvents();
            return !progreso.wasCanceled();
        });
        progreso.reset();
        if (r.cancelada) {
            QMessageBox::information(parent, titulo,
                                     QStringLiteral("Facturación cancelada: no se ha escrito ningún recibo."));
            return false;
        }
        QMessageBox::information(parent, titulo,
                                 QStringLiteral("Facturación terminada: %1 recibos por un total de %2.")
                                     .arg(r.recibos)
                                     .arg(MonedaATexto(r.total)));
        return true;
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, titulo, TextoError(e));
        return false;
    }
}
