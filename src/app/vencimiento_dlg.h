#pragma once
#include "widgets/ajuste_dlg.h"

// "Vencimiento Recibos": how receipts state their due date. 0 "A LA VISTA", 1 a day of
// the current month (1 to 27), 2 a free text of at most 20 characters.
class CVencimientoDlg : public CAjusteDlg {
    Q_OBJECT
public:
    explicit CVencimientoDlg(QWidget* parent = nullptr);
    QButtonGroup* Opciones() const { return m_opciones; }
    QLineEdit* Dia() const { return m_dia; }
    QLineEdit* Otro() const { return m_otro; }

private:
    bool Guardar() override;

    QButtonGroup* m_opciones;
    QLineEdit* m_dia;
    QLineEdit* m_otro;
};
