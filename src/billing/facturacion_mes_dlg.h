#pragma once
#include <QDate>
#include <QDialog>

class QComboBox;
class QLineEdit;

// The billing month dialog ("Facturación"): month, year and the run's notes. Month and
// year are free only on the first run; later the year moves with "-" and "+" alone.
class CFacturacionMesDlg : public QDialog {
    Q_OBJECT
public:
    CFacturacionMesDlg(const QDate& propuesta, bool primera, QWidget* parent = nullptr);
    QDate Fecha() const;      // day 1 of the chosen month
    QString Notas() const;

    void accept() override;

private:
    void CambiarAnio(int delta);

    QComboBox* m_mes;
    QLineEdit* m_anio;
    QLineEdit* m_notas;
};
