#include "mensaje_error.h"
#include "billing/emision_facturacion.h"
#include "emision_fixture.h"
#include "util/errores.h"

namespace {

// ref:selected of every staged row, in staged order.
QString Estado(Database& db)
{
    QStringList r;
    for (Statement st(db, "SELECT ref, is_recibo_seleccionado FROM emision_recibo ORDER BY rowid"); st.next();)
        r << QStringLiteral("%1:%2").arg(st.integer(0)).arg(st.integer(1));
    return r.join(u' ');
}


}  // namespace

class EmisionFacturacionTest : public EmisionTest {
protected:
    void SetUp() override
    {
        EmisionTest::SetUp();
        Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
        Propietario(QStringLiteral("LÓPEZ GIL ANA"));
        Recibo({.fisico = true, .banco = true});                                        // 1
        Recibo({.arrendador = QStringLiteral("LÓPEZ GIL ANA"), .fisico = false});       // 2
        Recibo({.fisico = false, .banco = true, .ccc = QStringLiteral("123")});         // 3: short account
        Recibo({.fecha = QDate(2007, 4, 1)});                                           // 4: April
        Recibo({.fecha = QDate(2007, 3, 31), .fisico = false, .banco = true});          // 5
    }
};

TEST_F(EmisionFacturacionTest, PaperStagingTakesTheMonthInRefOrderWithoutRecibosFisicoAtNo)
{
    EXPECT_EQ(PrepararEmisionPapel(db, QDate(2007, 3, 1)), 4);
    EXPECT_EQ(Estado(db), QStringLiteral("1:1 2:0 3:0 5:0"));
    // One owner, named in other letter case; the staging is emptied first.
    EXPECT_EQ(PrepararEmisionPapel(db, QDate(2007, 3, 1), QStringLiteral("pérez moreno sergio")), 3);
    EXPECT_EQ(Estado(db), QStringLiteral("1:1 3:0 5:0"));

    EXPECT_EQ(MensajeDeError([&] { PrepararEmisionPapel(db, QDate(2007, 3, 1), QStringLiteral("NADIE")); }),
              QStringLiteral("propietario erroneo no encontrado = NADIE"));
    EXPECT_EQ(MensajeDeError([&] { PrepararEmisionPapel(db, QDate(2007, 5, 1)); }),
              QStringLiteral("Para este mes no existen recibos o facturas emitidas"));
    EXPECT_EQ(MensajeDeError([&] { PrepararEmisionPapel(db, QDate(2007, 5, 1), QStringLiteral("LÓPEZ GIL ANA")); }),
              QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas"));
}

TEST_F(EmisionFacturacionTest, BankStagingTakesOnlyBankReceiptsWithFullAccounts)
{
    EXPECT_EQ(PrepararEmisionBanco(db, QDate(2007, 3, 1), QStringLiteral("PÉREZ MORENO SERGIO")), 2);
    EXPECT_EQ(Estado(db), QStringLiteral("1:1 5:1"));
    EXPECT_EQ(MensajeDeError([&] { PrepararEmisionBanco(db, QDate(2007, 3, 1), QStringLiteral("LÓPEZ GIL ANA")); }),
              QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas"));
}

TEST_F(EmisionFacturacionTest, ClosingTheReviewWritesBackAndDropsTheRowsAtNo)
{
    PrepararEmisionMes(db, QDate(2007, 3, 1));
    Statement(db, "UPDATE emision_recibo SET nota_recibo = 'NUEVA', renta = 1000000,"
                  " is_recibo_seleccionado = (ref = 1)").run();
    EXPECT_EQ(CerrarEmisionRevision(db), 1);
    EXPECT_EQ(Estado(db), QStringLiteral("1:1"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE nota_recibo = 'NUEVA' AND renta = 1000000"), 4);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE nota_recibo = 'Nota'"), 1);   // April untouched
}
