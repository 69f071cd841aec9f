#include <QFile>

#include "mensaje_error.h"
#include "bank/remesa.h"
#include "billing/cobros.h"
#include "billing/emision_facturacion.h"
#include "billing/facturaciones.h"
#include "emision_fixture.h"

namespace {

class CobrosTest : public EmisionTest {
protected:
    void Run(const QDate& fecha, const QString& notas = QString())
    {
        Statement(db, "INSERT INTO facturacion (fecha, notas) VALUES (?1, ?2)")
            .bind(1, QDateTime(fecha, QTime(0, 0))).bind(2, notas).run();
    }
    void Estado(qint64 ref, int estado)
    {
        Statement(db, "UPDATE recibo SET estado = ?2 WHERE ref = ?1").bind(1, ref).bind(2, estado).run();
    }
    QList<qint64> Refs(const FiltroRecibos& f, int pagina = 0)
    {
        ConsultaCobros c(db, f);
        c.IrAPagina(pagina);
        QList<qint64> r;
        for (const FilaCobro& l : c.Lineas())
            r << l.ref;
        return r;
    }
};

}  // namespace

TEST_F(CobrosTest, RunLinesPadMonthAndYear)
{
    EXPECT_EQ(LineaFacturacion({QDate(2006, 12, 1), QStringLiteral("notas")}), QStringLiteral("DICIEMBRE   2006  notas"));
    EXPECT_EQ(LineaFacturacion({QDate(2006, 9, 1), QString()}), QStringLiteral("SEPTIEMBRE  2006  "));
}

// Only the newest run goes, with the receipts of its day, whatever the selected line was.
TEST_F(CobrosTest, DeletingTakesTheNewestRunAndItsDayOnly)
{
    Run(QDate(2006, 11, 1));
    Run(QDate(2006, 12, 1));
    Recibo({.fecha = QDate(2006, 11, 1)});
    const qint64 a = Recibo({.fecha = QDate(2006, 12, 1)});
    Recibo({.fecha = QDate(2006, 12, 1)});
    Recibo({.fecha = QDate(2006, 12, 15)});   // individual billing later that month: stays
    Estado(a, 1);

    EXPECT_EQ(MensajeDeError([&] { EliminarUltimaFacturacion(db, QDate(2006, 11, 1)); }),
              QStringLiteral("Solo se puede eliminar la última facturación, que es la de DICIEMBRE de 2006."));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 4);

    const auto previsto = UltimaFacturacion(db);
    ASSERT_TRUE(previsto);
    EXPECT_EQ(previsto->recibos, 2);
    EXPECT_EQ(previsto->conEstado, 1);
    EXPECT_TRUE(PreguntaEliminarUltima(*previsto).contains(QStringLiteral("1 no están \"SIN ESPECIFICAR\"")));

    const BorradoFacturacion b = EliminarUltimaFacturacion(db, QDate(2006, 12, 1));
    EXPECT_EQ(b.mes, QDate(2006, 12, 1));
    EXPECT_EQ(b.recibos, 2);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 2);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 1);
    EliminarUltimaFacturacion(db);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM facturacion"), 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_FALSE(MensajeDeError([&] { EliminarUltimaFacturacion(db); }).isEmpty());
}

TEST_F(CobrosTest, ChargeDateByWeekdayOfTheFirstOrFixedDay)
{
    const ReglaVencimiento porDia;   // type 0
    struct { QDate mes; int dia; } casos[] = {
        {QDate(2024, 3, 1), 11},   // Friday
        {QDate(2024, 6, 1), 10},   // Saturday
        {QDate(2024, 9, 1), 9},    // Sunday
        {QDate(2024, 4, 1), 8},    // Monday
        {QDate(2024, 2, 1), 8},    // Thursday
    };
    for (const auto& c : casos)
        EXPECT_EQ(ProponerFechaCobro(c.mes, porDia), QDate(c.mes.year(), c.mes.month(), c.dia)) << c.mes.toString().toStdString();
    ReglaVencimiento fijo;
    fijo.tipo = 1;
    EXPECT_EQ(ProponerFechaCobro(QDate(2024, 3, 1), fijo), QDate(2024, 3, 6));   // the default day
    fijo.dia = 31;
    EXPECT_EQ(ProponerFechaCobro(QDate(2023, 2, 1), fijo), QDate(2023, 2, 28));

    EXPECT_EQ(MensajeDeError([] { LeerFechasEmision(3, 2024, 31, 2, 2024, false); }),
              QStringLiteral("Fecha Cobro Incorrecta"));
    // The paper flow hides the charge date: it never blocks.
    EXPECT_EQ(LeerFechasEmision(3, 2024, 31, 2, 2024, true).facturacion, QDate(2024, 3, 1));
    EXPECT_EQ(MensajeDeError([] { LeerFechasEmision(13, 2024, 1, 2, 2024, false); }),
              QStringLiteral("Fecha Facturación Incorrecta"));
}

