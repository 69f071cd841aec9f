#include "billing/facturaciones_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "billing/facturacion.h"
#include "billing/facturacion_mes_dlg.h"
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

    auto* botones = new QDialogButtonBox(this);
    auto* nueva = botones->addButton(QStringLiteral("Nueva"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Salir"), QDialogButtonBox::RejectRole);
    connect(nueva, &QPushButton::clicked, this, [this] {
        NuevaFacturacion(this, m_db);
        Rellenar();
    });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lista);
    layout->addWidget(botones);
    resize(520, 360);
    Rellenar();
    OrdenLectura(this);
}

void CFacturacionesDlg::Rellenar()
{
    m_lista->clear();
    try {
        for (const RunFacturacion& f : Facturacion(m_db).Listar())
            m_lista->addTopLevelItem(new QTreeWidgetItem(
                {Facturacion::NombreMes(f.fecha.month()), QString::number(f.fecha.year()), f.notas}));
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), TextoError(e));
    }
    if (m_lista->topLevelItemCount() > 0)
        m_lista->setCurrentItem(m_lista->topLevelItem(0));
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
