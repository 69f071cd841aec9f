#pragma once
#include <QList>
#include <QSet>
#include <array>
#include <memory>

#include "properties/campos_sepa_widget.h"
#include "properties/inmuebles.h"
#include "widgets/ficha_dlg.h"

class CInmuebleSet;
class Database;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Inmuebles": the property with its tenant, rent, concepts, taxes and account. Every
// move stores what the user changed in the current property first; a refused store keeps
// the form where it is.
class CInmueblesDlg : public CFichaDlg {
    Q_OBJECT
public:
    // `ref` above 0 shows only that property (browsing off); `coincidencias`, when given,
    // the only properties browsed (those a search found).
    CInmueblesDlg(QWidget* parent, Database& db, qint64 ref = 0, const QList<qint64>& coincidencias = {});
    ~CInmueblesDlg() override;

    int exec() override;   // returns at once when the form could not open
    bool BusquedaPedida() const { return m_busquedaPedida; }
    // Shows a blank new property (the first-property step), nothing stored yet.
    void EmpezarNuevoInmueble() { EmpezarNuevo(); }

    QPushButton* Boton(const QString& texto) const;
    QComboBox* ListaPropietarios() const { return m_propietario; }

private:
    // Building the form, in the order the constructor runs them.
    void CrearCampos();
    void CrearBotones();
    QGroupBox* GrupoInmueble();
    QGroupBox* GrupoInquilino();
    QGroupBox* GrupoAlquiler();
    void Colocar();
    void Conectar();
    bool Abrir(qint64 ref);   // lists and properties; false when the form cannot open

    void Mover(int pasos);
    void Nuevo();
    void Borrar();
    void Aceptar();
    void Impuesto(int tipo);
    void FechaContrato();
    void EnviarEmail();
    void Calculadora();
    // Run once the property is saved (Conectar saves it first).
    void Facturar();
    void ReciboFisico();
    void ReciboBanco();
    void Facturado();
    void Documentos();
    void CartaAumento();
    void ReleerImportes();
    // "Buscar", "Ordenar" and "Imprimir" (inmuebles_herramientas_dlg.cpp).
    void PedirBusqueda();
    void Ordenar();
    void Imprimir();

    bool Abierta() const override { return m_set != nullptr; }
    bool GuardarCambios(const QSet<QString>& cambiados) override;
    bool NuevoSinTocar() const;
    void MostrarActual();
    void EmpezarNuevo();
    void Mostrar(const FichaInmueble& d);
    void MostrarImportes(const FichaInmueble& d);
    // Throws on an unreadable amount or date among the fields it reads: all of a new
    // property, only `cambiados` of a stored one.
    FichaInmueble LeerFormulario(const QSet<QString>& cambiados) const;
    void LeerImportes(FichaInmueble& d, const QSet<QString>* solo = nullptr) const;
    void ActualizarEstado();

    Database& m_db;
    std::unique_ptr<CInmuebleSet> m_set;
    FichaInmueble m_actual;
    bool m_navegar = true;
    bool m_cuentaBuena = false;
    bool m_busquedaPedida = false;
    bool m_noAbrir = false;
    QList<qint64> m_coincidencias;

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
    CamposCuenta m_cuenta;
    CamposSepa m_sepa;
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

    std::array<int, 2> m_porcentajes{};   // the two tax rates the buttons apply
    QPushButton* m_impuesto1;
    QPushButton* m_impuesto2;
    QPushButton* m_fechaContrato;
    QPushButton* m_enviarEmail;
    QPushButton* m_facturar;
    QPushButton* m_botonReciboFisico;
    QPushButton* m_botonReciboBanco;
    QPushButton* m_facturado;
    QPushButton* m_calculadora;
    QPushButton* m_documentos;
    QPushButton* m_ipc;
    QPushButton* m_buscar;
    QPushButton* m_ordenar;
    QPushButton* m_imprimir;
    QPushButton* m_nuevo;
    QPushButton* m_borrar;
    QPushButton* m_aceptar;
    QPushButton* m_cancelar;
    QList<QPushButton*> m_botones;
    QList<QPushButton*> m_navegacion;   // "<<", "<", ">", ">>"
};
