#pragma once
#include <QDialog>
#include <memory>

#include "properties/propietarios.h"

class Database;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Propietarios": create, browse, edit and delete owners. Every move stores the current
// owner first; "Salir" drops the pending edit.
class CPropietariosDlg : public QDialog {
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

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Anterior();
    void Siguiente();
    void Nuevo();
    void Borrar();
    void Aceptar();

    bool Guardar();
    void MostrarActual();            // the cursor's row, or a new owner on an empty table
    void EmpezarNuevo();
    void Mostrar(const FichaPropietario& d);
    FichaPropietario LeerFormulario() const;
    void ActualizarEstado();
    void Error(const std::exception& e);

    Database& m_db;
    std::unique_ptr<Propietarios> m_propietarios;
    FichaPropietario m_actual;
    bool m_esNuevo = false;

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
    QLineEdit* m_banco;
    QLineEdit* m_sucursal;
    QLineEdit* m_dc;
    QLineEdit* m_ccc;
    QLineEdit* m_datosBanco;
    QPlainTextEdit* m_notas;
    QPushButton* m_anterior;
    QPushButton* m_siguiente;
    QPushButton* m_nuevo;
    QPushButton* m_borrar;
    QPushButton* m_aceptar;
    QPushButton* m_salir;
};
