#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "Cálculo de NIF y CCC": computes the check digits of a bank account and the letter of an
// identity number (DNI, or NIE with its X, Y or Z) typed by the user. Empty fields count as
// zeros; it shows no messages.
class CCalculoNifCccDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCalculoNifCccDlg(QWidget* parent = nullptr);

    void Calcular();

    QLineEdit* m_banco;
    QLineEdit* m_sucursal;
    QLineEdit* m_cuenta;
    QLineEdit* m_dc;
    QLineEdit* m_nif;
    QLineEdit* m_letra;
    QPushButton* m_calcular;
    QPushButton* m_salir;
};