TEST_F(CobrosTest, OpeningPeriodAndStates)
{
    const FiltroRecibos f = FiltroApertura(QDate(2007, 3, 15));
    EXPECT_EQ(f.desde, QDate(2006, 3, 15));
    EXPECT_EQ(f.hasta, QDate(2008, 3, 31));
    EXPECT_EQ(f.estados, (QList<int>{0, 2, 3, 4, 5}));
    EXPECT_EQ(FiltroApertura(QDate(2008, 2, 29)).desde, QDate(2007, 2, 28));

    Recibo({.fecha = QDate(2006, 3, 14)});               // 1 before
    const qint64 dentro = Recibo({.fecha = QDate(2006, 3, 15)});
    const qint64 cobrado = Recibo({.fecha = QDate(2007, 1, 1)});
    const qint64 ultimo = Recibo({.fecha = QDate(2008, 3, 31)});
    Recibo({.fecha = QDate(2008, 4, 1)});                // after
    Estado(cobrado, 1);
    EXPECT_EQ(Refs(f), (QList<qint64>{ultimo, dentro}));
    GuardarCobro(db, ultimo, 1, QDateTime(QDate(2008, 4, 2), QTime()));
    EXPECT_EQ(Refs(f), (QList<qint64>{dentro}));   // collected: gone at the refill
}

TEST_F(CobrosTest, PagesOfFiftyNewestFirstAndClamped)
{
    {
        Transaction tx(db);
        for (int i = 0; i < 120; ++i)
            Recibo({.fecha = QDate(2007, 1, 1).addDays(i)});
        tx.commit();
    }
    ConsultaCobros c(db, FiltroTodos());
    EXPECT_EQ(c.Total(), 120);
    EXPECT_EQ(c.Paginas(), 3);
    std::vector<int> tamanos;
    QList<qint64> vistos;
    for (int p = 0; p < 3; ++p) {
        c.IrAPagina(p);
        EXPECT_EQ(c.HaySiguiente(), p < 2);
        EXPECT_EQ(c.HayAnterior(), p > 0);
        for (const FilaCobro& l : c.Lineas())
            vistos << l.ref;
        tamanos.push_back(int(c.Lineas().size()));
    }
    EXPECT_EQ(tamanos, (std::vector<int>{50, 50, 20}));
    ASSERT_EQ(vistos.size(), 120);
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(vistos[i], 120 - i);   // newest billing date first, across both halves
    c.IrAPagina(7);
    EXPECT_EQ(c.Pagina(), 2);
    Statement(db, "DELETE FROM recibo WHERE ref > 60").run();
    c.Recontar();
    EXPECT_EQ(c.Pagina(), 1);
    EXPECT_EQ(c.Lineas().size(), 10u);
}

TEST_F(CobrosTest, LineIsNinetySixWideWithBlankCollectionDate)
{
    const QString l = LineaCobro(QDate(2007, 3, 1), 9, QDate(), QStringLiteral("MAYOR 5"), QStringLiteral("2º B"),
                                 Moneda::DeCentimos(58000));
    EXPECT_EQ(l, QStringLiteral(" 01/03/07 SIN ESPECIFICAR   ") + QString(8, u' ') + u' ' +
                     QStringLiteral("MAYOR 5 2º B").leftJustified(47) + QStringLiteral("      580,00"));
    EXPECT_EQ(l.size(), 96);
    // An amount wider than its field pushes the line, it is never cut.
    EXPECT_TRUE(LineaCobro(QDate(2007, 3, 1), 1, QDate(2007, 3, 5), QString(51, u'X'), QString(),
                           Moneda::DeCentimos(123456789012LL)).endsWith(QStringLiteral("1.234.567.890,12")));
}

