#include "reports/vistas_informe.h"
#include "reports_fixture.h"

namespace {

AjustesImpuestos Impuestos()
{
    AjustesImpuestos i;
    i.nombre1 = QStringLiteral("IVA 21%");
    i.nombre2 = QStringLiteral("IRPF");
    return i;
}

QStringList Lineas(const QString& texto)
{
    return texto.split(u'\n');
}

// The concept lines of the closing summary, as "name=amount".
QStringList Resumen(const QString& texto)
{
    const QStringList l = Lineas(texto);
    QStringList r;
    for (qsizetype i = l.indexOf(QString(80, u'*')); i >= 0 && i < l.size(); ++i)
        if (l[i].startsWith(QStringLiteral(" - ")))
            r << l[i].mid(3, 80).trimmed() + u'=' + l[i].mid(84).trimmed();
    return r;
}

}  // namespace

TEST_F(ReportsTest, DetailMergesConceptsByNameAndClosesWithTheTotal)
{
    Recibo({.renta = 10000, .o1 = 1000, .o2 = 500, .c1 = "AGUA", .c2 = "LUZ", .numero = 7});
    Recibo({.piso = "2º", .renta = 20000, .o1 = 700, .iva = 4200, .irpf = -3000, .c1 = "LUZ"});
    const VistaCompuesta v = VistaFacturacionDe(db, Marzo2024(), VistaInforme::Detalle, Impuestos());
    EXPECT_EQ(v.recibos, 2);
    EXPECT_EQ(v.total, Moneda::DeCentimos(33400));
    const QStringList l = Lineas(v.texto);
    ASSERT_GE(l.size(), 10);
    EXPECT_EQ(l.mid(0, 4), (QStringList{"", "INFORME FACTURACIÓN - 1 de MARZO del 2024 al 31 de MARZO del 2024.", "",
                                        QString(80, u'_')}));
    EXPECT_EQ(l[4], QStringLiteral("03/2024 - MAYOR 1 1º"));
    EXPECT_TRUE(l[5].startsWith(QStringLiteral("LUIS , NIF 1X ")));
    EXPECT_TRUE(l[5].endsWith(QStringLiteral("Numero 7")));
    EXPECT_EQ(l[5].size(), 89);
    // Only the receipt's non-zero concepts, then its total.
    EXPECT_EQ(l[6], QStringLiteral(" - ") + QStringLiteral("RENTA").leftJustified(80) + QStringLiteral("     100,00"));
    EXPECT_TRUE(l[8].startsWith(QStringLiteral(" - LUZ ")));
    EXPECT_TRUE(l[9].startsWith(QStringLiteral(" - TOTAL ")) && l[9].endsWith(QStringLiteral("115,00")));
    EXPECT_EQ(Resumen(v.texto), (QStringList{"RENTA=300,00", "AGUA=10,00", "LUZ=12,00", "IVA 21%=42,00",
                                             "IRPF=-30,00"}));
    EXPECT_EQ(l[l.size() - 2], QStringLiteral(" TOTAL") + QStringLiteral("334,00").rightJustified(88));
}

TEST_F(ReportsTest, SummariesStartTheirFirstGroupAtTheFirstReceipt)
{
    Recibo({.inquilino = ""});
    Recibo({.direccion = "SOL 2", .inquilino = "ZOE", .renta = 5000});
    Recibo({.arrendador = "BEA", .inquilino = "ZOE", .renta = 7000});
    const struct { VistaInforme vista; QStringList cabeceras; } casos[] = {
        // By tenant within the owner: the empty name is a group, ZOE under two owners is two.
        {VistaInforme::ResumenInquilino, {", NIF 1X", "ZOE , NIF 1X", "ZOE , NIF 1X"}},
        {VistaInforme::ResumenInmueble, {"1º MAYOR 1", ", NIF 1X", "1º SOL 2", "ZOE , NIF 1X", "1º MAYOR 1",
                                         "ZOE , NIF 1X"}},
    };
    for (const auto& c : casos) {
        const QStringList l = Lineas(VistaFacturacionDe(db, Marzo2024(), c.vista, Impuestos()).texto);
        QStringList cabeceras;
        QStringList totales;
        for (qsizetype i = 4; i < l.size() && !l[i].startsWith(u'*'); ++i) {
            if (l[i].startsWith(QStringLiteral(" - TOTAL")))
                totales << l[i].mid(84).trimmed();
            else if (!l[i].startsWith(QStringLiteral(" - ")) && !l[i].startsWith(u'_'))
                cabeceras << l[i].trimmed();
        }
        EXPECT_EQ(cabeceras, c.cabeceras);
        EXPECT_EQ(totales, (QStringList{"100,00", "50,00", "70,00"}));
    }
}

TEST_F(ReportsTest, EveryConceptIsKeptAndTheSummaryComesInBlocksOf49)
{
    constexpr int kRecibos = 367;   // 1,101 names
    Transaction tx(db);
    for (int i = 0; i < kRecibos; ++i)
        Recibo({.piso = QString::number(i), .renta = 0, .o1 = 1, .o2 = 2, .o3 = 3, .c1 = QStringLiteral("A%1").arg(i),
                .c2 = QStringLiteral("B%1").arg(i), .c3 = QStringLiteral("C%1").arg(i)});
    tx.commit();
    const QString texto = VistaFacturacionDe(db, Marzo2024(), VistaInforme::ResumenInmueble, Impuestos()).texto;
    const QStringList resumen = Resumen(texto);
    ASSERT_EQ(resumen.size(), 3 * kRecibos);
    EXPECT_TRUE(resumen.contains(QStringLiteral("C366=0,03")));
    const QStringList l = Lineas(texto);
    int bloques = 0, enBloque = 0, mayor = 0;
    for (qsizetype i = l.indexOf(QString(80, u'*')); i < l.size(); ++i) {
        if (l[i] == QString(80, u'*')) {
            ++bloques;
            enBloque = 0;
        } else if (l[i].startsWith(QStringLiteral(" - "))) {
            mayor = qMax(mayor, ++enBloque);
        }
    }
    EXPECT_EQ(bloques, (3 * kRecibos + 48) / 49);
    EXPECT_EQ(mayor, 49);
}
