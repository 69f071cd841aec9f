#pragma once
#include <QDateTime>
#include <QDialog>

class QButtonGroup;
class QLineEdit;

// "Ficha Cobros": the collection state of one receipt and its collection date.
// The caller stores what it returns.
class CFichaCobroDlg : public QDialog {
    Q_OBJECT
public:
    CFichaCobroDlg(int estado, const QDateTime& fechaCobro, QWidget* parent = nullptr);
    int Estado() const;             // 0..5, the checked radio button
    QDateTime FechaCobro() const;   // the date shown, at midnight

    void accept() override;

private:
    void ElegirFecha();

    QButtonGroup* m_estados;
    QLineEdit* m_fecha;
};
