#pragma once
// The one printer choice of every print job: the standard print dialog for the whole
// document (no page range, no selection; copies are the printer's own setting).
class QPrinter;
class QWidget;

// Shows the print dialog on `impresora`; true when the user confirmed it.
bool ElegirImpresora(QWidget* parent, QPrinter& impresora);

// The receipts' colour check: 1 for a colour printer; 0 for one set to grey, after the notice
// MENSAJE_AVISO_IMPRESION_RECIBO_COLOR (unless the user silenced it).
int ComprobarColor(QWidget* parent, const QPrinter& impresora);
