#pragma once
#include <QDialog>

#include "billing/edicion_recibo.h"

class Database;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;

// "Modificar Recibo": edits one staged receipt. "Aceptar" stores the staged row; the
// caller then writes it back to `recibo`. Tenant and receipt number are shown only.
class CModificarReciboDlg : public QDialog {
    Q_OBJECT
public:
    CModificarReciboDlg(QWidget* parent, Database& db, qint64 ref);
    const ReciboEmision& Recibo() const { return m_recibo; }

    void accept() override;
    // "Imprimir Recibo/Factura" (receipt band) or "Imprimir Factura tamaño A4" (invoice).
    void Imprimir(bool a4);
    // The printer the print buttons set up; none asks for a new one each time.
    void PonerImpresora(QPrinter* impresora) { m_impresora = impresora; }

private:
    void Mostrar();
    bool Leer();
    void MostrarTotal();

    Database& m_db;
    ReciboEmision m_recibo;
    QLineEdit *m_direccion, *m_piso, *m_propietario, *m_inquilino, *m_docNum, *m_codref,
        *m_numero, *m_fechaCobro, *m_fechaFacturacion, *m_banco, *m_sucursal, *m_dc, *m_ccc;
    QComboBox* m_docTipo;
    QCheckBox *m_numerar, *m_reciboBanco, *m_reciboFisico;
    QPlainTextEdit* m_notas;
    QLineEdit* m_importes[6];    // renta, concepto 1..3, impuesto 1, impuesto 2
    QLineEdit* m_conceptos[3];
    QLabel* m_total;
    QPrinter* m_impresora = nullptr;
};

// Stages receipt `ref`, shows the modification form and, when it is confirmed, writes
// the staged row back. Errors are shown to the user. True when the receipt was changed.
bool EditarRecibo(QWidget* parent, Database& db, qint64 ref);
