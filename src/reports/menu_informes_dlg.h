#pragma once
// "Informes", the reports menu: one button per report, then "Salir".
#include <QDialog>
#include <functional>

class QPushButton;
class QVBoxLayout;

class CMenuInformesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMenuInformesDlg(QWidget* parent = nullptr);
    // A button, above "Salir", that closes the menu and then runs `accion`.
    QPushButton* AnadirInforme(const QString& texto, std::function<void()> accion);

private:
    QVBoxLayout* m_botones;
};
