#include <QFile>
#include <QPdfWriter>
#include <QProcess>

#include "data/emision.h"
#include "emision_fixture.h"
#include "receipts/seleccion_recibos.h"
#include "receipts/trabajo_impresion.h"
#include "util/errores.h"

namespace {

int PaginasPdf(const QString& ruta)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {ruta});
    p.waitForFinished(60000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype i = info.indexOf(QStringLiteral("Pages:"));
    return i < 0 ? -1 : info.mid(i + 6).section(u'\n', 0, 0).trimmed().toInt();
}

// A PDF writer whose pages after the `paginas`-th cannot be started, as a printer that fails.
class ImpresoraRota : public QPdfWriter {
public:
    ImpresoraRota(const QString& ruta, int paginas) : QPdfWriter(ruta), m_quedan(paginas - 1) {}
    bool newPage() override { return m_quedan-- > 0 && QPdfWriter::newPage(); }
private:
    int m_quedan;
};

}  // namespace

class SeleccionTest : public EmisionTest {
protected:
    void SetUp() override
    {
        EmisionTest::SetUp();
        Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    }
    // Stages every stored receipt, all at "Si".
    void Preparar()
    {
        VaciarEmision(db);
        CopiarRecibosAEmision(db, QString(), {});
    }
};

TEST_F(SeleccionTest, ListingOfBothLayoutsLeavesOutTheRowsAtNo)
{
    Recibo({.direccion = QStringLiteral("CALLE MAYOR 5"), .renta = 65000});
    const qint64 no = Recibo({.inquilino = QStringLiteral("FUERA DEL LISTADO"), .renta = 99900});
    Recibo({.piso = QStringLiteral("3º A"), .renta = 100'000'000, .ccc = QStringLiteral("1")});
    Preparar();
    for (ModoSeleccion modo : {ModoSeleccion::Banco, ModoSeleccion::Papel, ModoSeleccion::Revision}) {
        SCOPED_TRACE(int(modo));
        CSeleccionRecibos s(db, modo, QDateTime());
        s.MarcarNo({no});
        const QStringList l = s.LineasListado();
        ASSERT_EQ(l.size(), 4);   // header, two rows, total
        EXPECT_EQ(l[0].size(), 116);
        EXPECT_EQ(l[1].size(), 116);
        EXPECT_FALSE(l.join(u'\n').contains(QStringLiteral("FUERA DEL LISTADO")));
        EXPECT_TRUE(l[1].startsWith(QStringLiteral("CALLE MAYOR 5 ")));
        EXPECT_TRUE(l[1].endsWith(QStringLiteral("    650,00")));
        // The million is printed whole, right-aligned with the others.
        EXPECT_TRUE(l[2].endsWith(QStringLiteral(" 1.000.000,00")));
        EXPECT_EQ(l[2].size(), 116);
        if (modo == ModoSeleccion::Banco) {
            EXPECT_TRUE(l[0].startsWith(QStringLiteral("CALLE") + QString(25, u' ') + QStringLiteral("PISO")));
            EXPECT_EQ(l[1].mid(82, 23), QStringLiteral("2100 0418 45 0200051332"));
            EXPECT_EQ(l[2].mid(82, 16), QStringLiteral("2100 0418 45 1  "));
            EXPECT_TRUE(l[3].startsWith(QStringLiteral("TOTAL ")));
            EXPECT_EQ(l[3].mid(82, 23), QStringLiteral("0000 0000 00 0000000000"));
            EXPECT_TRUE(l[3].endsWith(QStringLiteral(" 1.000.650,00")));
        } else {
            EXPECT_TRUE(l[0].endsWith(QStringLiteral("DNI                 TOTAL")));
            EXPECT_EQ(l[1].mid(91, 14), QStringLiteral("66135277L     "));
            EXPECT_EQ(l[3], QString(90, u' ') + QStringLiteral("TOTAL      1.000.650,00"));
            EXPECT_EQ(l[3].size(), 113);
        }
    }
}

TEST_F(SeleccionTest, SelectionIsStoredOnlyOnConfirmationWithTheCollectionDate)
{
    const qint64 a = Recibo({});
    const qint64 b = Recibo({});
    const qint64 c = Recibo({});
    Preparar();
    Statement(db, "UPDATE emision_recibo SET is_recibo_seleccionado = 0 WHERE ref = ?1").bind(1, c).run();
    const QDateTime cobro(QDate(2007, 3, 10), QTime(0, 0));
    CSeleccionRecibos s(db, ModoSeleccion::Banco, cobro);
    EXPECT_EQ(s.RefsSeleccionados(), QList<qint64>({a, b}));   // as staged
    s.Alternar(0);
    s.Alternar(2);
    EXPECT_EQ(s.data(s.index(0, CSeleccionRecibos::kSeleccion)).toString(), QStringLiteral("No"));
    EXPECT_EQ(s.data(s.index(2, CSeleccionRecibos::kSeleccion)).toString(), QStringLiteral("Si"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo WHERE is_recibo_seleccionado = 1"), 2);   // not yet
    s.Confirmar();
    QList<qint64> guardados;
    for (Statement st(db, "SELECT ref FROM emision_recibo WHERE is_recibo_seleccionado = 1 ORDER BY ref");
         st.next();)
        guardados << st.integer(0);
    EXPECT_EQ(guardados, QList<qint64>({b, c}));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo WHERE fecha_cobro = '2007-03-10 00:00:00'"), 3);

    s.Ninguno();
    EXPECT_EQ(s.Seleccionados(), 0);
    s.Todos();
    EXPECT_EQ(s.Seleccionados(), 3);
    EXPECT_THROW(s.MarcarNo({999}), UserError);
}

TEST_F(SeleccionTest, EmptyStagingAndClosedWorkspaceAreRefused)
{
    try {
        CSeleccionRecibos s(db, ModoSeleccion::Papel, QDateTime());
        ADD_FAILURE();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("No existen recibos para esta selección."));
    }
    Database cerrada;
    try {
        CSeleccionRecibos s(cerrada, ModoSeleccion::Papel, QDateTime());
        ADD_FAILURE();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("No hay base abierta"));
    }
}

