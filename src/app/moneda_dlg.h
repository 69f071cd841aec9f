#pragma once
#include "widgets/ajuste_dlg.h"

// "Moneda": the currency's name (at most 15 characters) and symbol (one character).
class CMonedaDlg : public CAjusteDlg {
    Q_OBJECT
public:
    explicit CMonedaDlg(QWidget* parent = nullptr);
    QLineEdit* Nombre() const { return m_nombre; }
    QLineEdit* Simbolo() const { return m_simbolo; }

private:
    bool Guardar() override;

    QLineEdit* m_nombre;
    QLineEdit* m_simbolo;
};
