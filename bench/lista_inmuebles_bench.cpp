// main: bench/main_gui.cpp, widgets
// The main window's list of 10,000 properties: shown and painted once, and one keystroke
// in its filter box (the rows found again and painted).
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include "properties/tabla_inmuebles_widget.h"
#include "workspace_grande.h"

namespace {

// The large workspace: 10,000 properties and two years of receipts behind the last-month column.
Database& Base()
{
    static Database db = AbrirWorkspace(Compartido().ruta);
    return db;
}

void BM_ListaPrimeraPintura(benchmark::State& state)
{
    Base();   // built once, before the clock runs
    for (auto _ : state) {
        CTablaInmueblesWidget lista;
        lista.resize(950, 700);
        lista.Mostrar(&Base());
        benchmark::DoNotOptimize(lista.grab().width());
    }
}
BENCHMARK(BM_ListaPrimeraPintura)->Unit(benchmark::kMillisecond);

// Typing the last letter of a word (ASCII, or with an accent) and painting what is found.
void BM_ListaTecleoFiltro(benchmark::State& state)
{
    CTablaInmueblesWidget lista;
    lista.resize(950, 700);
    lista.Mostrar(&Base());
    const QString palabra = state.range(0) ? QStringLiteral("número 12") : QStringLiteral("mayor 12");
    lista.Filtro()->setText(palabra.chopped(1));
    bool completa = false;
    for (auto _ : state) {
        completa = !completa;
        lista.Filtro()->setText(completa ? palabra : palabra.chopped(1));
        benchmark::DoNotOptimize(lista.grab().width());
    }
}
BENCHMARK(BM_ListaTecleoFiltro)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
