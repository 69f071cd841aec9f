#include "app/main_window.h"

#include <QStatusBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Rentiva - Abra o Cree un archivo"));
    statusBar()->showMessage(QStringLiteral("Preparado"));
    resize(900, 600);
}
