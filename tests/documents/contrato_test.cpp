#include "documents_fixture.h"
#include "util/errores.h"

TEST_F(DocumentsTest, OpeningCopiesTheTenancyAndFillsTheFirstRow)
{
    const DatosContrato d = Abrir();
    EXPECT_EQ(d.inquilino, QStringLiteral("ANA"));
    EXPECT_EQ(d.direccion, QStringLiteral("CALLE MAYOR 12"));
    EXPECT_EQ(d.documento, QStringLiteral("D.N.I. 87654321X"));
    EXPECT_EQ(d.propietario.direccion, QStringLiteral("CALLE SOL 3"));
    EXPECT_EQ(d.propietario.documento, QStringLiteral("N.I.F. 12345678Z"));
    EXPECT_EQ(d.cuentaPropietario, QStringLiteral("2100 0418 45 0200051332"));
    // Furnished by default: two months of rent, as the label says.
    EXPECT_TRUE(d.amueblado);
    EXPECT_EQ(EtiquetaFianza(d), QStringLiteral("Fianza, dos meses"));
    EXPECT_EQ(d.fianza, Euros(120000));
    EXPECT_EQ((std::array<bool, 4>{true, false, false, false}), d.marcadas);
    EXPECT_EQ(TotalContrato(d), d.fianza + d.filas[0]);
}

TEST_F(DocumentsTest, FirstRowIsProratedOverTheRealLengthOfTheMonth)
{
    // Monthly amount = rent alone, so the figures are easy to follow.
    const struct { QDate fecha; qint64 renta; qint64 fila1; const char* etiqueta; const char* siguientes; } casos[] = {
        {{2024, 4, 15}, 60000, 32000, "Renta 16 días restantes mes ABRIL", "MAYO JUNIO JULIO"},
        {{2024, 11, 1}, 60000, 60000, "Renta adelantada de NOVIEMBRE", "DICIEMBRE ENERO FEBRERO"},
        {{2023, 2, 28}, 60000, 2143, "Renta 1 días restantes mes FEBRERO", "MARZO ABRIL MAYO"},
        {{2024, 2, 28}, 60000, 4138, "Renta 2 días restantes mes FEBRERO", "MARZO ABRIL MAYO"},
        {{2024, 2, 29}, 60000, 2069, "Renta 1 días restantes mes FEBRERO", "MARZO ABRIL MAYO"},
        {{2024, 1, 31}, 31000, 1000, "Renta 1 días restantes mes ENERO", "FEBRERO MARZO ABRIL"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fecha.toString(Qt::ISODate).toStdString());
        DatosContrato d = Abrir({.fecha = c.fecha, .renta = c.renta});
        PonerOtrosConceptos(d, false);
        EXPECT_EQ(d.filas[0], Euros(c.fila1));
        EXPECT_EQ(EtiquetaFila(d, 1), QString::fromUtf8(c.etiqueta));
        QStringList siguientes;
        for (int f = 2; f <= 4; ++f)
            siguientes << EtiquetaFila(d, f).remove(QStringLiteral("Renta adelantada de "));
        EXPECT_EQ(siguientes.join(u' '), QString::fromLatin1(c.siguientes));
    }
}

TEST_F(DocumentsTest, TickedRowsStayAnUnbrokenRunFromRowOne)
{
    DatosContrato d = Abrir({.fecha = QDate(2024, 4, 15)});
    PonerOtrosConceptos(d, false);
    const Moneda mensual = Euros(60000), prorrata = Euros(32000), cero;
    using F = std::array<Moneda, 4>;
    const struct { int fila; bool marcar; F filas; } pasos[] = {
        {4, true, F{prorrata, mensual, mensual, mensual}},   // fills every row before it
        {2, false, F{prorrata, cero, cero, cero}},            // clears the rows after it
        {1, false, F{cero, cero, cero, cero}},
        {3, true, F{prorrata, mensual, mensual, cero}},       // row 1 comes back with its amount
        {3, false, F{prorrata, mensual, cero, cero}},
    };
    for (const auto& p : pasos) {
        SCOPED_TRACE(p.fila);
        MarcarFila(d, p.fila, p.marcar);
        EXPECT_EQ(d.filas, p.filas);
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(d.marcadas[f], !d.filas[f].EsCero());
        EXPECT_EQ(TotalContrato(d), d.fianza + d.filas[0] + d.filas[1] + d.filas[2] + d.filas[3]);
    }
}

