#pragma once
// The billing runs list and its issue dialog, apart from their widgets: the run lines, the
// deletion of the newest run, the proposed charge date and the dates the dialog accepts.
#include <QDate>
#include <QString>
#include <optional>

#include "billing/facturacion.h"
#include "settings/valores.h"

class Database;

// "DICIEMBRE   2006  notas": the month name in 12, the year in 6, then the notes.
QString LineaFacturacion(const RunFacturacion& f);

// What deleting the newest run takes with it.
struct BorradoFacturacion {
    QDate mes;                  // day 1 of the run
    int recibos = 0;            // receipts dated that day
    int conEstado = 0;          // of those, the ones not "SIN ESPECIFICAR"
};

// The newest run and its receipts, counted; none when no run is recorded.
std::optional<BorradoFacturacion> UltimaFacturacion(Database& db);
// "¿Está seguro?" with what goes.
QString PreguntaEliminarUltima(const BorradoFacturacion& b);
// Deletes the newest run and the receipts dated on its day, in one transaction. `mes`, when
// given, must be that run's month: another month (or no run) refuses, changing nothing.
// The owners' receipt counters stay as they are: numbers are never given twice.
BorradoFacturacion EliminarUltimaFacturacion(Database& db, const std::optional<QDate>& mes = std::nullopt);

// The charge date the issue dialog proposes for the run of `mes`: the fixed day of the
// due-date rule (type 1, cut to the month's length), else by the weekday of the month's 1st.
QDate ProponerFechaCobro(const QDate& mes, const ReglaVencimiento& regla);

// What the issue dialog reads on "Aceptar": day 1 of the billing month and the charge date.
struct FechasEmision {
    QDate facturacion, cobro;
};
// Refuses a charge date that does not exist ("Fecha Cobro Incorrecta") unless `sinCobro`
// (the paper flow, whose charge fields are hidden), then a billing month that does not
// ("Fecha Facturación Incorrecta").
FechasEmision LeerFechasEmision(int mesFacturacion, int anioFacturacion, int diaCobro, int mesCobro,
                                int anioCobro, bool sinCobro);
