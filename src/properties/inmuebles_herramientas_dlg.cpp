// "Buscar", "Ordenar" and "Imprimir" of the property form: each stores the property first.
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include "data/record_sets.h"
#include "properties/ficha_inmueble_impresion.h"
#include "properties/inmuebles_dlg.h"
#include "properties/ordenar_inmuebles_dlg.h"
#include "reports/imprimir_informe_dlg.h"
#include "util/errores.h"

// Stores, asks for the search and closes; the caller opens it.
void CInmueblesDlg::PedirBusqueda()
{
    if (!NuevoSinTocar() && !Guardar())
        return;
    m_busquedaPedida = true;
    accept();
}

// A new order is applied to the table and the form stays on the property it showed.
void CInmueblesDlg::Ordenar()
{
    if (!NuevoSinTocar() && !Guardar())
        return;
    const qint64 ref = m_esNuevo ? 0 : m_actual.ref;
    if (!ElegirOrdenInmuebles(this, m_db))
        return;
    try {
        m_set->setCurrentIndex(QStringLiteral("InmueblesIndex"));
        if (ref > 0)
            m_set->BuscarInmueble(ref);
    } catch (const std::exception& e) {
        Error(e);
    }
    if (m_esNuevo)
        return;
    MostrarActual();
}

// The card of what is stored: nothing is printed when the property cannot be stored.
void CInmueblesDlg::Imprimir()
{
    if (m_esNuevo && NuevoSinTocar())
        return;
    if (!Guardar() || m_esNuevo)
        return;
    const FichaInmueble d = m_actual;
    const RotulosFicha rotulos{m_impuesto1->text(), m_impuesto2->text()};
    ImprimirCopias(this, kDocumentoFicha, 1,
                   [&](QPainter& p, QPagedPaintDevice&) { DibujarFichaInmueble(p, d, rotulos); });
}
