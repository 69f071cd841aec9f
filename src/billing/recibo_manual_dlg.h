#pragma once
#include <QDialog>

#include "receipts/impresion_recibo.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPrinter;

// "Recibo" of the tools menu: a blank receipt typed and printed, stored nowhere.
class CReciboManualDlg : public QDialog {
    Q_OBJECT
public:
    CReciboManualDlg(const AjustesRecibo& ajustes, QWidget* parent = nullptr);

    // The form as a receipt to draw; the Spanish reason when an amount cannot be read.
    QString Leer(CImpresionRecibo& r) const;
    // "&Imprimir": the receipt band, then the notice on generating receipts.
    void Imprimir(QPrinter* impresora = nullptr);
    void ActualizarTotal();

    QLineEdit* Campo(const QString& nombre) const;   // by object name
    QLineEdit* Importe(int i) const { return m_importes[i]; }   // renta, 3 concepts, tax 1, tax 2
    QLineEdit* Total() const { return m_total; }

private:
    AjustesRecibo m_ajustes;
    QLineEdit *m_numero, *m_localidad, *m_total, *m_direccion, *m_piso;
    QDateEdit* m_fecha;
    QLineEdit* m_importes[6];
    QLineEdit* m_conceptos[3];
    QLineEdit *m_arrendatario, *m_docArrendatario, *m_arrendador, *m_docArrendador;
};
