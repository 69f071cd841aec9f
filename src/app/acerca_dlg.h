#pragma once
#include <QDialog>

// "Acerca de Rentiva": the program's name and version, and "Aceptar".
class CAcercaDeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAcercaDeDlg(QWidget* parent = nullptr);
};
