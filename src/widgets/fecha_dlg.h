#pragma once
#include <QDate>
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Fecha": day, month list and year with "-" / "+". "Aceptar" refuses an impossible date
// with "Fecha Errónea" and stays open; "Salir" cancels. With `conTamano` it also offers
// "Recibo Normal" (0) / "Recibo Tamaño Folio" (1).
class CFechaDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFechaDlg(QWidget* parent = nullptr, bool conTamano = false);

    QDate Fecha() const { return m_fecha; }   // valid once accepted
    int Tamano() const;
    void PonerFecha(const QDate& fecha);

    QLineEdit* Dia() const { return m_dia; }
    QComboBox* Mes() const { return m_mes; }
    QLineEdit* Anio() const { return m_anio; }
    QPushButton* BotonAceptar() const { return m_aceptar; }

    void accept() override;

private:
    QLineEdit* m_dia;
    QComboBox* m_mes;
    QLineEdit* m_anio;
    QPushButton* m_aceptar;
    QButtonGroup* m_tamano = nullptr;
    QDate m_fecha;
};
