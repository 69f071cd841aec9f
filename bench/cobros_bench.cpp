// The collections list over 240,000 receipts: a search with its first page, the last page,
// and deleting the newest run of 10,000 receipts.
#include <QDate>
#include <benchmark/benchmark.h>

#include "billing/cobros.h"
#include "billing/facturaciones.h"
#include "workspace_grande.h"

namespace {

void Pagina(benchmark::State& state, const FiltroRecibos& f, bool ultima)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    for (auto _ : state) {
        ConsultaCobros c(db, f);
        if (ultima)
            c.IrAPagina(c.Paginas() - 1);
        benchmark::DoNotOptimize(c.Lineas());
    }
}

FiltroRecibos Busqueda(const QString& propietario)
{
    BusquedaRecibos b = BusquedaPorDefecto(QDate(2024, 12, 15));
    b.mesDesde = 1;
    b.anioDesde = 2023;
    b.estados = {0, 1, 2, 3, 4, 5};
    b.propietario = propietario;
    return FiltroDeBusqueda(b);
}

void BM_TodosPrimeraPagina(benchmark::State& s) { Pagina(s, FiltroTodos(), false); }
void BM_TodosUltimaPagina(benchmark::State& s) { Pagina(s, FiltroTodos(), true); }
void BM_BusquedaPeriodoPrimeraPagina(benchmark::State& s) { Pagina(s, Busqueda(QString()), false); }
void BM_BusquedaPeriodoUltimaPagina(benchmark::State& s) { Pagina(s, Busqueda(QString()), true); }
void BM_BusquedaPropietarioPrimeraPagina(benchmark::State& s) { Pagina(s, Busqueda(QStringLiteral("propietario 7")), false); }

void BM_EliminarUltima10000(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    const QDate mes(2025, 1, 1);
    for (auto _ : state) {
        state.PauseTiming();
        {
            Transaction tx(db);
            Statement(db, "INSERT INTO facturacion (fecha, notas) VALUES (?1, '')").bind(1, mes).run();
            Statement(db, "INSERT INTO recibo (direccion, piso, arrendador, fecha_facturacion, renta, estado)"
                          " SELECT direccion, piso, arrendador, ?1, renta, 0 FROM inmueble").bind(1, mes).run();
            tx.commit();
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(EliminarUltimaFacturacion(db));
    }
}

}  // namespace

BENCHMARK(BM_TodosPrimeraPagina)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TodosUltimaPagina)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BusquedaPeriodoPrimeraPagina)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BusquedaPeriodoUltimaPagina)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BusquedaPropietarioPrimeraPagina)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EliminarUltima10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
