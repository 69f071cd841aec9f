#include "bank/impresion_listado_dlg.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <exception>

#include "bank/fichero_cuaderno19.h"
#include "bank/informe_lineas.h"
#include "util/errores.h"

namespace {

template <class F>
void ConImpresora(QWidget* parent, F imprimir)
{
    QPrinter impresora(QPrinter::HighResolution);
    QPrintDialog dialogo(&impresora, parent);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    try {
        imprimir(impresora);
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, QStringLiteral("Imprimir"), TextoError(e));
    }
}

}  // namespace

void ImprimirListadoRemesa(QWidget* parent, const CFicheroCuaderno19& fichero, int copias)
{
    ConImpresora(parent, [&](QPrinter& p) { fichero.ImprimirListado(p, copias); });
}

void ImprimirInformeLineas(QWidget* parent, const CInformeLineas& informe, int copias)
{
    ConImpresora(parent, [&](QPrinter& p) { informe.Imprimir(p, copias); });
}
