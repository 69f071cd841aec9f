#pragma once
#include <QDialog>

class QLineEdit;

// "Sufijo Recibo Banco": the suffix of the direct-debit file, 0 to 999.
class CSufijoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSufijoDlg(QWidget* parent = nullptr);
    QLineEdit* Sufijo() const { return m_sufijo; }
    void accept() override;

    static constexpr int kSufijoMaximo = 999;

private:
    QLineEdit* m_sufijo;
};
