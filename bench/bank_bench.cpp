// A remittance of 10,000 receipts: the seven records of each, the totals and the atomic
// write of the file (about 11.5 MB).
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bank/fichero_cuaderno19.h"
#include "bank/fichero_sepa.h"

namespace {

constexpr int kRecibos = 10000;

std::vector<ReciboBanco> Recibos()
{
    std::vector<ReciboBanco> v;
    for (int i = 1; i <= kRecibos; ++i) {
        ReciboBanco r;
        r.ref = i;
        r.codref = QStringLiteral("REF-%1").arg(i);
        r.nom_arrendatario = QStringLiteral("MUÑOZ CASTAÑO, JOSÉ MARÍA %1").arg(i);
        r.fecha_facturacion = QDate(2024, 3, 1);
        r.renta = Moneda::DeCentimos(50000 + i);
        r.otro_importe1 = Moneda::DeCentimos(3500);
        r.otro_concepto1 = QStringLiteral("COMUNIDAD");
        r.iva = Moneda::DeCentimos(10500);
        r.irpf = Moneda::DeCentimos(-9500);
        r.banco = QStringLiteral("2100");
        r.sucursal = QStringLiteral("0418");
        r.dc = QStringLiteral("45");
        r.ccc = QStringLiteral("0200051332");
        r.numero_recibo = i;
        v.push_back(r);
    }
    return v;
}

void BM_Remesa10000(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto recibos = Recibos();
    const QString ruta = dir.filePath(QStringLiteral("remesa.pr1"));
    for (auto _ : state) {
        CFicheroCuaderno19 f(QStringLiteral("NAVARRO JIMÉNEZ ELENA"), QStringLiteral("33784232S"),
                             QStringLiteral("2100"), QStringLiteral("2732"), QStringLiteral("61"),
                             QStringLiteral("7682146195"), QDate(2024, 3, 1), QDate(2024, 3, 5), AjustesBanco());
        f.Reservar(kRecibos);
        for (const ReciboBanco& r : recibos)
            f.AnadirRecibo(r);
        f.Generar(ruta);
        benchmark::DoNotOptimize(f.NumeroRecibos());
    }
}
BENCHMARK(BM_Remesa10000)->Unit(benchmark::kMillisecond);

// The records alone, without the write.
void BM_Registros10000(benchmark::State& state)
{
    const auto recibos = Recibos();
    for (auto _ : state) {
        CFicheroCuaderno19 f(QStringLiteral("NAVARRO JIMÉNEZ ELENA"), QStringLiteral("33784232S"),
                             QStringLiteral("2100"), QStringLiteral("2732"), QStringLiteral("61"),
                             QStringLiteral("7682146195"), QDate(2024, 3, 1), QDate(2024, 3, 5), AjustesBanco());
        f.Reservar(kRecibos);
        for (const ReciboBanco& r : recibos)
            f.AnadirRecibo(r);
        benchmark::DoNotOptimize(f.NumeroRecibos());
    }
}
BENCHMARK(BM_Registros10000)->Unit(benchmark::kMillisecond);

// Ten thousand SEPA debits in four groups: checks, XML and the atomic write.
void BM_Sepa10000(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("remesa.xml"));
    std::vector<DebitoSepa> debitos;
    for (const ReciboBanco& r : Recibos()) {
        DebitoSepa d;
        d.recibo = r;
        d.direccion = QStringLiteral("CALLE MAYOR, %1").arg(r.ref);
        d.piso = QStringLiteral("2º A");
        d.iban = QStringLiteral("ES9121000418450200051332");
        d.mandato_ref = QStringLiteral("M-%1").arg(r.ref);
        d.mandato_fecha = QDate(2020, 1, 15);
        d.secuencia = kSecuenciasSepa[int(r.ref % 4)];
        debitos.push_back(d);
    }
    const AcreedorSepa acreedor{QStringLiteral("NAVARRO JIMÉNEZ ELENA"), QStringLiteral("33784232S"),
                                QStringLiteral("ES8500033784232S"), QStringLiteral("ES6721002732617682146195"), {}};
    for (auto _ : state) {
        const CFicheroSepa f(acreedor, debitos, QDateTime(QDate(2024, 3, 1), QTime(9, 0)), QDate(2024, 3, 5));
        f.Generar(ruta);
        benchmark::DoNotOptimize(f.NumeroRecibos());
    }
}
BENCHMARK(BM_Sepa10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
