#include "app/main_window.h"

#include <QStatusBar>

#include "billing/menus_facturacion_window.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Rentiva - Abra o Cree un archivo"));
    statusBar()->showMessage(QStringLiteral("Preparado"));
    resize(900, 600);
    new CMenusFacturacion(this);
}
