#pragma once
// "Filtro Inmuebles": the selection of the property listing; "Aceptar" stages it and shows
// the listing in the report viewer.
#include <QDialog>
#include <array>
#include <functional>

#include "reports/listado_inmuebles.h"

class Database;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CFiltroInmueblesDlg : public QDialog {
    Q_OBJECT
public:
    CFiltroInmueblesDlg(QWidget* parent, Database& db);

    CriteriosInmuebles Criterios() const;
    void Aceptar();

    QComboBox* Direccion() const { return m_direccion; }
    QLineEdit* Piso() const { return m_piso; }
    QComboBox* Localidad() const { return m_localidad; }
    QComboBox* Propietario() const { return m_propietario; }
    QLineEdit* Inquilino() const { return m_inquilino; }
    QComboBox* MesContrato() const { return m_mes; }
    QLineEdit* Referencia() const { return m_referencia; }
    QComboBox* Flag(int fila) const { return m_flags[size_t(fila)]; }
    QCheckBox* Marca(int fila) const { return m_marcas[size_t(fila)]; }

    // Shows the listing (lines, title); by default the report viewer, tests replace it.
    static std::function<void(QWidget*, const QStringList&, const QString&)> s_mostrar;

private:
    // A row of the form's top: its caption, its box and the criterion the box holds.
    struct Fila {
        const char* rotulo;
        QWidget* caja;
        QString CriteriosInmuebles::*criterio;
    };
    std::array<Fila, 6> Filas() const;

    Database& m_db;
    QComboBox* m_direccion;
    QLineEdit* m_piso;
    QComboBox* m_localidad;
    QComboBox* m_propietario;
    QLineEdit* m_inquilino;
    QComboBox* m_mes;
    QLineEdit* m_referencia;
    std::array<QComboBox*, 3> m_flags{};
    std::array<QCheckBox*, 3> m_marcas{};
};
