#pragma once
#include <QDialog>

#include "util/calculadora.h"

class QLineEdit;
class QPushButton;

// "Calculadora": a pocket calculator; nothing is copied anywhere when it closes.
// Keys work as on the buttons: digits, "." or ",", + - * /, Enter or "=", Supr for "Borrar".
class CCalculadoraDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCalculadoraDlg(QWidget* parent = nullptr);
    QLineEdit* Pantalla() const { return m_pantalla; }
    QPushButton* Tecla(const QString& texto) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Pulsar(const QString& tecla);

    Calculadora m_calc;
    QLineEdit* m_pantalla;
    QList<QPushButton*> m_teclas;
};
