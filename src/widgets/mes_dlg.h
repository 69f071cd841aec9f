#pragma once
#include <QDate>
#include <QDialog>

class QComboBox;
class QLineEdit;

// "Selección del mes": month list and year (1990 to 2099) with "-" / "+".
// "Aceptar" returns the first day of the chosen month.
class CMesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMesDlg(QWidget* parent = nullptr);

    QDate Fecha() const { return m_fecha; }   // valid once accepted
    void PonerFecha(const QDate& fecha);

    QComboBox* Mes() const { return m_mes; }
    QLineEdit* Anio() const { return m_anio; }

    void accept() override;

    static constexpr int kAnioMinimo = 1990;
    static constexpr int kAnioMaximo = 2099;

private:
    QComboBox* m_mes;
    QLineEdit* m_anio;
    QDate m_fecha;
};

class QHBoxLayout;
class QWidget;
// The year box with its "-" and "+" buttons, shared by the date and month dialogs.
QHBoxLayout* FilaAnio(QWidget* dialogo, QLineEdit* anio, int minimo, int maximo);
