#pragma once
// "Listado Detallado" of the billing report: the staged receipts as fixed-width lines with
// sums by tenant, floor, street and owner and a grand total, and the pages they print on.
#include <QString>
#include <vector>

#include "data/emision.h"
#include "settings/valores.h"

class Database;
class QPagedPaintDevice;
class QPainter;
struct FiltroInforme;

// One body line and the thickness of the rule under it, in one-unit lines: 1 under a
// receipt, 2 to 5 under the sums of tenant, floor, street and owner, 6 under "Total".
struct LineaListado {
    QString texto;
    int trazos = 1;
};

struct ListadoFacturacion {
    QString titulo, subtitulo, cabecera;
    std::vector<LineaListado> lineas;
    int recibos = 0;
    ImportesRecibo total;
};

constexpr int kLineasPorPagina = 43;

// "FECHA", "NÚMERO", "RENTA", "Otro_Imp_1" ... the two tax names, "SUMA", "TOTAL".
QString CabeceraListado(const AjustesImpuestos& impuestos);

// The lines of the staged receipts in staged order. A sum level closes when its own value
// or that of a level above it changes (a new owner or town closes street, floor and tenant;
// the town has no sum line of its own); values compare ignoring case, and an empty value
// is a value like any other.
ListadoFacturacion ComponerListado(Database& db, const QString& titulo, const QString& subtitulo,
                                   const AjustesImpuestos& impuestos);

// Selects the receipts of the filter (report order) and composes their listing; refuses
// with "No hay recibos para este periodo de tiempo" when none matches.
ListadoFacturacion ListadoFacturacionDe(Database& db, const FiltroInforme& filtro,
                                        const AjustesImpuestos& impuestos);

// Title, subtitle, the headings once, then every body line; LF after each.
QString ListadoATexto(const ListadoFacturacion& listado);

int PaginasListado(const ListadoFacturacion& listado);
// Page `pagina` (from 1) on a painter whose window is in tenths of a millimetre.
void DibujarPaginaListado(QPainter& p, const ListadoFacturacion& listado, int pagina);
// Every page, starting a new page of `dispositivo` between them.
void DibujarListado(QPainter& p, QPagedPaintDevice& dispositivo, const ListadoFacturacion& listado);
