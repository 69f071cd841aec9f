#include "billing/menus_facturacion_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/documento.h"
#include "billing/demo.h"
#include "billing/facturaciones_dlg.h"
#include "util/errores.h"

void AbrirFacturacion(QWidget* parent, CLar_0011Doc& doc)
{
    if (!doc.EstaAbierta()) {
        QMessageBox::warning(parent, QStringLiteral("Facturación"), QStringLiteral("No hay base abierta"));
        return;
    }
    CFacturacionesDlg(doc.Base(), parent).exec();
}

void CrearArchivoDemostracion(QWidget* parent, CLar_0011Doc& doc)
{
    const QString titulo = QStringLiteral("Crear archivo de demostración");
    // The refusal of an existing file is ours, with its own message: no overwrite question.
    QString ruta = QFileDialog::getSaveFileName(
        parent, titulo,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/demostracion.rtv"),
        QStringLiteral("Archivos Rentiva (*.rtv)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (ruta.isEmpty())
        return;
    if (!ruta.endsWith(QLatin1String(".rtv"), Qt::CaseInsensitive))
        ruta += QStringLiteral(".rtv");
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        CrearArchivoDemo(ruta);
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(parent, titulo, TextoError(e));
        return;
    }
    // The document closes the open workspace (recording it) and reports its own failures.
    doc.AbrirBase(ruta);
}

CMenusFacturacion::CMenusFacturacion(QMainWindow* frame, CLar_0011Doc& doc, QMenu* archivo)
    : QObject(frame)
{
    if (!archivo)
        archivo = frame->menuBar()->addMenu(QStringLiteral("&Archivo"));
    m_demo = archivo->addAction(QStringLiteral("Crear archivo de demostración"), frame,
                                [frame, &doc] { CrearArchivoDemostracion(frame, doc); });
    m_facturacion = frame->menuBar()->addAction(QStringLiteral("&Facturación"), frame,
                                                [frame, &doc] { AbrirFacturacion(frame, doc); });
    m_facturacion->setEnabled(doc.EstaAbierta());
    connect(&doc, &CLar_0011Doc::BaseCambiada, this,
            [this, &doc] { m_facturacion->setEnabled(doc.EstaAbierta()); });
}
