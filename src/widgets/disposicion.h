#pragma once
#include <QList>
#include <initializer_list>

class QDialog;
class QLayout;
class QVBoxLayout;
class QWidget;

// The fields of `raiz` in reading order, read from its layouts rather than from the order
// in which they were made: a box layout in its direction, a grid row by row and each row
// left to right, a form label before field, group boxes and scroll areas entered where
// they stand. Only widgets that take the focus with Tab are listed.
QList<QWidget*> CamposEnOrdenDeLectura(QWidget* raiz);

// Sets the Tab order of `dialogo` to its reading order and, each time it is shown, gives
// the focus to its first field (a writable box, a list, a choice) that is visible and
// enabled, or to its first button when it has no field. Call once the dialog's layouts
// are complete.
void OrdenLectura(QDialog* dialogo);

// Makes `contenido` the scrollable part of `dialogo`, with `botones` below it always in
// view: on a screen too small for the form the groups keep their size and the form
// scrolls. The dialog opens at the form's natural size, or the screen's if smaller.
void FormularioDesplazable(QDialog* dialogo, QLayout* contenido, QLayout* botones);
void FormularioDesplazable(QDialog* dialogo, QLayout* contenido, QWidget* botones);

// One part of a column: a widget or a layout of its own.
struct ParteColumna {
    ParteColumna(QWidget* w) : widget(w) {}
    ParteColumna(QLayout* l) : layout(l) {}
    QWidget* widget = nullptr;
    QLayout* layout = nullptr;
};

// Lays `partes` out top to bottom as the whole of `padre`.
QVBoxLayout* Columna(QWidget* padre, std::initializer_list<ParteColumna> partes);
