#pragma once
#include <QObject>

class CLar_0011Doc;
class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// "&Facturación": the billing runs list of the open workspace; "No hay base abierta" without one.
void AbrirFacturacion(QWidget* parent, CLar_0011Doc& doc);
// "Crear archivo de demostración": asks for a new file, fills it with demo data and opens it
// as the workspace. Never overwrites a file.
void CrearArchivoDemostracion(QWidget* parent, CLar_0011Doc& doc);

// Puts the two commands into a main window: the demo entry at the end of `archivo` (or of a
// new "&Archivo" menu) and "&Facturación" on the menu bar, enabled while a workspace is open.
class CMenusFacturacion : public QObject {
    Q_OBJECT
public:
    CMenusFacturacion(QMainWindow* frame, CLar_0011Doc& doc, QMenu* archivo = nullptr);
    QAction* Facturacion() const { return m_facturacion; }
    QAction* Demo() const { return m_demo; }

private:
    QAction* m_facturacion;
    QAction* m_demo;
};