// Names with quotes and "%" are values, not SQL; case and accents fold; "%" is no wildcard.
TEST_F(CobrosTest, SearchFoldsAndEscapes)
{
    const qint64 obrien = Recibo({.arrendador = QStringLiteral("O'BRIEN ÑÚÑEZ"), .direccion = QStringLiteral("100% LUZ 3")});
    const qint64 otro = Recibo({.direccion = QStringLiteral("1000 LUZ"), .inquilino = QStringLiteral("PEÑA")});
    const qint64 piso = Recibo({.direccion = QStringLiteral("100% LUZ 3"), .piso = QStringLiteral("1º")});
    BusquedaRecibos b = BusquedaPorDefecto(QDate(2007, 6, 1));
    b.direccion = QStringLiteral("100% luz");
    EXPECT_EQ(Refs(FiltroDeBusqueda(b)), (QList<qint64>{piso, obrien}));
    b.propietario = QStringLiteral("o'brien ñúñez");
    EXPECT_EQ(Refs(FiltroDeBusqueda(b)), (QList<qint64>{obrien}));
    b = BusquedaPorDefecto(QDate(2007, 6, 1));
    b.inquilino = QStringLiteral("peña");
    EXPECT_EQ(Refs(FiltroDeBusqueda(b)), (QList<qint64>{otro}));
    b = BusquedaPorDefecto(QDate(2007, 6, 1));
    b.piso = QStringLiteral("1º");
    EXPECT_EQ(Refs(FiltroDeBusqueda(b)), (QList<qint64>{piso}));
    b.piso = QStringLiteral("TODOS");
    b.estados = {0, 1, 2, 3, 4, 5};
    EXPECT_EQ(Refs(FiltroDeBusqueda(b)).size(), 3);
    b.estados.clear();
    EXPECT_EQ(MensajeDeError([&] { FiltroDeBusqueda(b); }), QStringLiteral("Marque al menos un estado de recibo."));
}

TEST_F(CobrosTest, SearchListsFollowTheOwner)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    Propietario(QStringLiteral("LÓPEZ GIL ANA"));
    for (auto [dir, owner, inq] : {std::tuple{"MAYOR 5", "PÉREZ MORENO SERGIO", "ANA"},
                                   std::tuple{"SOL 1", "LÓPEZ GIL ANA", "LUIS"}})
        Statement(db, "INSERT INTO inmueble (ref, direccion, piso, arrendador, nom_arrendatario)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM inmueble), ?1, ' ', ?2, ?3)")
            .bind(1, dir).bind(2, owner).bind(3, inq).run();
    ListasBusqueda l = ListasBuscarRecibos(db, QStringLiteral("TODOS"), QStringLiteral("TODAS"));
    EXPECT_EQ(l.propietarios.first(), QStringLiteral("TODOS"));
    EXPECT_EQ(l.direcciones, (QStringList{"MAYOR 5", "SOL 1", "TODAS"}));
    l = ListasBuscarRecibos(db, QStringLiteral("lópez gil ana"), QStringLiteral("TODAS"));
    EXPECT_EQ(l.direcciones, (QStringList{"SOL 1", "TODAS"}));
    EXPECT_EQ(l.inquilinos, (QStringList{"LUIS", "TODOS"}));
    l = ListasBuscarRecibos(db, QStringLiteral("TODOS"), QStringLiteral("MAYOR 5"));
    EXPECT_EQ(l.inquilinos, (QStringList{"ANA", "TODOS"}));
}

