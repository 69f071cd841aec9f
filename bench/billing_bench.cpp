// One month of billing for 10,000 properties, against the floor of a plain
// INSERT INTO recibo SELECT ... FROM inmueble of the same rows in one transaction.
#include <QDate>
#include <chrono>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"

namespace {

constexpr int kInmuebles = 10000;

struct Banco {
    QTemporaryDir dir;
    Database db;
    Banco()
    {
        const QString ruta = dir.filePath(QStringLiteral("bench.rtv"));
        db = CrearWorkspace(ruta);
        LlenarDemo(db, kInmuebles);
    }
    // Back to the freshly filled workspace: no receipts, no runs, counters as generated.
    void Limpiar()
    {
        db.exec(QStringLiteral("DELETE FROM recibo; DELETE FROM facturacion;"
                               " UPDATE propietario SET numero_recibo = 0;"));
    }
};

Banco& Compartido()
{
    static Banco b;
    return b;
}

void BM_FacturarMes(benchmark::State& state)
{
    Banco& b = Compartido();
    int recibos = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.Limpiar();
        state.ResumeTiming();
        recibos = Facturacion(b.db).FacturarMes(QDate(2024, 3, 1), QStringLiteral("MARZO")).recibos;
    }
    state.counters["recibos"] = recibos;
}

// The floor: one plain INSERT ... SELECT of the same rows in one transaction, with no
// checks and no numbering.
void SueloInsertSelect(Database& db)
{
    Transaction tx(db);
    Statement(db,
              "INSERT INTO recibo (codref, direccion, piso, localidad, arrendador,"
              " nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num, direccioninquilino,"
              " fecha_facturacion, fecha_cobro, renta, iva, irpf, otro_importe1, otro_importe2,"
              " otro_importe3, otro_concepto1, otro_concepto2, otro_concepto3, is_recibo_banco,"
              " is_recibo_fisico, is_recibo_numerar, banco, sucursal, dc, ccc, refcatastral,"
              " nota_recibo, notas, numero_recibo, estado, num_alquiler)"
              " SELECT codref, direccion, piso, localidad, arrendador, nom_arrendatario,"
              " doc_arrendatario_tipo, doc_arrendatario_num, direccioninquilino, ?1, NULL,"
              " renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3, otro_concepto1,"
              " otro_concepto2, otro_concepto3, is_recibo_banco, is_recibo_fisico,"
              " is_recibo_numerar, banco, sucursal, dc, ccc, refcatastral, nota_recibo, ?2,"
              " 0, 0, 0 FROM inmueble WHERE renta + iva + irpf + otro_importe1 + otro_importe2"
              " + otro_importe3 <> 0")
        .bind(1, QDate(2024, 3, 1)).bind(2, QStringLiteral("MARZO")).run();
    tx.commit();
}

void BM_SueloInsertSelect(benchmark::State& state)
{
    Banco& b = Compartido();
    for (auto _ : state) {
        state.PauseTiming();
        b.Limpiar();
        state.ResumeTiming();
        SueloInsertSelect(b.db);
    }
}

// Both in turn on the same workspace, so that the ratio is not skewed by load that comes
// and goes between two separate benchmarks. Reports the mean of each and run / floor.
void BM_FacturarMesFrenteAlSuelo(benchmark::State& state)
{
    using Reloj = std::chrono::steady_clock;
    Banco& b = Compartido();
    double run = 0, suelo = 0;
    for (auto _ : state) {
        b.Limpiar();
        const auto t0 = Reloj::now();
        Facturacion(b.db).FacturarMes(QDate(2024, 3, 1), QStringLiteral("MARZO"));
        const auto t1 = Reloj::now();
        b.Limpiar();
        const auto t2 = Reloj::now();
        SueloInsertSelect(b.db);
        const auto t3 = Reloj::now();
        const double r = std::chrono::duration<double>(t1 - t0).count();
        const double s = std::chrono::duration<double>(t3 - t2).count();
        run += r;
        suelo += s;
        state.SetIterationTime(r + s);
    }
    const double n = double(state.iterations());
    state.counters["run_ms"] = 1000 * run / n;
    state.counters["suelo_ms"] = 1000 * suelo / n;
    state.counters["run/suelo"] = suelo > 0 ? run / suelo : 0;
}

}  // namespace

BENCHMARK(BM_FacturarMes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SueloInsertSelect)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FacturarMesFrenteAlSuelo)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK_MAIN();
