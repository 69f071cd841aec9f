#include "billing/menus_facturacion_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>

#include "billing/demo.h"
#include "billing/facturaciones_dlg.h"
#include "billing/provisional.h"
#include "util/errores.h"

namespace {

QMenu* Menu(QMenuBar* barra, const QString& titulo)
{
    for (QAction* a : barra->actions())
        if (a->menu() && a->text() == titulo)
            return a->menu();
    return barra->addMenu(titulo);
}

}  // namespace

CMenusFacturacion::CMenusFacturacion(QMainWindow* frame) : QObject(frame), m_frame(frame)
{
    QMenuBar* barra = frame->menuBar();
    Menu(barra, QStringLiteral("&Archivo"))
        ->addAction(QStringLiteral("Crear archivo de demostración"), this, &CMenusFacturacion::CrearDemo);
    barra->addAction(QStringLiteral("&Facturación"), this, &CMenusFacturacion::AbrirFacturacion);
}

void CMenusFacturacion::CrearDemo()
{
    const QString titulo = QStringLiteral("Crear archivo de demostración");
    QString ruta = QFileDialog::getSaveFileName(
        m_frame, titulo,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/demostracion.rtv"),
        QStringLiteral("Archivos Rentiva (*.rtv)"));
    if (ruta.isEmpty())
        return;
    if (!ruta.endsWith(QLatin1String(".rtv"), Qt::CaseInsensitive))
        ruta += QStringLiteral(".rtv");
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        CrearArchivoDemo(ruta);
        m_base = provisional::AbrirWorkspace(ruta);
        QApplication::restoreOverrideCursor();
        m_frame->setWindowTitle(QStringLiteral("Rentiva - %1").arg(ruta));
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(m_frame, titulo, TextoError(e));
    }
}

void CMenusFacturacion::AbrirFacturacion()
{
    if (!m_base.isOpen()) {
        QMessageBox::warning(m_frame, QStringLiteral("Facturación"), QStringLiteral("No hay base abierta"));
        return;
    }
    CFacturacionesDlg(m_base, m_frame).exec();
}
