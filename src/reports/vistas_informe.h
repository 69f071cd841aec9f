#pragma once
// The three on-screen views of the billing report, composed as text: "Ver Detalle",
// "Ver Resumen por Inmueble" and "Ver Resumen por Inquilino".
#include <QHash>
#include <QString>
#include <vector>

#include "settings/valores.h"
#include "util/moneda.h"

class Database;
struct FiltroInforme;

enum class VistaInforme { Detalle, ResumenInmueble, ResumenInquilino };

// Named sums in the order their names first came: a zero amount adds nothing, a name
// already listed (exactly) adds to its entry, any other is appended. No limit of entries.
class ListaConceptos {
public:
    void Anadir(const QString& nombre, Moneda importe);
    void Vaciar();
    Moneda Total() const;
    const std::vector<std::pair<QString, Moneda>>& Entradas() const { return m_entradas; }

private:
    std::vector<std::pair<QString, Moneda>> m_entradas;
    QHash<QString, int> m_posicion;
};

// " - " name left-justified in 80, a blank, the amount right-justified in 10 (never cut).
QString LineaConcepto(const QString& nombre, Moneda importe);

// The view of the staged receipts, one line per "\n". Each view opens with an empty line,
// title, subtitle and 80 underscores, and closes with the summary of every concept of the
// report in blocks of at most 49 and " TOTAL". The summaries group by floor and street, or
// by tenant, within each owner (and town): a group starts at the first receipt and an empty
// street or tenant name is a group like any other.
struct VistaCompuesta {
    QString texto;
    int recibos = 0;
    Moneda total;   // of every amount of the receipts
};
VistaCompuesta ComponerVista(Database& db, VistaInforme vista, const QString& titulo,
                             const QString& subtitulo, const AjustesImpuestos& impuestos);

// Selects the receipts of the filter in the order the view needs and composes it; refuses
// with "No hay recibos para este periodo de tiempo" when none matches.
VistaCompuesta VistaFacturacionDe(Database& db, const FiltroInforme& filtro, VistaInforme vista,
                                  const AjustesImpuestos& impuestos);
