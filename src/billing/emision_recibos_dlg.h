#pragma once
#include <QDate>
#include <QDialog>

#include "billing/facturaciones.h"

class Database;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Emisión Recibos": the owner whose receipts are issued and the charge date, for the run of
// one month. With `todos` (paper receipts) "TODOS" comes first and the charge fields hide.
class CEmisionRecibosDlg : public QDialog {
    Q_OBJECT
public:
    CEmisionRecibosDlg(Database& db, const QDate& mes, bool todos, const ReglaVencimiento& regla,
                       QWidget* parent = nullptr);

    int exec() override;
    void accept() override;

    // The owner chosen; empty for "TODOS".
    QString Propietario() const;
    // Valid after "Aceptar".
    const FechasEmision& Fechas() const { return m_fechas; }

    QComboBox* Propietarios() const { return m_propietarios; }
    QSpinBox* DiaCobro() const { return m_dia; }
    QComboBox* MesCobro() const { return m_mes; }
    QSpinBox* AnioCobro() const { return m_anio; }
    QPushButton* Menos() const { return m_menos; }

private:
    bool m_todos;
    QDate m_facturacion;
    QString m_error;   // why the dialog cannot open
    FechasEmision m_fechas;
    QComboBox* m_propietarios;
    QSpinBox* m_dia;
    QComboBox* m_mes;
    QSpinBox* m_anio;
    QPushButton* m_menos;
};
