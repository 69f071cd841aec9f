// The billing report and the CSV export over every receipt of the shared workspace of
// 240,000 receipts, beside their floor: the plain staging copy of the same rows.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "data/emision.h"
#include "reports/exportacion_facturacion.h"
#include "reports/listado_facturacion.h"
#include "reports/seleccion_informe.h"
#include "workspace_grande.h"

namespace {

FiltroInforme Todo()
{
    FiltroInforme f;
    f.desde = QDate(2023, 1, 1);
    f.hasta = QDate(2024, 12, 1);
    return f;
}

// Selection in report order and the listing's lines with their sums.
void BM_InformeSeleccionYLineas(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    size_t lineas = 0;
    for (auto _ : state)
        lineas = ListadoFacturacionDe(db, Todo(), AjustesImpuestos()).lineas.size();
    state.counters["lineas"] = double(lineas);
}

// The parts of the report apart: staging in report order, and reading the staged rows back.
void BM_InformeSoloSeleccion(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    for (auto _ : state)
        SeleccionarRecibos(db, Todo(), OrdenInforme::Inmueble);
}

void BM_InformeSoloLectura(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    SeleccionarRecibos(db, Todo(), OrdenInforme::Inmueble);
    int n = 0;
    for (auto _ : state)
        RecorrerSeleccion(db, [&n](const ReciboInforme&) { ++n; });
    benchmark::DoNotOptimize(n);
}

void BM_InformeSoloLineas(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    SeleccionarRecibos(db, Todo(), OrdenInforme::Inmueble);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComponerListado(db, QString(), QString(), AjustesImpuestos()).lineas.size());
}

// Selection and the CSV file written.
void BM_ExportacionCsv(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    QTemporaryDir dir;
    int recibos = 0;
    for (auto _ : state)
        recibos = ExportarFacturacion(db, Todo(), dir.filePath(QStringLiteral("f.csv")), CodificacionCsv::Cp1252).recibos;
    state.counters["recibos"] = recibos;
}

// The file's bytes of rows already staged.
void BM_ExportacionSoloCsv(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    SeleccionarRecibos(db, Todo(), OrdenInforme::Inmueble);
    for (auto _ : state)
        benchmark::DoNotOptimize(CsvFacturacion(db, CodificacionCsv::Cp1252).size());
}

// The floor: emptying the staging table and copying the same receipts, by ref, unfiltered.
void BM_SueloCopiaEmision(benchmark::State& state)
{
    Database db = AbrirWorkspace(Compartido().ruta);
    int recibos = 0;
    for (auto _ : state) {
        Savepoint sp(db, "suelo");
        VaciarEmision(db);
        recibos = CopiarRecibosAEmision(db, QString(), {});
        sp.release();
    }
    state.counters["recibos"] = recibos;
}

}  // namespace

BENCHMARK(BM_SueloCopiaEmision)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InformeSoloSeleccion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InformeSoloLectura)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InformeSoloLineas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InformeSeleccionYLineas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportacionSoloCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportacionCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
