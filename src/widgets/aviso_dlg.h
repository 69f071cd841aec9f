#pragma once
#include <QDialog>

#include "settings/avisos.h"

class QCheckBox;

// A hint that the user can silence for good. Mostrar() returns at once when silenced;
// only "Aceptar" stores the check box, Esc or the close box store nothing.
class CAvisoDlg : public QDialog {
    Q_OBJECT
public:
    CAvisoDlg(QWidget* parent, Aviso aviso);
    CAvisoDlg(QWidget* parent, int aviso);
    int Mostrar();
    QCheckBox* Casilla() const { return m_casilla; }
    QString Clave() const { return m_aviso.clave; }
    QString Texto() const { return m_aviso.texto; }
private:
    void Aceptar();
    TextoAviso m_aviso;
    int m_estado = 0;
    QCheckBox* m_casilla = nullptr;
};