TEST_F(CobrosTest, CollectionStoredOrRefused)
{
    const qint64 r = Recibo({});
    GuardarCobro(db, r, 3, QDateTime(QDate(2007, 4, 2), QTime()));
    EXPECT_EQ(LeerCobro(db, r), (std::pair{3, QDateTime(QDate(2007, 4, 2), QTime(0, 0))}));
    EXPECT_FALSE(MensajeDeError([&] { GuardarCobro(db, r, 6, QDateTime()); }).isEmpty());
    EXPECT_EQ(MensajeDeError([&] { GuardarCobro(db, 99, 1, QDateTime()); }), QStringLiteral("El recibo 99 no existe."));
    EXPECT_EQ(LeerCobro(db, r).first, 3);
}

// A receipt billed with the tenant's wrong account takes the property's corrected one,
// unless it was already sent or collected.
TEST_F(CobrosTest, WrongAccountTakesThePropertysCorrectedOne)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    Statement(db, "INSERT INTO inmueble (ref, direccion, piso, arrendador, banco, sucursal, dc, ccc)"
                  " VALUES (1, 'MAYOR 5', '2º B', 'PÉREZ MORENO SERGIO', '2100', '0418', '45', '0200051332')").run();
    const qint64 mal = Recibo({.banco = true, .ccc = QStringLiteral("0200051333")});
    const qint64 enviado = Recibo({.banco = true, .ccc = QStringLiteral("123")});
    const qint64 bien = Recibo({.banco = true});
    Estado(enviado, 2);
    EXPECT_EQ(ContarCuentasACorregir(db, QDate(2007, 3, 1), QStringLiteral("pérez moreno sergio")), 1);
    EXPECT_EQ(CorregirCuentasRecibos(db, QDate(2007, 3, 1)), 1);
    Statement st(db, "SELECT ref, ccc FROM recibo ORDER BY ref");
    QStringList r;
    while (st.next())
        r << QStringLiteral("%1:%2").arg(st.integer(0)).arg(st.text(1));
    EXPECT_EQ(r, (QStringList{QStringLiteral("%1:0200051332").arg(mal), QStringLiteral("%1:123").arg(enviado),
                              QStringLiteral("%1:0200051332").arg(bien)}));
    EXPECT_EQ(ContarCuentasACorregir(db, QDate(2007, 3, 1)), 0);
}

TEST_F(CobrosTest, MarkingIsAllOrNothing)
{
    const qint64 a = Recibo({});
    EXPECT_FALSE(MensajeDeError([&] { MarcarEnviadosAlCobro(db, {a, 77}, QDate(2007, 3, 8)); }).isEmpty());
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE estado = 2 OR fecha_cobro IS NOT NULL"), 0);
    MarcarEnviadosAlCobro(db, {a}, QDate(2007, 3, 8));
    EXPECT_EQ(LeerCobro(db, a), (std::pair{2, QDateTime(QDate(2007, 3, 8), QTime(0, 0))}));
}

TEST_F(CobrosTest, PropertyReceiptsStagedNewestFirstAndDeletedTogether)
{
    const qint64 viejo = Recibo({.fecha = QDate(2007, 2, 1), .numero = 1234});
    const qint64 nuevo = Recibo({.piso = QStringLiteral("2º b"), .fecha = QDate(2007, 3, 1)});
    Recibo({.piso = QStringLiteral("3º")});
    EXPECT_EQ(PrepararEmisionInmueble(db, QStringLiteral("mayor 5"), QStringLiteral("2º B")), 2);
    const std::vector<FilaEmitido> f = FilasEmitidas(db);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].ref, nuevo);
    EXPECT_EQ(f[1].mes, QStringLiteral("02/2007"));
    const QStringList l = LineasListadoEmitidos(db);
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[2].left(22), QStringLiteral("01/02/2007      1.234 "));
    EXPECT_EQ(l[3].left(57), QStringLiteral("TOTAL").leftJustified(57));
    EXPECT_TRUE(l[3].endsWith(QStringLiteral("   1.160,00")));
    BorrarReciboEmitido(db, viejo);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 2);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo"), 1);
    EXPECT_EQ(MensajeDeError([&] { PrepararEmisionInmueble(db, QStringLiteral("SOL"), QString()); }),
              QStringLiteral("Este inmueble no tiene ningún recibo emitido mediante facturación."));
}
