#include <QProcess>
#include <QTemporaryDir>

#include "reports/listado_facturacion.h"
#include "reports/salida_pdf.h"
#include "reports_fixture.h"
#include "util/errores.h"

namespace {

// Each body line as "R" (a receipt) or its label, with the thickness of its rule.
QStringList Forma(const ListadoFacturacion& l)
{
    QStringList r;
    for (const LineaListado& linea : l.lineas)
        r << (linea.trazos == 1 ? QStringLiteral("R") : linea.texto.left(23).trimmed() + u'/' + QString::number(linea.trazos));
    return r;
}

// The seven amount columns: the last seven words of the line.
QStringList Importes(const QString& linea)
{
    return linea.split(u' ', Qt::SkipEmptyParts).mid(linea.split(u' ', Qt::SkipEmptyParts).size() - 7);
}

QList<int> Trazos(const ListadoFacturacion& l)
{
    QList<int> r;
    for (const LineaListado& linea : l.lineas)
        r << linea.trazos;
    return r;
}

QString TextoPdf(const QString& pdf, int pagina)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(pagina),
                                          QStringLiteral("-l"), QString::number(pagina), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST_F(ReportsTest, EachSumLevelClosesWithTheLevelsAboveIt)
{
    using R = Rec;
    const QString kT = QStringLiteral("Suma LUIS NIF 1X/2");
    const struct {
        const char* caso;
        std::vector<Rec> recibos;
        QStringList forma;
    } casos[] = {
        {"a floor repeated under a new street",
         {R{.direccion = "MAYOR 1"}, R{.direccion = "SOL 2"}},
         {"R", kT, "Suma 1º/3", "Suma MAYOR 1/4", "R", kT, "Suma 1º/3", "Suma SOL 2/4", "Suma ANA/5", "Total/6"}},
        {"a street repeated under a new town (the town has no line)",
         {R{.localidad = "MADRID"}, R{.localidad = "BILBAO"}},
         {"R", kT, "Suma 1º/3", "Suma MAYOR 1/4", "R", kT, "Suma 1º/3", "Suma MAYOR 1/4", "Suma ANA/5", "Total/6"}},
        {"street and floor repeated under a new owner",
         {R{.arrendador = "BEA"}, R{.arrendador = "ANA"}},
         {"R", kT, "Suma 1º/3", "Suma MAYOR 1/4", "Suma ANA/5", "R", kT, "Suma 1º/3", "Suma MAYOR 1/4",
          "Suma BEA/5", "Total/6"}},
        {"one tenant on two floors",
         {R{.piso = "2º"}, R{.piso = "1º"}},
         {"R", kT, "Suma 1º/3", "R", kT, "Suma 2º/3", "Suma MAYOR 1/4", "Suma ANA/5", "Total/6"}},
        {"an empty first tenant is a group of its own",
         {R{.inquilino = ""}, R{.fecha = "2024-03-02 00:00:00", .inquilino = "ZOE"}},
         {"R", "Suma  NIF 1X/2", "R", "Suma ZOE NIF 1X/2", "Suma 1º/3", "Suma MAYOR 1/4", "Suma ANA/5", "Total/6"}},
        {"an empty floor too",
         {R{.piso = ""}, R{.piso = "1º"}},
         {"R", kT, "Suma/3", "R", kT, "Suma 1º/3", "Suma MAYOR 1/4", "Suma ANA/5", "Total/6"}},
        {"letter case does not split a group",
         {R{.direccion = "Mayor 1"}, R{.fecha = "2024-03-09 00:00:00", .direccion = "MAYOR 1"}},
         {"R", "R", kT, "Suma 1º/3", "Suma Mayor 1/4", "Suma ANA/5", "Total/6"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Statement(db, "DELETE FROM recibo").run();
        for (const Rec& r : c.recibos)
            Recibo(r);
        const ListadoFacturacion l = ListadoFacturacionDe(db, Marzo2024(), AjustesImpuestos());
        EXPECT_EQ(Forma(l), c.forma);
        EXPECT_EQ(l.recibos, int(c.recibos.size()));
    }
}

TEST_F(ReportsTest, SumsEqualTheirReceiptsAndNoAmountIsCut)
{
    Recibo({.renta = 100000, .o1 = 23450, .iva = 21000, .irpf = -15000});
    Recibo({.fecha = "2024-03-20 00:00:00", .renta = 100000});
    Recibo({.piso = "2º", .renta = 100000000});
    Statement(db, "UPDATE recibo SET otro_importe2 = NULL").run();   // NULL counts as 0
    const ListadoFacturacion l = ListadoFacturacionDe(db, Marzo2024(), AjustesImpuestos());
    ASSERT_EQ(Trazos(l), (QList<int>{1, 1, 2, 3, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Importes(l.lineas[0].texto),
              (QStringList{"1.000,00", "234,50", "0,00", "0,00", "210,00", "-150,00", "1.294,50"}));
    EXPECT_EQ(l.lineas[0].texto.left(23), QStringLiteral("03/2024               0"));
    EXPECT_EQ(l.lineas[0].texto.size(), 100);
    EXPECT_EQ(Importes(l.lineas[3].texto),
              (QStringList{"2.000,00", "234,50", "0,00", "0,00", "210,00", "-150,00", "2.294,50"}));
    // A wider amount takes the blanks to its left; the line keeps a blank before it.
    EXPECT_EQ(Importes(l.lineas[4].texto).first(), QStringLiteral("1.000.000,00"));
    EXPECT_EQ(l.lineas[7].texto.indexOf(QStringLiteral(" 1.002.000,00")), 21);   // still ends at 34
    EXPECT_EQ(Importes(l.lineas[9].texto),
              (QStringList{"1.002.000,00", "234,50", "0,00", "0,00", "210,00", "-150,00", "1.002.294,50"}));
    EXPECT_EQ(l.total.Total(), Moneda::DeCentimos(100229450));
}

TEST_F(ReportsTest, PeriodRunsFromTheFirstDayToTheLastAtAnyHour)
{
    for (const char* fecha : {"2024-02-29 23:59:59", "2024-03-01 00:00:00", "2024-03-31 14:00:00",
                              "2024-04-01 00:00:00"})
        Recibo({.fecha = QString::fromLatin1(fecha)});
    EXPECT_EQ(SeleccionarRecibos(db, Marzo2024(), OrdenInforme::Inmueble), 2);
    QStringList fechas;
    Statement st(db, "SELECT fecha_facturacion FROM emision_recibo ORDER BY rowid");
    while (st.next())
        fechas << st.text(0);
    EXPECT_EQ(fechas, (QStringList{"2024-03-01 00:00:00", "2024-03-31 14:00:00"}));

    FiltroInforme alReves = Marzo2024();
    alReves.desde = QDate(2024, 4, 1);
    try {
        ListadoFacturacionDe(db, alReves, AjustesImpuestos());
        FAIL() << "a period whose start follows its end selected receipts";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), kSinRecibosPeriodo);
    }
}

TEST_F(ReportsTest, FiltersAreBoundAndIgnoreCase)
{
    Recibo({.arrendador = "O'DONNELL", .iva = 2100});
    Recibo({.arrendador = "MUÑOZ", .direccion = "SOL 2"});
    Recibo({.arrendador = "MUÑOZ", .localidad = "ÁVILA", .piso = "2º"});
    const struct { const char* caso; FiltroInforme f; int recibos; } casos[] = {
        {"an apostrophe", {.propietario = "o'donnell"}, 1},
        {"Spanish letters", {.propietario = "muñoz"}, 2},
        {"TODOS chooses nothing", {.propietario = "todos", .localidad = "TODOS"}, 3},
        {"town", {.localidad = "ávila"}, 1},
        {"floor alone", {.piso = "2º"}, 1},
        {"street and owner", {.propietario = "MUÑOZ", .direccion = "sol 2"}, 1},
        {"VAT only", {.soloIva = true}, 1},
        {"a quote cannot break out", {.propietario = "x' OR '1'='1"}, 0},
    };
    for (auto c : casos) {
        SCOPED_TRACE(c.caso);
        c.f.desde = c.f.hasta = QDate(2024, 3, 1);
        EXPECT_EQ(SeleccionarRecibos(db, c.f, OrdenInforme::Inmueble), c.recibos);
    }
}

TEST_F(ReportsTest, StagedRowsComeBackInReportOrderNotByRef)
{
    for (const char* nombre : {"CARLOS", "ana", "BEA", "ÁLVARO"})
        Recibo({.arrendador = QString::fromUtf8(nombre)});
    Recibo({.arrendador = "CARLOS", .piso = "0º", .inquilino = "AARON"});
    SeleccionarRecibos(db, Marzo2024(), OrdenInforme::Inquilino);
    QStringList orden;
    RecorrerSeleccion(db, [&](const ReciboInforme& r) { orden << r.arrendador + u'/' + r.nom_arrendatario; });
    EXPECT_EQ(orden, (QStringList{"ana/LUIS", "BEA/LUIS", "CARLOS/AARON", "CARLOS/LUIS", "ÁLVARO/LUIS"}));
}

TEST(TituloInforme, TitleAndSubtitleFromTheFields)
{
    FiltroInforme f{.desde = QDate(2010, 1, 1), .hasta = QDate(2010, 12, 1)};
    EXPECT_EQ(TituloInforme(f), QStringLiteral("INFORME FACTURACIÓN - 1 de ENERO del 2010 al 31 de DICIEMBRE del 2010."));
    f.hasta = QDate(2012, 2, 1);
    EXPECT_TRUE(TituloInforme(f).endsWith(QStringLiteral("al 29 de FEBRERO del 2012.")));
    const struct { FiltroInforme f; const char* subtitulo; } casos[] = {
        {{.propietario = "ANA", .localidad = "MADRID", .direccion = "TODOS", .piso = "2º"}, "TODOS 2º"},
        {{.propietario = "ANA", .direccion = "SOL 2", .piso = "TODOS"}, "SOL 2"},
        {{.propietario = "ANA", .localidad = "MADRID"}, "ANA"},
        {{.propietario = "TODOS", .localidad = "MADRID"}, ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(SubtituloInforme(c.f), QString::fromUtf8(c.subtitulo));
}

TEST_F(ReportsTest, PagesPast43LinesRepeatTheirHeadingsAndCarryTheSums)
{
    for (int i = 1; i <= 45; ++i)
        Recibo({.fecha = QStringLiteral("2024-03-%1 10:00:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')), .numero = i});
    const ListadoFacturacion l = ListadoFacturacionDe(db, Marzo2024(), AjustesImpuestos());
    ASSERT_EQ(l.lineas.size(), 50u);
    EXPECT_EQ(PaginasListado(l), 2);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("l.pdf"));
    EscribirPdf(pdf, l.titulo, [&l](QPainter& p, QPagedPaintDevice& d) { DibujarListado(p, d, l); });
    const QString uno = TextoPdf(pdf, 1), dos = TextoPdf(pdf, 2);
    for (const QString& pagina : {uno, dos}) {
        EXPECT_TRUE(pagina.contains(QStringLiteral("INFORME FACTURACIÓN - 1 de MARZO del 2024")));
        EXPECT_TRUE(pagina.contains(QStringLiteral("NÚMERO")));
    }
    EXPECT_TRUE(uno.contains(QStringLiteral("Página 1")));
    EXPECT_TRUE(dos.contains(QStringLiteral("Página 2")));
    EXPECT_FALSE(uno.contains(QStringLiteral("Total")));
    EXPECT_TRUE(dos.contains(QStringLiteral("4.500,00")));   // the sums run on across the pages
    EXPECT_TRUE(TextoPdf(pdf, 3).trimmed().isEmpty());
}
