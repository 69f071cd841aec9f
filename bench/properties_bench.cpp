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
#include "properties/busqueda_inmuebles.h"
#include "properties/filtro_inmuebles.h"
#include "reports/listado_inmuebles.h"

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

// The search dialog's statement: a fragment of any of the thirteen columns.
void BM_BuscarTexto(benchmark::State& state)
{
    Banco& b = Compartido();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuscarInmuebles(b.db, CondicionTexto(state.range(0) ? QStringLiteral("peña") : QStringLiteral("garcia")), 2000).size());
}
BENCHMARK(BM_BuscarTexto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Ordenar": the index replaced and the form's record set reopened on it.
void BM_CambiarOrden(benchmark::State& state)
{
    Banco& b = Compartido();
    int n = 0;
    for (auto _ : state) {
        AplicarOrdenInmuebles(b.db, 1 + (n++ % 6));
        CInmuebleSet rs(&b.db);
        benchmark::DoNotOptimize(rs.rowCount());
    }
}
BENCHMARK(BM_CambiarOrden)->Unit(benchmark::kMillisecond);

// "Aceptar" of the filter with nothing chosen: every property staged and listed.
void BM_FiltroYListado(benchmark::State& state)
{
    Banco& b = Compartido();
    CriteriosInmuebles c;
    for (auto _ : state) {
        PrepararInformeInmuebles(b.db, c);
        benchmark::DoNotOptimize(ListadoDeInmuebles(b.db, c).lineas.size());
    }
}
BENCHMARK(BM_FiltroYListado)->Unit(benchmark::kMillisecond);

// The two halves of it: the staging, and the lines read from what is staged.
void BM_FiltroSolo(benchmark::State& state)
{
    Banco& b = Compartido();
    for (auto _ : state)
        benchmark::DoNotOptimize(PrepararInformeInmuebles(b.db, CriteriosInmuebles()));
}
BENCHMARK(BM_FiltroSolo)->Unit(benchmark::kMillisecond);

void BM_ListadoSolo(benchmark::State& state)
{
    Banco& b = Compartido();
    PrepararInformeInmuebles(b.db, CriteriosInmuebles());
    for (auto _ : state)
        benchmark::DoNotOptimize(ListadoDeInmuebles(b.db, CriteriosInmuebles()).lineas.size());
}
BENCHMARK(BM_ListadoSolo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
