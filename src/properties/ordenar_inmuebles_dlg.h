#pragma once
// "Ordenar Inmuebles": six buttons, one per browsing order.
#include <QDialog>

class Database;
class QPushButton;

class COrdenarInmueblesDlg : public QDialog {
    Q_OBJECT
public:
    explicit COrdenarInmueblesDlg(QWidget* parent = nullptr);
    int Eleccion() const { return m_eleccion; }   // 1 to 6; 0 when closed without a choice
    QPushButton* Boton(int numero) const;

private:
    int m_eleccion = 0;
    QList<QPushButton*> m_botones;
};

// Shows the dialog and applies the choice: the index replaced in one transaction, then the
// number stored under Opciones/orden. Cancel or a failure (told) keep the order there was.
// True when a new order was applied.
bool ElegirOrdenInmuebles(QWidget* parent, Database& db);
