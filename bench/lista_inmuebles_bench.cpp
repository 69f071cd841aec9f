// main: bench/main_gui.cpp, widgets
// The main window's list of 10,000 properties: shown and painted once, and one keystroke
// in its filter box (the rows found again and painted).
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"
#include "properties/tabla_inmuebles_widget.h"

namespace {

constexpr int kInmuebles = 10000;

struct Banco {
    QTemporaryDir dir;
    Database db;
    Banco()
    {
        db = CrearWorkspace(dir.filePath(QStringLiteral("bench.rtv")));
        LlenarDemo(db, kInmuebles);
        // Two months billed: the last-month column has receipts to look through.
        Facturacion(db).FacturarMes(QDate(2024, 1, 1), QString());
        Facturacion(db).FacturarMes(QDate(2024, 2, 1), QString());
    }
};

Banco& Compartido()
{
    static Banco b;
    return b;
}

void BM_ListaPrimeraPintura(benchmark::State& state)
{
    Banco& b = Compartido();
    for (auto _ : state) {
        CTablaInmueblesWidget lista;
        lista.resize(950, 700);
        lista.Mostrar(&b.db);
        benchmark::DoNotOptimize(lista.grab().width());
    }
}
BENCHMARK(BM_ListaPrimeraPintura)->Unit(benchmark::kMillisecond);

// Typing the last letter of a word (ASCII, or with an accent) and painting what is found.
void BM_ListaTecleoFiltro(benchmark::State& state)
{
    Banco& b = Compartido();
    CTablaInmueblesWidget lista;
    lista.resize(950, 700);
    lista.Mostrar(&b.db);
    const QString palabra = state.range(0) ? QStringLiteral("muñoz") : QStringLiteral("garcia");
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
