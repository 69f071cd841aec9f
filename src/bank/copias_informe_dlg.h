#pragma once
#include <QDialog>

class QLineEdit;

// "Informe Facturación": how many copies of the remittance listing to print (0 to 10).
class CCopiasInformeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinimo = 0;
    static constexpr int kMaximo = 10;

    explicit CCopiasInformeDlg(QWidget* parent = nullptr, int copias = 2);
    int Copias() const { return m_copias; }
    QLineEdit* Caja() const { return m_caja; }
    void accept() override;

public slots:
    void Menos();
    void Mas();

private:
    // The box read as a count, kept inside the limits; the current count when not a number.
    int Leer() const;
    QLineEdit* m_caja;
    int m_copias;
};
