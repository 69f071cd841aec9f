#include "widgets/impresora_dlg.h"

#include <QPrintDialog>
#include <QPrinter>

#include "widgets/aviso_dlg.h"

QPrinter* ElegirImpresora(QWidget* parent, QPrinter* impresora, std::unique_ptr<QPrinter>& propia)
{
    if (!impresora) {
        propia = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impresora = propia.get();
    }
    QPrintDialog dialogo(impresora, parent);
    // Printing to a PDF file stays possible: on this platform it is how many users keep a copy.
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialogo.exec() == QDialog::Accepted ? impresora : nullptr;
}

int ComprobarColor(QWidget* parent, const QPrinter& impresora)
{
    // Qt knows only colour and grey: the "Error color impresora" case has no counterpart.
    if (impresora.colorMode() == QPrinter::GrayScale) {
        CAvisoDlg(parent, Aviso::ImpresionReciboColor).Mostrar();
        return 0;
    }
    return 1;
}
