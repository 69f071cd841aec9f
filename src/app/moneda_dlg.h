#pragma once
#include <QDialog>

class QLineEdit;

// "Moneda": the currency's name (at most 15 characters) and symbol (one character).
class CMonedaDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMonedaDlg(QWidget* parent = nullptr);
    QLineEdit* Nombre() const { return m_nombre; }
    QLineEdit* Simbolo() const { return m_simbolo; }
    void accept() override;

    static constexpr int kLongitudNombre = 15;
    static constexpr int kLongitudSimbolo = 1;

private:
    QLineEdit* m_nombre;
    QLineEdit* m_simbolo;
};