TEST_F(SeleccionTest, ThousandsOfRowsWithoutACap)
{
    Transaction tx(db);
    for (int i = 0; i < 2500; ++i)
        Recibo({});
    tx.commit();
    Preparar();
    CSeleccionRecibos s(db, ModoSeleccion::Papel, QDateTime());
    EXPECT_EQ(s.rowCount(), 2500);
    EXPECT_EQ(s.LineasListado().size(), 2502);
}

TEST_F(SeleccionTest, JobsPrintOnePagePerRowAtSiAndCheckOnlyThoseOwners)
{
    const qint64 a = Recibo({});
    Recibo({.arrendador = QStringLiteral("DUEÑO BORRADO")});   // at "No": its owner is not needed
    const qint64 c = Recibo({});
    Preparar();
    CSeleccionRecibos s(db, ModoSeleccion::Papel, QDateTime());
    s.Alternar(1);
    for (bool factura : {false, true}) {
        SCOPED_TRACE(factura);
        const auto recibos = RecibosEmision(db, factura, AjustesRecibo(), QDate(), s.RefsSeleccionados());
        const QString pdf = ws.file(factura ? QStringLiteral("f.pdf") : QStringLiteral("r.pdf"));
        EXPECT_EQ(RecibosAPdf(recibos, pdf, QStringLiteral("Prueba"), true), 2);
        EXPECT_EQ(PaginasPdf(pdf), 2);
    }
    EXPECT_EQ(s.RefsSeleccionados(), QList<qint64>({a, c}));

    // A missing owner at "Si" stops the job before anything is written; an older file stays.
    s.Alternar(1);
    const QString pdf = ws.file(QStringLiteral("r.pdf"));
    try {
        RecibosAPdf(RecibosEmision(db, false, AjustesRecibo(), QDate(), s.RefsSeleccionados()), pdf,
                    QStringLiteral("Prueba"), true);
        ADD_FAILURE() << "a receipt without owner must stop the job";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("propietario erroneo no encontrado = DUEÑO BORRADO"));
    }
    EXPECT_EQ(PaginasPdf(pdf), 2);
}

TEST_F(SeleccionTest, PrinterFailureEndsTheDocumentAndSaysWhatPrinted)
{
    for (int i = 0; i < 3; ++i)
        Recibo({});
    Preparar();
    const auto recibos = RecibosEmision(db, false, AjustesRecibo());
    const QString pdf = ws.file(QStringLiteral("rota.pdf"));
    {
        ImpresoraRota impresora(pdf, 2);
        try {
            ImprimirRecibos(impresora, recibos, true);
            ADD_FAILURE() << "the failure must be told";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.Mensaje().contains(QStringLiteral("se imprimieron 2 de 3 recibos"))) << e.what();
        }
    }
    EXPECT_EQ(PaginasPdf(pdf), 2);   // the document was ended: the two pages are readable
}

TEST_F(SeleccionTest, StagedJobDatesAndItsMessagesWhenNothingIsLeft)
{
    const struct { VarianteImpresion v; const char* mensaje; } vacios[] = {
        {VarianteImpresion::PapelTodos, "Para este mes no existen recibos o facturas emitidas"},
        {VarianteImpresion::PapelPropietario, "Para este mes y propietario no existen recibos o facturas emitidas"},
    };
    for (const auto& c : vacios) {
        try {
            RecibosParaImprimir(db, c.v, QDate(2007, 3, 1), AjustesRecibo());
            ADD_FAILURE() << c.mensaje;
        } catch (const UserError& e) {
            EXPECT_EQ(e.Mensaje(), QString::fromUtf8(c.mensaje));
        }
    }
    EXPECT_TRUE(RecibosParaImprimir(db, VarianteImpresion::Revision, QDate(), AjustesRecibo()).empty());

    Recibo({.fecha = QDate(2007, 3, 15)});
    Preparar();
    EXPECT_EQ(RecibosParaImprimir(db, VarianteImpresion::PapelTodos, QDate(2007, 3, 1), AjustesRecibo())
                  .at(0).fecha_emision, QDate(2007, 3, 1));
    EXPECT_EQ(RecibosParaImprimir(db, VarianteImpresion::Revision, QDate(2007, 3, 1), AjustesRecibo())
                  .at(0).fecha_emision, QDate(2007, 3, 15));
}
