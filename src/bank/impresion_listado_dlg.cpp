#include "bank/impresion_listado_dlg.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <exception>

#include "bank/fichero_cuaderno19.h"
#include "bank/informe_lineas.h"
#include "bank/pagina_listado.h"
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

// Runs `dibujar` once per copy, each copy its own print document named `documento`.
// Throws UserError when the printer cannot print at all; a copy whose document does not
// start is skipped.
void ImprimirCopias(QPrinter& impresora, const QString& documento, int copias,
                    const pagina_listado::Dibujo& dibujar)
{
    if (!impresora.isValid())
        throw UserError(QStringLiteral("Error al imprimir, salga del programa y vuelva a intentarlo"));
    impresora.setDocName(documento);
    for (int i = 0; i < copias; ++i) {
        QPainter p;
        if (!p.begin(&impresora))
            continue;
        dibujar(p, impresora);
        p.end();
    }
}

}  // namespace

void ImprimirListadoRemesa(QWidget* parent, const CFicheroCuaderno19& fichero, int copias)
{
    ConImpresora(parent, [&](QPrinter& impresora) {
        ImprimirCopias(impresora, QStringLiteral("Informe Recibos Banco"), copias,
                       [&](QPainter& p, QPagedPaintDevice& d) { fichero.DibujarListado(p, d); });
    });
}

void ImprimirInformeLineas(QWidget* parent, const CInformeLineas& informe, int copias)
{
    ConImpresora(parent, [&](QPrinter& impresora) {
        ImprimirCopias(impresora, QStringLiteral("Informe"), copias,
                       [&](QPainter& p, QPagedPaintDevice& d) { informe.Dibujar(p, d); });
    });
}
