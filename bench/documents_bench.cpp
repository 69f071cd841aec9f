#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <memory>

#include "documents/campos_plantilla.h"
#include "documents/modelo_contrato.h"

namespace {

// A contract as the dialog holds it, with every text filled.
DatosContrato Datos()
{
    DatosContrato d;
    d.fecha = QDate(2024, 4, 15);
    d.inquilino = QStringLiteral("Ştefan O'Connor {Núñez} \\ Peña");
    d.direccion = QStringLiteral("CALLE MAYOR 12");
    d.piso = QStringLiteral("2º B");
    d.localidad = QStringLiteral("TOLEDO");
    d.cp = QStringLiteral("45001");
    d.nacionalidad = QStringLiteral("rumana");
    d.documento = QStringLiteral("N.I.E. X1234567L");
    d.telefonoCasa = QStringLiteral("925111222");
    d.importes.renta = Moneda::DeCentimos(60000);
    d.importes.iva = Moneda::DeCentimos(12600);
    d.importes.irpf = Moneda::DeCentimos(-11400);
    d.propietario = {QStringLiteral("GARCIA"), QStringLiteral("CALLE SOL 3"), QStringLiteral("1º"),
                     QStringLiteral("MADRID"), QStringLiteral("N.I.F. 12345678Z")};
    d.avalNumero = QStringLiteral("A-77");
    d.ocupantes = 3;
    d.fianza = Moneda::DeCentimos(120000);
    MarcarFilas(d, 3);
    return d;
}

// About 200 KB of RTF: paragraphs of text with every field twice, and one unknown "&".
QByteArray Modelo()
{
    QByteArray parrafo = "{\\pard\\b Clausula.\\b0  El arrendatario &Nombre, con domicilio en &Via___ &Piso__, "
                         "R&D; paga &Renta_ y deja &Fianza.\\par}\r\n";
    QByteArray relleno(1500, 'x');
    QByteArray m = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times New Roman;}}\r\n";
    for (const QByteArray& campo : CamposModelo())
        m += "&" + campo + "\\par\r\n";
    while (m.size() < 200'000)
        m += parrafo + relleno + "\\par\r\n";
    for (const QByteArray& campo : CamposModelo())
        m += "&" + campo + "\\par\r\n";
    return m + "}";
}

}  // namespace

// One iteration fills the model 1,000 times: its time is the figure to keep under 1 s.
static void BM_RellenarModelo200K_x1000(benchmark::State& state)
{
    const DatosContrato d = Datos();
    const QByteArray modelo = Modelo();
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(RellenarModelo(modelo, d));
    state.SetBytesProcessed(state.iterations() * 1000 * modelo.size());
}
BENCHMARK(BM_RellenarModelo200K_x1000)->Unit(benchmark::kMillisecond);

namespace {

DatosPlantilla Plantilla()
{
    DatosPlantilla d;
    d.hoy = QDate(2024, 3, 1);
    d.fecha = QDate(2024, 4, 15);
    d.via = QStringLiteral("CALLE");
    d.direccion = QStringLiteral("MAYOR 12");
    d.piso = QStringLiteral("2º B");
    d.inquilino = QStringLiteral("Ştefan O'Connor Núñez");
    d.importes.renta = Moneda::DeCentimos(60000);
    d.importes.iva = Moneda::DeCentimos(12600);
    d.hayPropietario = true;
    d.propietario.nombre = QStringLiteral("GARCIA");
    return d;
}

// 2,000 paragraphs of five fields each, some bold, some split across formats.
std::unique_ptr<QTextDocument> Plantilla10000()
{
    QString html;
    for (int i = 0; i < 2000; ++i)
        html += QStringLiteral("<p>Sr. <b>_Nombre_Inquilino_</b>, la renta de _Renta_Letra_ (<i>_Renta_Numero_</i>) "
                               "del piso <b>_Piso_</b>Inmueble_ de _ViaDireccion_Inmueble_, firmado por el arrendador.</p>");
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(html);
    return doc;
}

}  // namespace

// One iteration fills a document of 10,000 fields: the figure to keep under 200 ms.
static void BM_RellenarCampos10000(benchmark::State& state)
{
    const DatosPlantilla d = Plantilla();
    const std::unique_ptr<QTextDocument> modelo = Plantilla10000();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QTextDocument> doc(modelo->clone());
        state.ResumeTiming();
        if (RellenarCampos(*doc, d) != 10000) {
            state.SkipWithError("not every field was filled");
            break;
        }
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RellenarCampos10000)->Unit(benchmark::kMillisecond);

// main: bench/main_gui.cpp
