// 1,000 receipts of a billed month drawn to one PDF, look-ups and the settings read included,
// as `rentiva-cli recibos-pdf` and the print jobs do it.
#include <QDate>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"
#include "receipts/trabajo_impresion.h"
#include "settings/ajustes.h"

namespace {

constexpr int kRecibos = 1000;
const QDate kMes(2024, 3, 1);

struct Banco {
    QTemporaryDir dir;
    Database db;
    Banco()
    {
        qputenv("RENTIVA_SETTINGS", dir.filePath(QStringLiteral("rentiva.conf")).toUtf8());
        db = CrearWorkspace(dir.filePath(QStringLiteral("bench.rtv")));
        // Demo properties whose amounts add up to zero are not billed: fill until 1,000 are.
        LlenarDemo(db, kRecibos + kRecibos / 10);
        Facturacion(db).FacturarMes(kMes, QStringLiteral("MARZO"));
        db.exec(QStringLiteral("DELETE FROM recibo WHERE ref NOT IN "
                               "(SELECT ref FROM recibo ORDER BY ref LIMIT 1000)"));
    }
};

Banco& Compartido()
{
    static Banco b;
    return b;
}

void Imprimir(benchmark::State& state, bool factura)
{
    Banco& b = Compartido();
    const QString pdf = b.dir.filePath(QStringLiteral("recibos.pdf"));
    for (auto _ : state) {
        const int paginas = RecibosMesAPdf(b.db, kMes, pdf, factura, true, LeerAjustesRecibo());
        if (paginas != kRecibos)
            state.SkipWithError("wrong page count");
    }
    state.SetItemsProcessed(state.iterations() * kRecibos);
}

void BM_MilRecibosAPdf(benchmark::State& state) { Imprimir(state, false); }
void BM_MilFacturasAPdf(benchmark::State& state) { Imprimir(state, true); }

}  // namespace

BENCHMARK(BM_MilRecibosAPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MilFacturasAPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// main: bench/main_gui.cpp
