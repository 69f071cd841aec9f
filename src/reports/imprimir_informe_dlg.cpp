#include "reports/imprimir_informe_dlg.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "reports/informe_dlg.h"
#include "reports/informe_lineas.h"
#include "util/errores.h"
#include "widgets/impresora_dlg.h"

bool ImprimirCopias(QWidget* parent, const QString& documento, int copias,
                    const pagina_listado::Dibujo& dibujar, QPrinter* impresora)
{
    std::unique_ptr<QPrinter> propia;
    impresora = ElegirImpresora(parent, impresora, propia);
    if (!impresora)
        return false;
    if (!impresora->isValid()) {
        QMessageBox::critical(parent, QStringLiteral("Imprimir"), kErrorImprimir);
        return false;
    }
    impresora->setDocName(documento);
    int impresas = 0;
    try {
        for (int i = 0; i < copias; ++i) {
            QPainter p;
            if (!p.begin(impresora))
                continue;
            dibujar(p, *impresora);
            p.end();
            ++impresas;
        }
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, QStringLiteral("Imprimir"), TextoError(e));
        return false;
    }
    // Not one document could start: saying nothing would look like a print.
    if (copias > 0 && impresas == 0) {
        QMessageBox::critical(parent, QStringLiteral("Imprimir"), kErrorImprimir);
        return false;
    }
    return true;
}

bool ImprimirInformeLineas(QWidget* parent, const CInformeLineas& informe, int copias,
                           QPrinter* impresora)
{
    return ImprimirCopias(parent, QStringLiteral("Informe"), copias,
                          [&](QPainter& p, QPagedPaintDevice& d) { informe.Dibujar(p, d); },
                          impresora);
}
