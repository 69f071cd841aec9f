#include <benchmark/benchmark.h>

#include "util/formato.h"
#include "util/letras.h"

// Formats 1,000,000 varied amounts per iteration: the items/s rate is amounts per second.
static void BM_MonedaATexto(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 n = -5'000'000'000;
        for (int i = 0; i < 1'000'000; ++i) {
            benchmark::DoNotOptimize(MonedaATexto(Moneda::DeDiezmilesimas(n)));
            n += 10'007;
        }
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_MonedaATexto)->Unit(benchmark::kMillisecond);

static void BM_ImporteEnLetras(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 n = -5'000'000'000;
        for (int i = 0; i < 1'000'000; ++i) {
            benchmark::DoNotOptimize(ImporteEnLetras(Moneda::DeDiezmilesimas(n)));
            n += 10'007;
        }
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_ImporteEnLetras)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
