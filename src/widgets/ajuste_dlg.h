#pragma once
#include <QDialog>

class QButtonGroup;
class QDialogButtonBox;
class QLineEdit;

// A small settings form. "Aceptar" stores what its boxes hold through Guardar() and closes
// the form only when Guardar() took them (else it has said why, and the form stays open);
// the other button closes it storing nothing.
class CAjusteDlg : public QDialog {
    Q_OBJECT
public:
    void accept() final;

protected:
    CAjusteDlg(QWidget* parent, const QString& titulo);

    // The "Aceptar" / `salir` pair for the foot of the form.
    QDialogButtonBox* Botones(const QString& salir);
    // A short number box, right-aligned.
    QLineEdit* CajaNumero(const QString& texto, int ancho);
    // Checks option `id` of `opciones`, or its first one when there is no such option.
    static void MarcarOpcion(QButtonGroup* opciones, int id);
    // The option checked, 0 when none is.
    static int OpcionMarcada(const QButtonGroup* opciones);

    // Checks and stores the boxes; false when one is refused.
    virtual bool Guardar() = 0;
};
