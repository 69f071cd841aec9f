#pragma once
#include <QDialog>

class QLineEdit;

// "Impuestos": names (at most 20 characters) and rates (-99 to 99) of the two taxes.
// Confirming rewrites all four values and shows the tax-change notice.
class CImpuestosDlg : public QDialog {
    Q_OBJECT
public:
    explicit CImpuestosDlg(QWidget* parent = nullptr);
    QLineEdit* Nombre(int tipo) const { return m_nombre[tipo == 2]; }
    QLineEdit* Porcentaje(int tipo) const { return m_porcentaje[tipo == 2]; }
    void accept() override;

    static constexpr int kLongitudNombre = 20;
    static constexpr int kPorcentajeMaximo = 99;

private:
    QLineEdit* m_nombre[2];
    QLineEdit* m_porcentaje[2];
};
