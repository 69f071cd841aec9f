// The workspace of 10,000 properties and 240,000 receipts: opening it with the schema
// upgrade, and walking CReciboSet from first to last.
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "data/database.h"
#include "data/workspace.h"
#include "data/record_sets.h"
#include "workspace_grande.h"

namespace {

void BM_AbrirYActualizar(benchmark::State& state)
{
    Grande& g = Compartido();
    for (auto _ : state) {
        Database db = AbrirWorkspace(g.ruta);
        benchmark::DoNotOptimize(db.isOpen());
    }
}

void BM_RecorrerReciboSet(benchmark::State& state)
{
    Grande& g = Compartido();
    Database db = AbrirWorkspace(g.ruta);
    qint64 filas = 0;
    for (auto _ : state) {
        CReciboSet rs(&db);
        qint64 suma = 0;
        filas = 0;
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext()) {
            suma += rs.money(QStringLiteral("renta")).Diezmilesimas();
            ++filas;
        }
        benchmark::DoNotOptimize(suma);
    }
    state.counters["recibos"] = double(filas);
}

// The same walk looking at every column of every row, as a form showing each receipt would.
void BM_RecorrerReciboSetTodo(benchmark::State& state)
{
    Grande& g = Compartido();
    Database db = AbrirWorkspace(g.ruta);
    for (auto _ : state) {
        CReciboSet rs(&db);
        const QStringList cols = rs.columns();
        qint64 n = 0;
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
            for (const QString& c : cols)
                n += rs.value(c).isNull() ? 0 : 1;
        benchmark::DoNotOptimize(n);
    }
}

// The floor: one statement reading every column of every receipt in the same order.
void BM_SueloSqlite(benchmark::State& state)
{
    Grande& g = Compartido();
    Database db = AbrirWorkspace(g.ruta);
    const QStringList cols = ColumnasReciboSet();
    for (auto _ : state) {
        Statement st(db, QStringLiteral("SELECT rowid, %1 FROM recibo ORDER BY ref, rowid").arg(cols.join(u',')));
        qint64 suma = 0;
        qint64 bytes = 0;
        while (st.next()) {
            for (int c = 1; c <= cols.size(); ++c) {
                if (st.type(c) == Statement::Tipo::Entero)
                    suma += st.integer(c);
                else
                    bytes += st.bytes(c).size();
            }
        }
        benchmark::DoNotOptimize(suma);
        benchmark::DoNotOptimize(bytes);
    }
}

}  // namespace

BENCHMARK(BM_SueloSqlite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbrirYActualizar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecorrerReciboSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecorrerReciboSetTodo)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
