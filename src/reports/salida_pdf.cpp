#include "reports/salida_pdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "data/archivo_atomico.h"
#include "util/errores.h"

namespace {

void PrepararPdf(QPdfWriter& pdf, const QString& titulo)
{
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setCreator(QStringLiteral("Rentiva"));
    pdf.setTitle(titulo);
}

}  // namespace

void EscribirPdf(QIODevice& salida, const QString& titulo, const DibujoPdf& dibujar)
{
    QPdfWriter pdf(&salida);
    PrepararPdf(pdf, titulo);
    QPainter p;
    if (!p.begin(&pdf))
        throw UserError(QStringLiteral("No se puede empezar el PDF %1.").arg(titulo));
    try {
        dibujar(p, pdf);
    } catch (...) {
        p.end();
        throw;
    }
    // The engine does not look at what its writes return: the device keeps any failure.
    if (!p.end())
        throw UserError(QStringLiteral("No se ha podido terminar el PDF %1.").arg(titulo));
}

void EscribirPdf(const QString& ruta, const QString& titulo, const DibujoPdf& dibujar)
{
    ArchivoAtomico salida(ruta);
    EscribirPdf(salida, titulo, dibujar);
    salida.Publicar();
}

int EscribirPdf(const QString& ruta, const QString& titulo,
                const std::function<int(QPagedPaintDevice&)>& imprimir)
{
    ArchivoAtomico salida(ruta);
    int r = 0;
    {
        QPdfWriter pdf(&salida);
        PrepararPdf(pdf, titulo);
        r = imprimir(pdf);
    }
    salida.Publicar();
    return r;
}
