#pragma once
// The printed listing of a direct-debit remittance, the same page for the Cuaderno 19 file
// and the SEPA XML: presenter and ordering-party boxes, one line per debit, the totals box.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "util/moneda.h"

class QIODevice;
class QPainter;
class QPagedPaintDevice;

// One page of the remittance listing: which lines it carries and whether the totals box is on it.
struct PaginaListado {
    int primera = 0;
    int lineas = 0;
    bool totales = false;
};

struct DatosListadoRemesa {
    QString titulo;           // "GESTIÓN DE RECIBOS FOLLETO 19"
    QString nombre;           // presenter and ordering party
    QString identificacion;   // "NIF/Sufijo= 50001774G/ 001"
    QString datosBancarios;   // the account that receives the money
    QDate creacion, cargo;
    Moneda total;
    int recibos = 0;
    QStringList lineas;       // one per debit, each ending in CR LF
};

constexpr int kLineasListadoPorPagina = 44;
// With this many lines on the last page the totals box goes on a page of its own.
constexpr int kLineasListadoSinTotales = 34;

// Which listing lines go on which page.
std::vector<PaginaListado> PaginarListadoRemesa(int lineas);
// Draws one complete copy on `p`, which paints on `dispositivo`; returns the number of pages.
int DibujarListadoRemesa(QPainter& p, QPagedPaintDevice& dispositivo, const DatosListadoRemesa& datos);
// One copy as a PDF (A4) onto a file not yet published.
void ListadoRemesaAPdf(QIODevice& salida, const DatosListadoRemesa& datos);
// The title of the print job and the PDF.
QString TituloDocumentoListadoRemesa();
