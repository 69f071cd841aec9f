#pragma once
// Printing listings from the program: the print dialog first, then the printer's painter is
// handed to the page drawing of the logic classes.
#include <QString>

#include "reports/pagina_listado.h"

class CInformeLineas;
class QPrinter;
class QWidget;

// Shows the print dialog and, when confirmed, prints `copias` copies, each its own document
// named `documento`. A printer that cannot print at all is reported over `parent`; a copy
// whose document does not start is skipped. `impresora` lets a caller (a test) supply the
// printer to set up. True when the dialog was confirmed and the printer could print; when
// no copy's document starts, that is told and the answer is false.
bool ImprimirCopias(QWidget* parent, const QString& documento, int copias,
                    const pagina_listado::Dibujo& dibujar, QPrinter* impresora = nullptr);

// A line report in `copias` copies (document "Informe").
bool ImprimirInformeLineas(QWidget* parent, const CInformeLineas& informe, int copias,
                           QPrinter* impresora = nullptr);
