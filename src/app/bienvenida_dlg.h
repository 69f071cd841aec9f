#pragma once
#include <QDialog>

// The welcome shown once, at a user's first start.
class CBienvenidaDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBienvenidaDlg(QWidget* parent = nullptr);
};

// The first-start message box that follows the welcome.
void MostrarParaComenzar(QWidget* parent);
