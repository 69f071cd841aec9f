#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "bank/fichero_cuaderno19.h"
#include "bank_fixture.h"
#include "util/formato.h"
#include "temp_workspace.h"
#include "util/errores.h"

namespace {

QString A(const QString& s, int w)
{
    return s.leftJustified(w, u' ', true);
}

class Cuaderno19 : public ::testing::Test {
protected:
    TempWorkspace ws;
};

}  // namespace

TEST_F(Cuaderno19, EveryFieldOfEveryRecordOfOneReceipt)
{
    AjustesBanco ajustes;
    ajustes.sufijo = 2;
    ajustes.impuestos.nombre2 = QStringLiteral("Retención");
    CFicheroCuaderno19 f = FicheroPrueba(ajustes);
    ReciboBanco r = ReciboSimple(12345, 65000, QStringLiteral("PÉREZ LÓPEZ ANA"));
    r.codref = QStringLiteral("ABC-1");
    r.fecha_facturacion = QDate(2005, 3, 1);
    r.iva = Moneda::DeCentimos(13650);
    r.irpf = Moneda::DeCentimos(-9750);
    r.otro_importe1 = Moneda::DeCentimos(2000);
    r.otro_concepto1 = QStringLiteral("COMUNIDAD");
    r.numero_recibo = 77;
    ASSERT_TRUE(f.AnadirRecibo(r));

    const QByteArray bytes = f.Contenido();
    EXPECT_FALSE(bytes.endsWith('\n'));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    const QList<QByteArray> reg = Registros(bytes);
    ASSERT_EQ(reg.size(), 11);
    const char* codigos[] = {"5180", "5380", "5680", "5681", "5682", "5683",
                             "5684", "5685", "5686", "5880", "5980"};
    for (int i = 0; i < reg.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reg[i].size(), 162);
        EXPECT_EQ(reg[i].left(4), QByteArray(codigos[i]));
        EXPECT_EQ(Campo(reg[i], 5, 9), "50001774G");
        EXPECT_EQ(Campo(reg[i], 14, 3), "002");
    }
    const QString nombre = A(QStringLiteral("MUÑOZ LÓPEZ ELENA"), 40);
    // The name travels in code page 1252: Ñ is one byte, 0xD1.
    EXPECT_EQ(reg[0].mid(28, 40).indexOf('\xD1'), 2);

    // Presenter header.
    EXPECT_EQ(Campo(reg[0], 17, 6), "050307");
    EXPECT_EQ(Campo(reg[0], 23, 6), QString(6, u' '));
    EXPECT_EQ(Campo(reg[0], 29, 40), nombre);
    EXPECT_EQ(Campo(reg[0], 69, 20), QString(20, u' '));
    EXPECT_EQ(Campo(reg[0], 89, 4), "2080");
    EXPECT_EQ(Campo(reg[0], 93, 4), "8802");
    EXPECT_EQ(Campo(reg[0], 97, 66), QString(66, u' '));

    // Ordering-party header: the credit account.
    EXPECT_EQ(Campo(reg[1], 17, 6), "050307");
    EXPECT_EQ(Campo(reg[1], 23, 6), "100307");
    EXPECT_EQ(Campo(reg[1], 29, 40), nombre);
    EXPECT_EQ(Campo(reg[1], 69, 20), "20808802183071876575");
    EXPECT_EQ(Campo(reg[1], 89, 8), QString(8, u' '));
    EXPECT_EQ(Campo(reg[1], 97, 2), "01");
    EXPECT_EQ(Campo(reg[1], 99, 64), QString(64, u' '));

    // Individual record.
    EXPECT_EQ(Campo(reg[2], 17, 12), A("ABC-1", 12));
    EXPECT_EQ(Campo(reg[2], 29, 40), A(QStringLiteral("PÉREZ LÓPEZ ANA"), 40));
    EXPECT_EQ(Campo(reg[2], 69, 20), "21000418450200051332");
    EXPECT_EQ(Campo(reg[2], 89, 10), "0000070900");   // 650 + 136,50 - 97,50 + 20
    EXPECT_EQ(Campo(reg[2], 99, 6), "12345 ");
    EXPECT_EQ(Campo(reg[2], 105, 4), "1234");
    EXPECT_EQ(Campo(reg[2], 109, 1), "/");
    EXPECT_EQ(Campo(reg[2], 110, 5), "77   ");
    EXPECT_EQ(Campo(reg[2], 155, 8), QString(8, u' '));

    // The concept text: 40 characters in the 5680, 120 in each optional record.
    const QString esperado =
        A(QStringLiteral("Renta MARZO del 2.005"), 70) + A("650,00", 10) +
        A("COMUNIDAD", 70) + A("20,00", 10) + A("IVA 21%", 70) + A("136,50", 10) +
        A(QStringLiteral("Retención"), 70) + A("-97,50", 10) + A("TOTAL", 70) + A("709,00", 10) +
        A(" Numero Recibo=77     |Codigo Cliente=ABC-1       |RefRec=12345", 80);
    QString concepto = Campo(reg[2], 115, 40);
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const QByteArray& o = reg[2 + k];
        EXPECT_EQ(Campo(o, 17, 12), A("ABC-1", 12));
        EXPECT_EQ(Campo(o, 149, 14), QString(14, u' '));
        concepto += Campo(o, 29, 40) + Campo(o, 69, 40) + Campo(o, 109, 40);
    }
    EXPECT_EQ(concepto, A(esperado, 760));
    EXPECT_EQ(f.TextoConcepto(r), A(esperado, 800));
    EXPECT_EQ(reg[4].mid(28, 120).indexOf('\xF3'), 87);   // ó of Retención in code page 1252

    // Ordering-party total and general total.
    EXPECT_EQ(Campo(reg[9], 17, 72), QString(72, u' '));
    EXPECT_EQ(Campo(reg[9], 89, 10), "0000070900");
    EXPECT_EQ(Campo(reg[9], 99, 6), QString(6, u' '));
    EXPECT_EQ(Campo(reg[9], 105, 10), "0000000001");
    EXPECT_EQ(Campo(reg[9], 115, 10), "0000000009");
    EXPECT_EQ(Campo(reg[9], 125, 38), QString(38, u' '));
    EXPECT_EQ(Campo(reg[10], 17, 52), QString(52, u' '));
    EXPECT_EQ(Campo(reg[10], 69, 4), "0001");
    EXPECT_EQ(Campo(reg[10], 73, 16), QString(16, u' '));
    EXPECT_EQ(Campo(reg[10], 89, 10), "0000070900");
    EXPECT_EQ(Campo(reg[10], 105, 10), "0000000001");
    EXPECT_EQ(Campo(reg[10], 115, 10), "0000000011");
    EXPECT_EQ(Campo(reg[10], 125, 38), QString(38, u' '));
}

