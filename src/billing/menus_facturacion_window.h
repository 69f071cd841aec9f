#pragma once
#include <QObject>

#include "data/database.h"

class QMainWindow;

// The billing commands of the main window: "Archivo" > "Crear archivo de demostración"
// and "&Facturación". Until the shared document lands, they keep the workspace opened
// by the demo command themselves.
class CMenusFacturacion : public QObject {
    Q_OBJECT
public:
    explicit CMenusFacturacion(QMainWindow* frame);

    void CrearDemo();
    void AbrirFacturacion();

private:
    QMainWindow* m_frame;
    Database m_base;
};
