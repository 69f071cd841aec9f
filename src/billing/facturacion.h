#pragma once
#include <QDate>
#include <QString>
#include <functional>
#include <vector>

#include "data/emision.h"
#include "util/moneda.h"

class Database;

// Outcome of a monthly run.
struct ResultadoFacturacion {
    bool cancelada = false;
    int recibos = 0;        // receipts written
    Moneda total;           // sum of their totals
};

// One recorded run, as the runs list shows it.
struct RunFacturacion {
    QDate fecha;
    QString notas;
};

// Progress of long work: (done, total). Returning false cancels; nothing is written then.
using ProgresoFacturacion = std::function<bool(int hecho, int total)>;

// The monthly billing run and the individual billing of one property.
class Facturacion {
public:
    explicit Facturacion(Database& db) : m_db(db) {}

    // True while no run has been recorded yet (the month and year may then be chosen freely).
    bool EsPrimeraFacturacion();
    // The month proposed for a new run: after the latest run; on the first run the
    // current month up to the 15th, the next one from the 16th.
    QDate ProponerMes(const QDate& hoy);
    // Refuses a workspace without properties.
    void ComprobarInmuebles();
    // Refuses, before anything is written, what the run cannot bill: no property,
    // a month that already has a run.
    void ComprobarMes(const QDate& mes);

    // Bills every property whose total is not zero for the month of `mes` (day 1).
    // One transaction: either the whole month is billed or nothing changes.
    ResultadoFacturacion FacturarMes(const QDate& mes, const QString& notas,
                                     const ProgresoFacturacion& progreso = {});

    // Refuses a property whose six amounts add up to zero.
    void ComprobarImportes(qint64 refInmueble);
    // One extra receipt for one property, without a run row; returns the new receipt's ref.
    qint64 FacturarInmueble(qint64 refInmueble, const QDate& mes);

    // Recorded runs, newest first.
    std::vector<RunFacturacion> Listar();

    // The month name in capitals ("ENERO" ... "DICIEMBRE").
    static QString NombreMes(int mes);

private:
    Database& m_db;
};
