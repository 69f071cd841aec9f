#include <QFile>

#include "emision_fixture.h"
#include "texto_pdf.h"

class SeleccionCliTest : public EmisionTest {
protected:
    int Cli(const QStringList& args)
    {
        db.close();
        out.clear();
        err.clear();
        return RunCli(QStringList{QStringLiteral("seleccion"), ws.workspacePath(), QStringLiteral("2007-03")} + args,
                      &out, &err);
    }
    QString out, err;
};

TEST_F(SeleccionCliTest, ListingInvoicesAndReceiptsFollowTheSelection)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    const qint64 a = Recibo({.inquilino = QStringLiteral("PRIMERO")});
    Recibo({.inquilino = QStringLiteral("SIN RECIBO FÍSICO"), .fisico = false});
    const qint64 c = Recibo({.inquilino = QStringLiteral("TERCERO")});
    const QString l = ws.file(QStringLiteral("l.pdf")), f = ws.file(QStringLiteral("f.pdf")),
                  r = ws.file(QStringLiteral("r.pdf"));
    ASSERT_EQ(Cli({QStringLiteral("--no"), QString::number(c), QStringLiteral("--listado"), l,
                   QStringLiteral("--facturas"), f, QStringLiteral("--recibos"), r}), 0)
        << err.toStdString();
    const QStringList lineas = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 3);   // header, PRIMERO, total
    EXPECT_TRUE(lineas[1].contains(QStringLiteral("PRIMERO")));
    EXPECT_TRUE(TextoPdf(l).contains(QStringLiteral("Informe Facturación")));
    EXPECT_EQ(PaginasDePdf(f), 1);
    EXPECT_EQ(PaginasDePdf(r), 1);
    // Confirmed: the staging keeps only the receipt printed.
    Database otra(ws.workspacePath());
    EXPECT_EQ(QueryInteger(otra, QStringLiteral("SELECT group_concat(ref) FROM emision_recibo")), a);
}

TEST_F(SeleccionCliTest, RefusalsExitWithTheMessageAndWriteNoPdf)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    Recibo({});
    Recibo({.arrendador = QStringLiteral("BORRADO")});
    const QString f = ws.file(QStringLiteral("f.pdf"));
    EXPECT_EQ(Cli({QStringLiteral("--facturas"), f}), 1);
    EXPECT_EQ(err.trimmed(), QStringLiteral("propietario erroneo no encontrado = BORRADO"));
    EXPECT_FALSE(QFile::exists(f));
    EXPECT_EQ(Cli({QStringLiteral("--no"), QStringLiteral("2"), QStringLiteral("--facturas"), f}), 0);
    EXPECT_EQ(PaginasDePdf(f), 1);

    EXPECT_EQ(Cli({QStringLiteral("--propietario"), QStringLiteral("NADIE")}), 1);
    EXPECT_EQ(err.trimmed(), QStringLiteral("propietario erroneo no encontrado = NADIE"));
    EXPECT_EQ(RunCli({QStringLiteral("seleccion"), ws.workspacePath(), QStringLiteral("2007-09")}, &out, &err), 1);
    EXPECT_EQ(err.trimmed(), QStringLiteral("Para este mes no existen recibos o facturas emitidas"));
    EXPECT_EQ(Cli({QStringLiteral("--banco")}), 2);
    EXPECT_EQ(Cli({QStringLiteral("--listado"), ws.workspacePath()}), 1);
}
