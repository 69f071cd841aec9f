// The selection form's model and listing over 10,000 staged receipts, and a 200-page text
// printed to PDF by the text window's printer.
#include <QDate>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "data/database.h"
#include "data/emision.h"
#include "data/workspace.h"
#include "documents/impresor_texto.h"
#include "receipts/seleccion_recibos.h"

namespace {

constexpr int kRecibos = 10'000;

struct Emision {
    QTemporaryDir dir;
    Database db;
    Emision()
    {
        db = CrearWorkspace(dir.filePath(QStringLiteral("bench.rtv")));
        Transaction tx(db);
        Statement ins(db, "INSERT INTO recibo (ref, direccion, piso, arrendador, nom_arrendatario,"
                          " doc_arrendatario_num, fecha_facturacion, renta, iva, irpf, banco, sucursal,"
                          " dc, ccc, is_recibo_fisico) VALUES (?1, ?2, '2º B', 'PROPIETARIO',"
                          " ?3, '66135277L', '2024-03-01 00:00:00', ?4, ?5, ?6, '2100', '0418', '45',"
                          " '0200051332', ?7)");
        for (int i = 1; i <= kRecibos; ++i)
            ins.bind(1, i).bind(2, QStringLiteral("CALLE MAYOR %1").arg(i))
                .bind(3, QStringLiteral("INQUILINO NÚMERO %1").arg(i))
                .bind(4, Moneda::DeCentimos(50000 + i)).bind(5, Moneda::DeCentimos(10500))
                .bind(6, Moneda::DeCentimos(-9500)).bind(7, i % 7 != 0).run();
        VaciarEmision(db);
        CopiarRecibosAEmision(db, QString(), {});
        tx.commit();
    }
};

void BM_SeleccionYListado10000(benchmark::State& state)
{
    static Emision e;
    for (auto _ : state) {
        CSeleccionRecibos s(e.db, ModoSeleccion::Papel, QDateTime::currentDateTime());
        s.Alternar(3);
        const QStringList lineas = s.LineasListado();
        if (lineas.size() != kRecibos + 1)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lineas);
    }
    state.SetItemsProcessed(state.iterations() * kRecibos);
}

void BM_Texto200PaginasAPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    QString texto;
    for (int i = 1; i <= 200 * 66; ++i)
        texto += QStringLiteral("Línea %1 del documento de prueba, con el texto de una cláusula del contrato.\n").arg(i);
    CImpresorTexto impresor(texto, QStringLiteral("Contrato"), true);
    int paginas = 0;
    for (auto _ : state)
        paginas = impresor.APdf(dir.filePath(QStringLiteral("texto.pdf")));
    if (paginas < 200)
        state.SkipWithError("fewer than 200 pages");
    state.counters["paginas"] = paginas;
}

}  // namespace

BENCHMARK(BM_SeleccionYListado10000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Texto200PaginasAPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// main: bench/main_gui.cpp
