#include "bank/impresion_listado_dlg.h"

#include <QPainter>

#include "bank/fichero_cuaderno19.h"
#include "reports/imprimir_informe_dlg.h"

void ImprimirListadoRemesa(QWidget* parent, const CFicheroCuaderno19& fichero, int copias)
{
    ImprimirCopias(parent, QStringLiteral("Informe Recibos Banco"), copias,
                   [&](QPainter& p, QPagedPaintDevice& d) { fichero.DibujarListado(p, d); });
}
