#pragma once
// Printing the remittance listing from the program.
class CFicheroCuaderno19;
class QWidget;

// Shows the print dialog; when confirmed prints `copias` copies of the remittance listing.
// Problems are shown over `parent`.
void ImprimirListadoRemesa(QWidget* parent, const CFicheroCuaderno19& fichero, int copias);
