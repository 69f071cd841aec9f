#include "properties/comandos_propiedades_dlg.h"
#include "properties/buscar_inmueble_dlg.h"

#include <QMessageBox>

#include "properties/requisitos_menu.h"
#include "data/database.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios.h"
#include "properties/propietarios_dlg.h"
#include "util/errores.h"

void AbrirPropietarios(QWidget* parent, Database& db)
{
    if (!db.isOpen()) {
        QMessageBox::warning(parent, QStringLiteral("Propietarios"), QStringLiteral("No hay base abierta"));
        return;
    }
    CPropietariosDlg dlg(parent, db);
    dlg.exec();
}

bool AbrirInmuebles(QWidget* parent, Database& db)
{
    if (!db.isOpen()) {
        QMessageBox::warning(parent, QStringLiteral("Inmuebles"), QStringLiteral("No hay base abierta"));
        return false;
    }
    bool pedida = false;
    {
        CInmueblesDlg dlg(parent, db);
        dlg.exec();
        pedida = dlg.BusquedaPedida();
    }
    // "Buscar" of the form: the form is closed, the search opens.
    if (pedida)
        AbrirBusquedaInmuebles(parent, db);
    return pedida;
}

void AbrirInmuebleElegido(QWidget* parent, Database& db, qint64 ref)
{
    bool pedida = false;
    {
        CInmueblesDlg dlg(parent, db, ref);
        dlg.exec();
        pedida = dlg.BusquedaPedida();
    }
    if (pedida)
        AbrirBusquedaInmuebles(parent, db);
}

void PasoPrimerPropietario(QWidget* parent, Database& db)
{
    if (!db.isOpen())
        return;
    try {
        if (HayPropietarios(db))
            return;
        {
            CPropietariosDlg propietarios(parent, db);
            propietarios.exec();
        }
        if (!HayPropietarios(db)) {
            QMessageBox::information(parent, QStringLiteral("Rentiva"),
                                     QStringLiteral("Primero debe crear un propietario"));
            return;
        }
        CInmueblesDlg inmuebles(parent, db);
        inmuebles.EmpezarNuevoInmueble();
        inmuebles.exec();
    } catch (const std::exception&) {
        QMessageBox::warning(parent, QStringLiteral("Rentiva"),
                             kErrorPropietarios);
    }
}
