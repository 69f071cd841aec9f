#include "billing/emision_facturacion.h"
#include "emision_fixture.h"
#include "reports/lineas_facturacion.h"
#include "texto_pdf.h"
#include "util/errores.h"

class ListadoFacturacionTest : public EmisionTest {};

TEST_F(ListadoFacturacionTest, RunListingLinesAndTitle)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    Recibo({.direccion = QStringLiteral("CALLE MAYOR 5"), .piso = QStringLiteral("2º B"), .renta = 50000,
            .iva = 10500, .numero = 7});
    Recibo({.renta = 100'000'000, .numero = 1234});
    Recibo({.fecha = QDate(2007, 4, 1)});   // another month
    PrepararEmisionMes(db, QDate(2007, 3, 1));
    const QStringList l = LineasFacturacion(db);
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[0], QStringLiteral("  NUMERO                       DIRECCION                                  NOMBRE"
                                   "              DOCUMENTO    IMPORTE  "));
    EXPECT_EQ(l[1], QStringLiteral("         7 ") + QStringLiteral("CALLE MAYOR 5 2º B").leftJustified(50) +
                        u' ' + QStringLiteral("RUIZ MUÑOZ ANTONIO").leftJustified(30) +
                        QStringLiteral("    66135277L     605,00"));
    EXPECT_TRUE(l[2].startsWith(QStringLiteral("     1.234 ")));
    EXPECT_TRUE(l[2].endsWith(QStringLiteral("66135277L 1.000.000,00")));   // never cut
    EXPECT_EQ(l[3], QStringLiteral("TOTAL").leftJustified(104) + QStringLiteral("1.000.605,00"));
    for (int i : {0, 1, 3})
        EXPECT_EQ(l[i].size(), 116) << i;
    EXPECT_EQ(l[2].size(), 118);   // no blanks before the amount to take: the line grows
    EXPECT_EQ(TituloFacturacion(QDate(2007, 3, 1)), QStringLiteral("Facturación MARZO del 2007."));

    PrepararEmisionMes(db, QDate(2007, 5, 1));
    EXPECT_THROW(
        {
            try {
                LineasFacturacion(db);
            } catch (const UserError& e) {
                EXPECT_EQ(e.Mensaje(), QStringLiteral("No existen recibos para esta selección."));
                throw;
            }
        },
        UserError);
}

TEST_F(ListadoFacturacionTest, CliPrintsTheTitleAndTheListingAndRefusesAnEmptyMonth)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    for (int i = 0; i < 60; ++i)
        Recibo({.numero = i + 1});
    db.close();
    QString out, err;
    const QString pdf = ws.file(QStringLiteral("ver.pdf"));
    ASSERT_EQ(RunCli({QStringLiteral("ver-facturacion"), ws.workspacePath(), QStringLiteral("2007-03"),
                      QStringLiteral("--pdf"), pdf}, &out, &err), 0) << err.toStdString();
    const QStringList lineas = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 1 + 1 + 60 + 1);
    EXPECT_EQ(lineas[0], QStringLiteral("Facturación MARZO del 2007."));
    EXPECT_TRUE(lineas.last().startsWith(QStringLiteral("TOTAL ")));
    // 61 body lines: 50 on the first page, the rest and the header on the second.
    ASSERT_EQ(PaginasDePdf(pdf), 2);
    EXPECT_TRUE(TextoPdf(pdf, 2, 2).contains(QStringLiteral("DIRECCION")));

    EXPECT_EQ(RunCli({QStringLiteral("ver-facturacion"), ws.workspacePath(), QStringLiteral("2007-05")}, &out, &err), 1);
    EXPECT_EQ(err.trimmed(), QStringLiteral("No existen recibos para esta selección."));
    // The workspace is never an output.
    EXPECT_EQ(RunCli({QStringLiteral("ver-facturacion"), ws.workspacePath(), QStringLiteral("2007-03"),
                      QStringLiteral("--pdf"), ws.workspacePath()}, &out, &err), 1);
    Database otra(ws.workspacePath());
    EXPECT_EQ(QueryInteger(otra, QStringLiteral("SELECT COUNT(*) FROM recibo")), 60);
}