TEST_F(DocumentsTest, OtherConceptsAndDepositChangeTheAmounts)
{
    DatosContrato d = Abrir({.fecha = QDate(2024, 5, 1)});
    MarcarFila(d, 2, true);
    // 600 + 126 - 114 + 30 with the other concepts, the rent alone without them.
    EXPECT_EQ(ImporteMensual(d), Euros(64200));
    EXPECT_EQ(d.filas[1], Euros(64200));
    PonerOtrosConceptos(d, false);
    EXPECT_EQ(d.filas[0], Euros(60000));
    EXPECT_EQ(d.filas[1], Euros(60000));

    CambiarMesesFianza(d);
    EXPECT_EQ(EtiquetaFianza(d), QStringLiteral("Fianza, un mes"));
    EXPECT_EQ(d.fianza, Euros(60000));
    CambiarMesesFianza(d);
    EXPECT_EQ(EtiquetaFianza(d), QStringLiteral("Fianza, dos meses"));
    EXPECT_EQ(TotalContrato(d), Euros(120000 + 60000 + 60000));
}

TEST(Contrato, DurationOccupantsAndEquipmentCode)
{
    EXPECT_EQ(CambiarMeses(6, false), 6);
    EXPECT_EQ(CambiarMeses(12, true), 18);
    EXPECT_EQ(CambiarOcupantes(0, false), 0);
    EXPECT_EQ(TextoOcupantes(0), QString());
    EXPECT_EQ(TextoOcupantes(1500), QStringLiteral("1.500"));
    const struct { int meses; const char* texto; } duraciones[] = {
        {6, "medio año"}, {12, "un año"}, {18, "un año y medio año"},
        {24, " dos  años"}, {30, " dos años y medio"}, {60, " cinco  años"},
    };
    for (const auto& c : duraciones)
        EXPECT_EQ(DuracionEnLetras(c.meses), QString::fromUtf8(c.texto)) << c.meses;

    DatosContrato d;
    d.lavadora = d.nevera = d.cocina = false;
    d.television = true;
    d.nevera = true;
    EXPECT_EQ(CodigoEquipamiento(d), 1010);
}

TEST(Contrato, CoTenantsAreCompactedFilledRowsFirst)
{
    const struct { const char* filas[3]; const char* resultado; int n; } casos[] = {
        {{"A", "B", "C"}, "ABC", 3}, {{"", "", "C"}, "C", 1}, {{"", "B", ""}, "B", 1},
        {{"A", "", "C"}, "AC", 2},   {{"", "B", "C"}, "CB", 2}, {{"", "", ""}, "", 0},
        {{" ", "B", ""}, "B", 1},
    };
    for (const auto& c : casos) {
        std::array<Coarrendatario, 3> filas;
        for (int i = 0; i < 3; ++i)
            filas[i].nombre = QString::fromLatin1(c.filas[i]);
        const int n = CompactarCoarrendatarios(filas);
        EXPECT_EQ(n, c.n) << c.resultado;
        QString nombres;
        for (int i = 0; i < n; ++i)
            nombres += filas[i].nombre;
        EXPECT_EQ(nombres, QString::fromLatin1(c.resultado));
    }
}

TEST_F(DocumentsTest, OpeningRefusesAMissingOwnerOrDateAndRepresentativeMustExist)
{
    try {
        Abrir({.arrendador = QStringLiteral("NADIE")});
        FAIL() << "an unknown owner was accepted";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("propietario erroneo no encontrado = NADIE"));
    }
    try {
        Abrir({.fecha = QDate()});
        FAIL() << "a property without date was accepted";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("Error con fecha alquiler, no se ha podido hacer correctamente el contrato"));
    }
    Propietario(QStringLiteral("Núñez Agencia"));
    DatosContrato d = Abrir();
    PonerRepresentante(db, d, QStringLiteral("NÚÑEZ AGENCIA"));   // case folded, Spanish letters too
    EXPECT_EQ(d.representante.nombre, QStringLiteral("Núñez Agencia"));
    EXPECT_EQ(d.representante.direccion, QStringLiteral("CALLE SOL 3"));
    EXPECT_THROW(PonerRepresentante(db, d, QStringLiteral("OTRO")), UserError);
    EXPECT_EQ(NombresPropietariosEnTabla(db), (QStringList{"GARCIA", "Núñez Agencia"}));
}
