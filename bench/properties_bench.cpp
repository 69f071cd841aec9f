// Browsing 10,000 properties with ">" as the property form does it: store the shown row
// (unchanged), step to the next one and read it.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "billing/demo.h"
#include "data/workspace.h"
#include "data/database.h"
#include "properties/inmuebles.h"

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
        // The demo rows have no reference code: the first store of each fills it. Do that
        // once here, without waiting for the disk, so that the runs measure browsing.
        db.exec(QStringLiteral("PRAGMA synchronous = OFF"));
        Inmuebles inmuebles(db);
        for (int i = 0; i < inmuebles.Cantidad(); ++i, inmuebles.Siguiente()) {
            const FichaInmueble d = inmuebles.Actual();
            inmuebles.Guardar(d, CuentaConocidaBuena(d));
        }
        db.exec(QStringLiteral("PRAGMA synchronous = FULL"));
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
    for (auto _ : state) {
        Inmuebles inmuebles(b.db, int(state.range(0)));
        FichaInmueble d = inmuebles.Actual();
        for (int i = 0; i < inmuebles.Cantidad(); ++i) {
            inmuebles.Guardar(d, CuentaConocidaBuena(d));
            inmuebles.Siguiente();
            d = inmuebles.Actual();
        }
        benchmark::DoNotOptimize(d.ref);
    }
    state.SetItemsProcessed(state.iterations() * kInmuebles);
}
BENCHMARK(BM_RecorrerInmuebles)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

// Opening the form's logic: the ordered list of rows.
void BM_AbrirInmuebles(benchmark::State& state)
{
    Banco& b = Compartido();
    for (auto _ : state) {
        Inmuebles inmuebles(b.db, int(state.range(0)));
        benchmark::DoNotOptimize(inmuebles.Cantidad());
    }
}
BENCHMARK(BM_AbrirInmuebles)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