TEST_F(Cuaderno19, CountsAndTotalsGrowWithTheReceipts)
{
    for (int n : {1, 2, 7, 60}) {
        SCOPED_TRACE(n);
        CFicheroCuaderno19 f = FicheroPrueba();
        qint64 centimos = 0;
        for (int i = 1; i <= n; ++i) {
            ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(i, 10000 + i * 137)));
            centimos += 10000 + i * 137;
        }
        const QList<QByteArray> reg = Registros(f.Contenido());
        ASSERT_EQ(reg.size(), 7 * n + 4);
        for (const QByteArray& r : reg)
            ASSERT_EQ(r.size(), 162);
        qint64 suma = 0;
        for (const QByteArray& r : reg)
            if (r.startsWith("5680"))
                suma += Campo(r, 89, 10).toLongLong();
        EXPECT_EQ(suma, centimos);
        const QByteArray& t = reg[reg.size() - 2];
        const QByteArray& g = reg.last();
        EXPECT_EQ(Campo(t, 89, 10).toLongLong(), centimos);
        EXPECT_EQ(Campo(g, 89, 10).toLongLong(), centimos);
        EXPECT_EQ(Campo(t, 105, 10).toInt(), n);
        EXPECT_EQ(Campo(g, 105, 10).toInt(), n);
        EXPECT_EQ(Campo(t, 115, 10).toInt(), 7 * n + 2);
        EXPECT_EQ(Campo(g, 115, 10).toInt(), 7 * n + 4);
        EXPECT_EQ(f.LineasListado().size(), n);
        EXPECT_EQ(f.Total(), Moneda::DeCentimos(centimos));
    }
}

TEST_F(Cuaderno19, FieldWidthsPadAndCut)
{
    const struct { const char* documento; const char* escrito; } docs[] = {
        {"1234567L", "01234567L"}, {"50.001.774-g", "50001774G"}, {"X1234567L", "X1234567L"},
        {"B12345674", "B12345674"},
    };
    for (const auto& d : docs) {
        SCOPED_TRACE(d.documento);
        CFicheroCuaderno19 f = FicheroPrueba(AjustesBanco(), QString::fromLatin1(d.documento));
        ReciboBanco r = ReciboSimple(7, 0, QString(45, u'X') + QStringLiteral("YZ"));
        r.renta = Moneda::DeDiezmilesimas(6'505'550);   // 650,555: the fraction of a cent goes
        ASSERT_TRUE(f.AnadirRecibo(r));
        const QList<QByteArray> reg = Registros(f.Contenido());
        for (const QByteArray& x : reg)
            EXPECT_EQ(Campo(x, 5, 9), QString::fromLatin1(d.escrito));
        EXPECT_EQ(Campo(reg[2], 29, 40), QString(40, u'X'));
        EXPECT_EQ(Campo(reg[2], 89, 10), "0000065055");
    }
}

