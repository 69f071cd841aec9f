#pragma once
#include <array>
#include <memory>
#include <utility>

#include "properties/campos_sepa_widget.h"
#include "properties/propietarios.h"
#include "widgets/ficha_dlg.h"

class CPropietarioSet;
class Database;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Propietarios": create, browse, edit and delete owners. Every move stores what the user
// changed in the current owner first; "Salir" drops the pending edit.
class CPropietariosDlg : public CFichaDlg {
    Q_OBJECT
public:
    CPropietariosDlg(QWidget* parent, Database& db);
    ~CPropietariosDlg() override;

    // Buttons, for the main window's keyboard users and for tests.
    QPushButton* BotonAnterior() const { return m_anterior; }
    QPushButton* BotonSiguiente() const { return m_siguiente; }
    QPushButton* BotonNuevo() const { return m_nuevo; }
    QPushButton* BotonBorrar() const { return m_borrar; }
    QPushButton* BotonAceptar() const { return m_aceptar; }
    QPushButton* BotonSalir() const { return m_salir; }

private:
    void CrearCampos();
    void Colocar();
    void Mover(int pasos);
    void Nuevo();
    void Borrar();
    void Aceptar();

    bool Abierta() const override { return m_set != nullptr; }
    bool GuardarCambios(const QSet<QString>& cambiados) override;
    void MostrarActual();            // the current row, or a new owner on an empty table
    void EmpezarNuevo();
    void Mostrar(const FichaPropietario& d);
    FichaPropietario LeerFormulario() const;
    // The plain text boxes and the fields of the owner they hold.
    std::array<std::pair<QLineEdit*, QString FichaPropietario::*>, 9> Textos() const;
    void ActualizarEstado();

    Database& m_db;
    std::unique_ptr<CPropietarioSet> m_set;
    FichaPropietario m_actual;

    QLineEdit* m_nombre;
    QComboBox* m_docTipo;
    QLineEdit* m_docNumero;
    QComboBox* m_via;
    QLineEdit* m_direccion;
    QLineEdit* m_piso;
    QLineEdit* m_localidad;
    QLineEdit* m_movil;
    QLineEdit* m_telefono;
    QLineEdit* m_cp;
    QLineEdit* m_numeroRecibo;
    CamposCuenta m_cuenta;
    QLineEdit* m_datosBanco;
    CamposSepa m_sepa;
    QPlainTextEdit* m_notas;
    QPushButton* m_anterior;
    QPushButton* m_siguiente;
    QPushButton* m_nuevo;
    QPushButton* m_borrar;
    QPushButton* m_aceptar;
    QPushButton* m_salir;
};
