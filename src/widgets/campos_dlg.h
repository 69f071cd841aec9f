#pragma once
#include <QBoxLayout>
#include <QList>
#include <QPushButton>
#include <QString>
#include <exception>
#include <initializer_list>

class Moneda;
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

// A button added to `fila` that runs `accion` of `receptor` when clicked. It is not a default
// button: Enter in a field does not press it.
template <class Receptor, class Accion>
QPushButton* BotonEnFila(Receptor* receptor, QBoxLayout* fila, const QString& texto, Accion accion)
{
    auto* b = new QPushButton(texto, receptor);
    b->setAutoDefault(false);
    fila->addWidget(b);
    QObject::connect(b, &QPushButton::clicked, receptor, accion);
    return b;
}

// The buttons at the foot of a form, pushed to the right in the order given.
QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones);

// The button of `botones` that reads `texto`, or null when none does.
QPushButton* BotonConTexto(const QList<QPushButton*>& botones, const QString& texto);

// Asks where to save a new file, proposing `nombre` and adding `sufijo` when the user
// types none. Empty when the user cancels.
QString RutaGuardar(QWidget* padre, const QString& titulo, const QString& nombre, const QString& filtro,
                    const QString& sufijo);

// Why the amounts of receipt `r` cannot be added up (their sum overflows), or empty.
template <class Recibo>
QString ErrorSumaImportes(const Recibo& r)
{
    try {
        (void)r.Total();
    } catch (const std::exception&) {
        return QStringLiteral("La suma de los importes es demasiado grande.");
    }
    return QString();
}

// Reads the six amount boxes of a receipt (rent, three concepts, first tax, second tax) into
// `destinos`, each rounded to the cent, an empty box as zero. Returns the first text that is
// no amount, or an empty string when every box reads.
QString LeerImportes(QLineEdit* const (&cajas)[6], Moneda* const (&destinos)[6]);
