#pragma once
#include <QDate>
#include <QDialog>

#include "billing/cobros.h"

class Database;
class QCheckBox;
class QComboBox;
class QSpinBox;

// "Buscar Recibos": owner, street, floor, tenant, states and period of the receipts to list.
class CBuscarRecibosDlg : public QDialog {
    Q_OBJECT
public:
    CBuscarRecibosDlg(Database& db, const QDate& hoy, QWidget* parent = nullptr);

    void accept() override;
    // What the form shows.
    BusquedaRecibos Busqueda() const;
    // Valid after "Buscar".
    const FiltroRecibos& Filtro() const { return m_filtro; }

    QComboBox* Propietario() const { return m_propietario; }
    QComboBox* Direccion() const { return m_direccion; }
    QComboBox* Piso() const { return m_piso; }
    QComboBox* Inquilino() const { return m_inquilino; }
    QCheckBox* Estado(int i) const { return m_estados[i]; }

private:
    // The street, floor and tenant lists for the owner and street shown.
    void RellenarDependientes();

    Database& m_db;
    FiltroRecibos m_filtro;
    bool m_rellenando = false;
    QComboBox *m_propietario, *m_direccion, *m_piso, *m_inquilino;
    QCheckBox* m_estados[6];
    QComboBox *m_mesDesde, *m_mesHasta;
    QSpinBox *m_anioDesde, *m_anioHasta;
};
