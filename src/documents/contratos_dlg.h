#pragma once
#include <QDialog>
#include <array>

#include "documents/contrato.h"
#include "documents/documentos_dlg.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Contratos": the options of the lease contract of one property, the money handed over at
// signing, the built-in contract text, contract models, and the first-payment receipt.
class CContratosDlg : public QDialog {
    Q_OBJECT
public:
    CContratosDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno);

    // Shows why the contract cannot be prepared (no owner, no date) and returns at once.
    int exec() override;
    bool Preparado() const { return m_preparado; }
    const DatosContrato& Datos() const { return m_datos; }
    QPushButton* Boton(const QString& texto) const;

    // "Ver/Modificar Contrato": the built-in text in the text window.
    void VerContrato();
    // "Cargar Modelo": the model filled into a new file of the documents folder, then opened.
    // Returns the file written (empty when nothing was).
    QString CargarModelo(const QString& modelo);
    void OpcionesAvanzadas();
    // "Aceptar": the first-payment question, the receipt and its modification form.
    void accept() override;

private:
    QWidget* CrearOpciones();
    QWidget* CrearPagos();
    void LeerFormulario();
    void Mostrar();
    void ElegirModelo();
    void ImprimirContrato();

    Database& m_db;
    EntornoDocumentos m_entorno;
    DatosContrato m_datos;
    bool m_preparado = false;
    QString m_error;

    std::array<QCheckBox*, 5> m_equipo{};   // furnished, washing machine, fridge, kitchen, television
    QLineEdit *m_otroEquipo, *m_duracion, *m_ocupantes, *m_avalNumero, *m_avalBanco;
    std::array<QRadioButton*, 3> m_formaPago{};
    QLineEdit *m_etiquetaFianza, *m_fianza, *m_total;
    std::array<QCheckBox*, 4> m_casillas{};
    std::array<QLineEdit*, 4> m_importes{};
    QCheckBox* m_otrosConceptos;
    QList<QPushButton*> m_botones;
};
