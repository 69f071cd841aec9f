// Browsing 10,000 properties with ">" as the property form does it: store the shown row
// (nothing typed), step to the next one and read it as stored now.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "billing/demo.h"
#include "data/database.h"
#include "data/record_sets.h"
#include "data/workspace.h"
#include "properties/inmuebles.h"
#include "properties/orden_inmuebles.h"

namespace {

constexpr int kInmuebles = 10000;

struct Banco {
    QTemporaryDir dir;
    Database db;
    Banco()
    {
        db = CrearWorkspace(dir.filePath(QStringLiteral("bench.rtv")));
        LlenarDemo(db, kInmuebles);
    }
};

Banco& Compartido()
{
    static Banco b;
    return b;
}

// One iteration browses every property once; the per-step time is reported as a rate.
void BM_RecorrerInmuebles(benchmark::State& state)
{
    Banco& b = Compartido();
    AplicarOrdenInmuebles(b.db, int(state.range(0)));
    for (auto _ : state) {
        CInmuebleSet rs(&b.db);
        rs.edit();
        FichaInmueble d = LeerInmueble(rs);
        const int n = rs.rowCount();
        for (int i = 0; i < n; ++i) {
            GuardarCambiosInmueble(rs, d, {}, CuentaConocidaBuena(d));
            rs.moveWrapping(1);
            rs.edit();
            d = LeerInmueble(rs);
        }
        benchmark::DoNotOptimize(d.ref);
    }
    state.SetItemsProcessed(state.iterations() * kInmuebles);
}
BENCHMARK(BM_RecorrerInmuebles)->Arg(6)->Arg(3)->Unit(benchmark::kMillisecond);

// Opening the form's record set: the ordered list of rows.
void BM_AbrirInmuebles(benchmark::State& state)
{
    Banco& b = Compartido();
    AplicarOrdenInmuebles(b.db, int(state.range(0)));
    for (auto _ : state) {
        CInmuebleSet rs(&b.db);
        benchmark::DoNotOptimize(rs.rowCount());
    }
}
BENCHMARK(BM_AbrirInmuebles)->Arg(6)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
