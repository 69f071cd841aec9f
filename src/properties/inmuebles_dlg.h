#pragma once
#include <QDialog>
#include <array>
#include <memory>

#include "properties/inmuebles.h"

class Database;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Inmuebles": the property with its tenant, rent, concepts, taxes and account. Every
// move stores the current property first; a refused store keeps the form where it is.
class CInmueblesDlg : public QDialog {
    Q_OBJECT
public:
    // `ref` above 0 shows only that property (browsing off); `fuente` as in Inmuebles.
    CInmueblesDlg(QWidget* parent, Database& db, qint64 ref = 0, const QString& fuente = QString());
    ~CInmueblesDlg() override;

    int exec() override;   // returns at once when the form could not open
    bool BusquedaPedida() const { return m_busquedaPedida; }
    // Shows a blank new property (the first-property step), nothing stored yet.
    void EmpezarNuevoInmueble() { EmpezarNuevo(); }

    QPushButton* Boton(const QString& texto) const;
    QComboBox* ListaPropietarios() const { return m_propietario; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Mover(void (Inmuebles::*paso)());
    void Nuevo();
    void Borrar();
    void Aceptar();
    void Impuesto(int tipo);
    void FechaContrato();
    void EnviarEmail();
    void Facturar();
    void ReciboFisico();
    void ReciboBanco();
    void Calculadora();
    void ReleerImportes();

    bool Guardar();
    bool NuevoSinTocar() const;
    void MostrarActual();
    void EmpezarNuevo();
    void Mostrar(const FichaInmueble& d);
    void MostrarImportes(const FichaInmueble& d);
    FichaInmueble LeerFormulario() const;   // throws on an unreadable amount or date
    void LeerImportes(FichaInmueble& d) const;
    void ActualizarEstado();
    void Error(const std::exception& e);

    Database& m_db;
    std::unique_ptr<Inmuebles> m_inmuebles;
    FichaInmueble m_actual;
    bool m_esNuevo = false;
    bool m_navegar = true;
    bool m_cuentaBuena = false;
    bool m_busquedaPedida = false;
    bool m_noAbrir = false;

    QComboBox* m_via;
    QComboBox* m_direccion;
    QLineEdit* m_piso;
    QLabel* m_textoPropietario;
    QLabel* m_textoDireccion;
    QComboBox* m_tipo;
    QComboBox* m_localidad;
    QLineEdit* m_cp;
    QComboBox* m_propietario;
    QLineEdit* m_refCatastral;
    QLineEdit* m_inquilino;
    QLineEdit* m_direccionInquilino;
    QLineEdit* m_banco;
    QLineEdit* m_sucursal;
    QLineEdit* m_dc;
    QLineEdit* m_ccc;
    QComboBox* m_docTipo;
    QLineEdit* m_docNumero;
    QLineEdit* m_nacionalidad;
    QLineEdit* m_movil;
    QLineEdit* m_telefono;
    QLineEdit* m_fecha;
    QLineEdit* m_email;
    QLineEdit* m_notaRecibo;
    QPlainTextEdit* m_notas;
    QPlainTextEdit* m_equipamiento;
    QLineEdit* m_codref;
    std::array<QLineEdit*, 6> m_importes{};   // rent, three concepts, first tax, second tax
    std::array<QLineEdit*, 3> m_conceptos{};
    QLineEdit* m_total;
    QCheckBox* m_reciboFisico;
    QCheckBox* m_reciboBanco;
    QCheckBox* m_numerar;
    QPushButton* m_impuesto1;
    QPushButton* m_impuesto2;
    QList<QPushButton*> m_botones;
    QList<QPushButton*> m_navegacion;
    QPushButton* m_enviarEmail;
};
