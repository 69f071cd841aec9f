// Composing a one-page letter for 1,000 properties, and reading and writing a 200-page RTF.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include "data/database.h"
#include "data/record_sets.h"
#include "data/workspace.h"
#include "documents/archivo_documento.h"
#include "documents/mailing.h"
#include "documents/rtf.h"

namespace {

constexpr int kPropiedades = 1000;

struct Mil {
    QTemporaryDir dir;
    Database db;
    Mil() : db(CrearWorkspace(dir.filePath(QStringLiteral("mil.rtv"))))
    {
        Transaction tx(db);
        Statement(db, "INSERT INTO propietario (nombre, via, direccion) VALUES ('GARCIA', 'CALLE', 'SOL 3')").run();
        Statement inm(db, "INSERT INTO inmueble (via, direccion, piso, localidad, arrendador, nom_arrendatario, renta, iva, irpf)"
                          " VALUES ('CALLE', ?1, ?2, 'TOLEDO', 'GARCIA', ?3, 5000000, 1050000, -950000)");
        for (int i = 0; i < kPropiedades; ++i)
            inm.bind(1, QStringLiteral("MAYOR %1").arg(i)).bind(2, QStringLiteral("%1º").arg(i % 10))
                .bind(3, QStringLiteral("Inquilino número %1").arg(i)).run();
        tx.commit();
        PrepararInformeInmuebles(db, RefsInmuebles(db));
    }
};

Mil& Datos()
{
    static Mil m;
    return m;
}

// A one-page letter: 30 lines with a dozen fields in bold.
void Carta(QTextDocument& doc)
{
    QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 En _Localidad_Inmueble_, a _Fecha_Hoy_.\\par ";
    for (int i = 0; i < 30; ++i)
        rtf += "Estimado {\\b _Nombre_Inquilino_}: le comunicamos que la renta de {\\b _ViaDireccion_Inmueble_} "
               "es {\\ul _Renta_} con un total de _Total_Numero_.\\par ";
    LeerRtf(rtf + "}", doc);
}

}  // namespace

static void BM_Mailing1000UnRtf(benchmark::State& state)
{
    Mil& m = Datos();
    QTextDocument plantilla;
    Carta(plantilla);
    for (auto _ : state) {
        CInmuebleSet filas(&m.db, QStringLiteral("[informe_inmueble]"));
        QTextDocument doc;
        const Composicion c = ComponerDocumento(doc, plantilla, m.db, filas, QDate(2024, 3, 1));
        EscribirArchivoDocumento(m.dir.filePath(QStringLiteral("cartas.rtf")), EscribirRtf(doc));
        if (c.copias != kPropiedades)
            state.SkipWithError("not every copy was composed");
    }
}
BENCHMARK(BM_Mailing1000UnRtf)->Unit(benchmark::kMillisecond)->Iterations(3);

static void BM_Mailing1000Archivos(benchmark::State& state)
{
    Mil& m = Datos();
    QTextDocument plantilla;
    Carta(plantilla);
    for (auto _ : state) {
        CInmuebleSet filas(&m.db, QStringLiteral("[informe_inmueble]"));
        const Composicion c = ComponerArchivos(m.dir.filePath(QStringLiteral("cartas")), plantilla, m.db, filas, QDate(2024, 3, 1));
        if (c.copias != kPropiedades)
            state.SkipWithError("not every file was written");
    }
}
BENCHMARK(BM_Mailing1000Archivos)->Unit(benchmark::kMillisecond)->Iterations(3);

// 200 pages of 45 formatted lines each, written to RTF and read back.
static void BM_Rtf200Paginas(benchmark::State& state)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat negrita;
    negrita.setFontWeight(QFont::Bold);
    for (int p = 0; p < 200; ++p)
        for (int l = 0; l < 45; ++l) {
            if (p || l) {
                QTextBlockFormat b;
                if (l == 0)
                    b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                c.insertBlock(b);
            }
            c.insertText(QStringLiteral("Cláusula %1.%2: el arrendatario ").arg(p).arg(l));
            c.insertText(QStringLiteral("Ştefan Peña"), negrita);
            c.insertText(QStringLiteral(" abona 600,00 € al mes {según} lo pactado."), QTextCharFormat());
        }
    for (auto _ : state) {
        const QByteArray rtf = EscribirRtf(doc);
        QTextDocument leido;
        LeerRtf(rtf, leido);
        if (leido.blockCount() != doc.blockCount())
            state.SkipWithError("the document did not come back whole");
    }
}
BENCHMARK(BM_Rtf200Paginas)->Unit(benchmark::kMillisecond)->Iterations(3);

// main: bench/main_gui.cpp