TEST_F(Cuaderno19, SuffixOutsideItsRangeBecomesOne)
{
    const struct { int dado; const char* escrito; } casos[] = {
        {2, "002"}, {0, "000"}, {999, "999"}, {1000, "001"}, {-1, "001"}, {-3, "001"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dado);
        AjustesBanco ajustes;
        ajustes.sufijo = c.dado;
        CFicheroCuaderno19 f = FicheroPrueba(ajustes);
        ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(1, 100)));
        for (const QByteArray& r : Registros(f.Contenido()))
            EXPECT_EQ(Campo(r, 14, 3), QString::fromLatin1(c.escrito));
    }
}

TEST_F(Cuaderno19, ReceiptsTheBankCannotDebitAreLeftOutWithTheReason)
{
    auto con = [](auto cambiar) {
        ReciboBanco r = ReciboSimple(50, 40000);
        cambiar(r);
        return r;
    };
    const struct { const char* caso; ReciboBanco recibo; const char* motivo; } casos[] = {
        {"sin cuenta", con([](ReciboBanco& r) { r.banco = r.sucursal = r.dc = r.ccc = QString(); }),
         "no tiene cuenta bancaria"},
        {"**", con([](ReciboBanco& r) { r.dc = QStringLiteral("**"); }), "**"},
        {"incompleta", con([](ReciboBanco& r) { r.ccc = QString(); }), "incompleta"},
        {"larga", con([](ReciboBanco& r) { r.ccc = QStringLiteral("02000513321"); }), "longitud"},
        {"letras", con([](ReciboBanco& r) { r.ccc = QStringLiteral("02000513A2"); }), "cifras"},
        {"control", con([](ReciboBanco& r) { r.dc = QStringLiteral("46"); }), "control"},
        {"cero", con([](ReciboBanco& r) { r.renta = Moneda(); }), "cero"},
        {"negativo", con([](ReciboBanco& r) { r.irpf = Moneda::DeCentimos(-50000); }), "negativo (-100,00)"},
        {"ancho", con([](ReciboBanco& r) { r.renta = Moneda::DeCentimos(100'000'000); }), "1.000.000,00"},
        {"menos de un céntimo", con([](ReciboBanco& r) { r.renta = Moneda::DeDiezmilesimas(99); }), "cero"},
    };
    CFicheroCuaderno19 f = FicheroPrueba();
    ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(1, 30000)));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_FALSE(f.AnadirRecibo(c.recibo));
        ASSERT_FALSE(f.Excluidos().empty());
        EXPECT_TRUE(f.Excluidos().back().motivo.contains(QString::fromUtf8(c.motivo)))
            << f.Excluidos().back().motivo.toStdString();
        EXPECT_TRUE(f.Excluidos().back().Texto().startsWith(QStringLiteral("Recibo 50 (C-50,")));
    }
    ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(2, 20000)));
    EXPECT_EQ(f.Excluidos().size(), std::size(casos));
    EXPECT_EQ(f.NumeroRecibos(), 2);
    EXPECT_EQ(f.LineasListado().size(), 2);
    const QList<QByteArray> reg = Registros(f.Contenido());
    EXPECT_EQ(reg.size(), 7 * 2 + 4);
    EXPECT_EQ(Campo(reg.last(), 89, 10), "0000050000");
    // Amount fields hold digits only: no "-" among them, no zero debit.
    for (const QByteArray& r : reg)
        if (r.startsWith("5680") || r.startsWith("5880") || r.startsWith("5980")) {
            const QString importe = Campo(r, 89, 10);
            EXPECT_TRUE(importe.toLongLong() > 0 && !importe.contains(u'-')) << r.constData();
        }
}

TEST_F(Cuaderno19, AFileTotalBeyondTenDigitsOfCentsIsRefusedNotWrapped)
{
    CFicheroCuaderno19 f = FicheroPrueba();
    for (int i = 1; i <= 100; ++i)
        ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(i, 99'999'999)));   // 999.999,99 each
    EXPECT_FALSE(f.AnadirRecibo(ReciboSimple(101, 100)));
    EXPECT_TRUE(f.Excluidos().back().motivo.contains(QStringLiteral("99.999.999,99")));
    EXPECT_EQ(Campo(Registros(f.Contenido()).last(), 89, 10), "9999999900");
}

