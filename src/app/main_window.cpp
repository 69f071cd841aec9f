#include "app/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>

#include "app/documento.h"
#include "billing/menus_facturacion_window.h"

CMainFrame::CMainFrame(CLar_0011Doc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc)
{
    setWindowTitle(CLar_0011Doc::kTituloSinBase);
    statusBar()->showMessage(QStringLiteral("Preparado"));
    resize(900, 600);

    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(QStringLiteral("&Nuevo"), QKeySequence::New, &m_doc, &CLar_0011Doc::ArchivoNuevo);
    archivo->addAction(QStringLiteral("&Abrir..."), QKeySequence::Open, &m_doc, &CLar_0011Doc::ArchivoAbrir);
    archivo->addAction(QStringLiteral("&Guardar como..."), &m_doc, &CLar_0011Doc::GuardarComo);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Crear copia de seguridad..."), &m_doc, &CLar_0011Doc::CrearCopia);
    archivo->addAction(QStringLiteral("&Restaurar copia de seguridad..."), &m_doc, &CLar_0011Doc::RestaurarCopia);
    archivo->addSeparator();
    new CMenusFacturacion(this);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Salir"), QKeySequence::Quit, this, &QWidget::close);

    connect(&m_doc, &CLar_0011Doc::BaseCambiada, this, [this] {
        if (!m_doc.Titulo().isEmpty())
            setWindowTitle(m_doc.Titulo());
    });
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    if (m_doc.CerrarBase())
        e->accept();
    else
        e->ignore();
}
