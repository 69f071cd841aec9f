#pragma once
// Printing the bank listings from the program: the print dialog first, then the printer's
// painter is handed to the page drawing of the logic classes.
class CFicheroCuaderno19;
class CInformeLineas;
class QWidget;

// Shows the print dialog; when confirmed prints `copias` copies of the remittance listing.
// Problems are shown over `parent`.
void ImprimirListadoRemesa(QWidget* parent, const CFicheroCuaderno19& fichero, int copias);
// The same for a line report.
void ImprimirInformeLineas(QWidget* parent, const CInformeLineas& informe, int copias);
