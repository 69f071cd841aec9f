#pragma once
#include <QDialog>

class QLineEdit;

// The custom update's prompt: a file name, every letter turned to upper case as typed.
class CPedirTextoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPedirTextoDlg(QWidget* parent = nullptr);
    QString Texto() const;
    QLineEdit* Entrada() const { return m_entrada; }

private:
    QLineEdit* m_entrada;
};
