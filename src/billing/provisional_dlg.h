#pragma once
// Stand-ins for the shared date and month dialogs and the notices, used by billing until
// they land; replaced by the shared ones then.
#include <QDate>
#include <QDialog>

class QComboBox;
class QSpinBox;

namespace provisional {

// "Selección del mes": month list and year 1990..2099; Fecha() is day 1 of the month.
class CMesDlg : public QDialog {
public:
    explicit CMesDlg(QWidget* parent = nullptr, const QString& titulo = QStringLiteral("Selección del mes"));
    QDate Fecha() const;
protected:
    QComboBox* m_mes;
    QSpinBox* m_anio;
};

// "Fecha": a whole date.
class CFechaDlg : public CMesDlg {
public:
    explicit CFechaDlg(QWidget* parent = nullptr);
    QDate Fecha() const;
    void accept() override;
private:
    QSpinBox* m_dia;
};

void AvisoFacturacionIndividual(QWidget* parent);

}  // namespace provisional
