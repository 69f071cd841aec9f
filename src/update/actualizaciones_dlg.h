#pragma once
#include <QDialog>

#include "update/actualizacion.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Actualizaciones": the automatic-update choice, the server, and the checks. It ends with
// OK only when a release was downloaded and handed to utilidad; the caller then closes the
// program so that utilidad can replace it.
class CDlgActualizaciones : public QDialog {
    Q_OBJECT
public:
    // `opciones` carry the program's folder, the hand-over and the server read by the caller.
    CDlgActualizaciones(CActualizador& actualizador, const OpcionesActualizacion& opciones,
                        QWidget* parent = nullptr);

    QLineEdit* Servidor() const { return m_servidor; }
    QRadioButton* Automatica() const { return m_automatica; }
    QPushButton* Ahora() const { return m_ahora; }
    QPushButton* Personalizada() const { return m_personalizada; }

    // "Salir" and Escape: the choice and the server are kept, the dialog ends with Cancel.
    void reject() override;

private:
    void ActualizarAhora();
    void ActualizacionPersonalizada();
    void Comprobar(const QString& nombre);
    void Guardar();

    CActualizador& m_actualizador;
    OpcionesActualizacion m_opciones;
    QLineEdit* m_servidor;
    QRadioButton* m_manual;
    QRadioButton* m_automatica;
    QPushButton* m_ahora;
    QPushButton* m_personalizada;
};
