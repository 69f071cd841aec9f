#pragma once
#include <QString>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

// Shared helpers for the small dialogs: each check shows its message over `dialogo`,
// puts the focus back on the offending box and returns false, so the dialog stays open.

bool ComprobarEntero(QWidget* dialogo, QLineEdit* caja, int minimo, int maximo, int* valor);
bool ComprobarLongitud(QWidget* dialogo, QLineEdit* caja, int maximo);

// Typing cannot make the box longer than `maximo`, but a longer text loaded into it is
// kept as it is (it is refused on confirmation), and deleting from it is still possible.
void LimitarLongitud(QLineEdit* caja, int maximo);

// The confirm / cancel pair of a dialog, wired to accept() and reject(); the first is the
// default button, so Enter confirms and Escape cancels.
QDialogButtonBox* BotonesDialogo(QDialog* dialogo, const QString& aceptar, const QString& cancelar);
