#pragma once
// The one printer choice of every print job: the standard print dialog for the whole
// document (no page range, no selection; copies are the printer's own setting).
#include <memory>

class QPrinter;
class QWidget;

// Shows the print dialog on `impresora`, or on a new printer kept in `propia` when none is
// given (tests give one that prints to a PDF file). Returns the printer to print on, or
// none when the user cancelled.
QPrinter* ElegirImpresora(QWidget* parent, QPrinter* impresora, std::unique_ptr<QPrinter>& propia);

// The receipts' colour check: 1 for a colour printer; 0 for one set to grey, after the notice
// MENSAJE_AVISO_IMPRESION_RECIBO_COLOR (unless the user silenced it).
int ComprobarColor(QWidget* parent, const QPrinter& impresora);
