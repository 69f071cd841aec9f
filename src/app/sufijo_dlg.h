#pragma once
#include "widgets/ajuste_dlg.h"

// "Sufijo Recibo Banco": the suffix of the direct-debit file, 0 to 999.
class CSufijoDlg : public CAjusteDlg {
    Q_OBJECT
public:
    explicit CSufijoDlg(QWidget* parent = nullptr);
    QLineEdit* Sufijo() const { return m_sufijo; }

private:
    bool Guardar() override;

    QLineEdit* m_sufijo;
};
