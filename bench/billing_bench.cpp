// One month of billing for 10,000 properties, against the floor of a plain
// INSERT INTO recibo SELECT ... FROM inmueble of the same rows in one transaction.
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "billing/provisional.h"

namespace {

constexpr int kInmuebles = 10000;

struct Banco {
    QTemporaryDir dir;
    Database db;
    Banco()
    {
        const QString ruta = dir.filePath(QStringLiteral("bench.rtv"));
        provisional::CrearWorkspace(ruta);
        db = provisional::AbrirWorkspace(ruta);
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

void BM_SueloInsertSelect(benchmark::State& state)
{
    Banco& b = Compartido();
    for (auto _ : state) {
        state.PauseTiming();
        b.Limpiar();
        state.ResumeTiming();
        Transaction tx(b.db);
        Statement(b.db,
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
}

}  // namespace

BENCHMARK(BM_FacturarMes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SueloInsertSelect)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