TEST_F(Cuaderno19, AnOwnerAccountTheBankWouldRefuseStopsTheFile)
{
    const struct { const char* caso; const char *documento, *banco, *sucursal, *dc, *ccc; } casos[] = {
        {"vacía", "50001774G", "", "", "", ""},
        {"**", "50001774G", "2080", "8802", "**", "3071876575"},
        {"control", "50001774G", "2080", "8802", "19", "3071876575"},
        {"letras", "50001774G", "2080", "88O2", "18", "3071876575"},
        {"sin NIF", "", "2080", "8802", "18", "3071876575"},
        {"NIF sin letra", "1234", "2080", "8802", "18", "3071876575"},
        {"letra errónea", "50001774A", "2080", "8802", "18", "3071876575"},
        {"NIE erróneo", "X1234567A", "2080", "8802", "18", "3071876575"},
        {"CIF erróneo", "B12345675", "2080", "8802", "18", "3071876575"},
        {"texto", "ABCDEFGHIJK", "2080", "8802", "18", "3071876575"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_THROW(CFicheroCuaderno19(QStringLiteral("PROPIETARIO"), QString::fromLatin1(c.documento),
                                        QString::fromLatin1(c.banco), QString::fromLatin1(c.sucursal),
                                        QString::fromLatin1(c.dc), QString::fromLatin1(c.ccc),
                                        QDate(2024, 3, 1), QDate(2024, 3, 5), AjustesBanco()),
                     UserError);
    }
}

TEST_F(Cuaderno19, WritingIsAllOrNothing)
{
    CFicheroCuaderno19 vacio = FicheroPrueba();
    const QString ruta = ws.file(QStringLiteral("remesa.pr1"));
    {
        QFile previo(ruta);
        ASSERT_TRUE(previo.open(QIODevice::WriteOnly));
        previo.write("fichero anterior");
    }
    // No receipt: refused, the previous file untouched.
    EXPECT_THROW(vacio.Generar(ruta), UserError);
    QFile leido(ruta);
    ASSERT_TRUE(leido.open(QIODevice::ReadOnly));
    EXPECT_EQ(leido.readAll(), QByteArray("fichero anterior"));
    leido.close();

    CFicheroCuaderno19 f = FicheroPrueba();
    ASSERT_TRUE(f.AnadirRecibo(ReciboSimple(1, 65000)));
    EXPECT_THROW(f.Generar(QString()), UserError);   // never a default place
    // A folder that does not exist: an error naming the cause, no file anywhere.
    try {
        f.Generar(ws.file(QStringLiteral("no/existe/remesa.pr1")));
        ADD_FAILURE() << "escribió en una carpeta inexistente";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.Mensaje().startsWith(QStringLiteral("Error al escribir el archivo debido a: No existe "
                                                          "la carpeta"))) << e.what();
    }
    EXPECT_FALSE(QDir(ws.file(QStringLiteral("no"))).exists());

    f.Generar(ruta);
    ASSERT_TRUE(leido.open(QIODevice::ReadOnly));
    EXPECT_EQ(leido.readAll(), f.Contenido());
    EXPECT_EQ(QDir(ws.dir()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("remesa")),
              QStringList{QStringLiteral("remesa.pr1")});
    // Writing twice gives the same file: the totals are not appended again.
    const QByteArray una = f.Contenido();
    f.Generar(ruta);
    EXPECT_EQ(f.Contenido(), una);
}

TEST_F(Cuaderno19, ProposedNameIsInTheDocumentsFolder)
{
    const QString n = CFicheroCuaderno19::NombreFicheroPropuesto(QStringLiteral("MUÑOZ / LÓPEZ"),
                                                                 QDate(2024, 3, 1));
    EXPECT_TRUE(n.endsWith(QStringLiteral("/Remesa_MUÑOZ_LÓPEZ_2024-03.pr1"))) << n.toStdString();
    EXPECT_FALSE(n.startsWith(QStringLiteral("a:")));
    EXPECT_TRUE(QDir::isAbsolutePath(n));
}

TEST_F(Cuaderno19, ConceptAmountsReadAsTheSharedMoneyText)
{
    CFicheroCuaderno19 f = FicheroPrueba();
    const qint64 casos[] = {1, 49, 50, 99, 100, 12'345, 999'950, 1'000'000, 123'456'789,
                            9'999'999'949, -1, -40, -50, -19'950, -12'345'678, -999'999'949};
    for (qint64 n : casos) {
        SCOPED_TRACE(n);
        ReciboBanco r = ReciboSimple(1, 0);
        r.otro_importe1 = Moneda::DeDiezmilesimas(n);
        r.otro_concepto1 = QStringLiteral("OTRO");
        const QString c = f.TextoConcepto(r);
        EXPECT_EQ(c.mid(0, 70), A(QStringLiteral("OTRO"), 70));
        EXPECT_EQ(c.mid(70, 10), A(MonedaATexto(r.otro_importe1), 10));
        EXPECT_EQ(c.mid(150, 10), A(MonedaATexto(r.Total()), 10));
    }
}
