// The property card as a reader of the PDF finds it, and as it looks on paper.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "pagina_pdf.h"
#include "properties/ficha_inmueble_impresion.h"

namespace {

FichaInmueble Ficha()
{
    FichaInmueble d;
    d.codref = "SOL1";
    d.via = "CALLE";
    d.direccion = "SOL";
    d.piso = "3º IZQUIERDA";
    d.tipo_inmueble = 1;   // PISO
    d.localidad = "SORIA";
    d.cp = "42001";
    d.arrendador = "ANA";
    d.renta = Moneda::DeCentimos(50000);
    d.otro_concepto2 = "AGUA";
    d.otro_importe2 = Moneda::DeCentimos(2550);
    d.iva = Moneda::DeCentimos(10500);
    d.irpf = Moneda::DeCentimos(-9500);
    d.nom_arrendatario = "LUIS";
    d.nacionalidad_arrendatario = "ESPAÑOLA";
    d.doc_arrendatario_tipo = "N.I.F.";
    d.doc_arrendatario_num = "12345678Z";
    d.banco = "2100";
    d.sucursal = "0418";
    d.dc = "45";
    d.ccc = "0200051332";
    d.telefono_casa = "975000000";
    d.telefono_movil = "600000000";
    d.fecha = QDateTime(QDate(2020, 5, 2), QTime(10, 0));
    d.notas = "primera\r\nsegunda";
    return d;
}

PaginaPdf Pagina(const FichaInmueble& d)
{
    return PaginaPdf::Dibujar([&](QPainter& p) { DibujarFichaInmueble(p, d, {"IVA 21%", "IRPF 19%"}); });
}

TEST(FichaInmueble, EveryTextStandsInItsBox)
{
    const PaginaPdf p = Pagina(Ficha());
    const struct {
        const char* texto;
        QRectF zona;
    } casos[] = {
        {"FICHA INMUEBLE", Zona(800, 200, 1400, 250)},
        {"Referencia", Zona(200, 300, 500, 350)},       {"SOL1", Zona(500, 300, 1000, 350)},
        {"Vía", Zona(200, 350, 600, 400)},              {"CALLE", Zona(200, 400, 600, 450)},
        {"Dirección", Zona(600, 350, 2000, 400)},       {"SOL", Zona(600, 400, 2000, 450)},
        {"PISO", Zona(200, 450, 700, 500)},             {"3º IZQUIERDA", Zona(700, 450, 2000, 500)},
        {"Código Postal", Zona(200, 500, 500, 550)},    {"42001", Zona(200, 550, 500, 600)},
        {"Localidad", Zona(500, 500, 2000, 550)},       {"SORIA", Zona(500, 550, 2000, 600)},
        {"Propietario", Zona(200, 650, 600, 700)},      {"ANA", Zona(600, 650, 2000, 700)},
        {"Renta", Zona(400, 750, 1400, 800)},           {"500,00", Zona(1400, 750, 1800, 800)},
        {"0,00", Zona(1400, 800, 1800, 850)},           {"AGUA", Zona(400, 850, 1400, 900)},
        {"IVA 21%", Zona(400, 950, 1400, 1000)},        {"105,00", Zona(1400, 950, 1800, 1000)},
        {"IRPF 19%", Zona(400, 1000, 1400, 1050)},      {"-95,00", Zona(1400, 1000, 1800, 1050)},
        {"Total", Zona(400, 1050, 1400, 1100)},         {"535,50", Zona(1400, 1050, 1800, 1100)},
        {"Fecha Contrato", Zona(200, 1150, 600, 1200)}, {"02/05/2020", Zona(600, 1150, 1100, 1200)},
        {"Nombre Inquilino", Zona(200, 1200, 1100, 1250)}, {"LUIS", Zona(200, 1250, 1100, 1300)},
        {"Nacionalidad", Zona(1100, 1200, 1550, 1250)}, {"ESPAÑOLA", Zona(1100, 1250, 1550, 1300)},
        {"Documento", Zona(1550, 1200, 2000, 1250)},    {"N.I.F.12345678Z", Zona(1550, 1250, 2000, 1300)},
        {"Domiciliación bancaria", Zona(200, 1300, 1100, 1350)},
        {"21000418450200051332", Zona(200, 1350, 1100, 1400)},
        {"Teléfono", Zona(1100, 1300, 1550, 1350)},     {"975000000", Zona(1100, 1350, 1550, 1400)},
        {"Móvil", Zona(1550, 1300, 2000, 1350)},        {"600000000", Zona(1550, 1350, 2000, 1400)},
        {"Notas", Zona(200, 1450, 500, 1500)},          {"primera", Zona(200, 1500, 2000, 1550)},
        {"segunda", Zona(200, 1550, 2000, 1600)},
    };
    for (const auto& c : casos) {
        const QRectF caja = p.Caja(QString::fromUtf8(c.texto));
        ASSERT_FALSE(caja.isNull()) << c.texto;
        EXPECT_TRUE(DentroDe(caja, c.zona)) << c.texto << " at " << caja.left() << "," << caja.top();
    }
    // Slots start 2 mm inside their box; amounts end at its right edge.
    EXPECT_NEAR(p.Caja("LUIS").left(), 220, 5);
    EXPECT_NEAR(p.Caja("535,50").right(), 1800, 6);
    EXPECT_NEAR(p.Caja("0,00").right(), 1800, 6);
}

// The page as a grey image at 1 pixel per millimetre: dark pixels in a zone given in mm.
int Oscuros(const QImage& img, int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}

TEST(FichaInmueble, LongStreetAndNotesAreCutAtTheirBoxes)
{
    FichaInmueble d = Ficha();
    d.direccion = QString(50, u'W');
    QStringList notas;
    for (int i = 0; i < 40; ++i)
        notas << QStringLiteral("línea %1 de las notas").arg(i);
    d.notas = notas.join(u'\n');
    QTemporaryDir dir;
    const QString pdf = dir.filePath("ficha.pdf");
    FichaInmuebleAPdf(pdf, d, {});
    QProcess::execute("pdftoppm", {"-r", "25.4", "-gray", "-singlefile", pdf, dir.filePath("ficha")});
    QImage img(dir.filePath("ficha.pgm"));
    ASSERT_FALSE(img.isNull());
    ASSERT_EQ(img.width(), 210);
    // The street fills its slot up to 200 mm and nothing lies beyond it.
    EXPECT_GT(Oscuros(img, 180, 41, 199, 44), 0);
    EXPECT_EQ(Oscuros(img, 201, 40, 210, 45), 0);
    // Notes fill their box down to 275 mm and stop there.
    EXPECT_GT(Oscuros(img, 25, 265, 60, 274), 0);
    EXPECT_EQ(Oscuros(img, 0, 277, 210, 297), 0);
}

}  // namespace
