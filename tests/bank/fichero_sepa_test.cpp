#include <QDateTime>
#include <QSet>
#include <gtest/gtest.h>

#include "bank/fichero_sepa.h"
#include "bank_fixture.h"
#include "sepa_fixture.h"
#include "temp_workspace.h"
#include "util/errores.h"

namespace {

const QDateTime kCreacion(QDate(2024, 3, 5), QTime(10, 11, 12));
const QDate kCargo(2024, 3, 10);

AcreedorSepa Acreedor()
{
    return {QStringLiteral("MUÑOZ LÓPEZ ELENA"), QStringLiteral("50001774G"),
            QStringLiteral("ES6700050001774G"), QStringLiteral("ES1020808802183071876575"), QString()};
}

DebitoSepa Debito(qint64 ref, qint64 centimos, const QString& secuencia,
                  const QString& inquilino = QStringLiteral("INQUILINO"))
{
    DebitoSepa d;
    d.recibo = ReciboSimple(ref, centimos, inquilino);
    d.direccion = QStringLiteral("CALLE MAYOR, %1").arg(ref);
    d.piso = QStringLiteral("2º A");
    d.iban = QStringLiteral("ES9121000418450200051332");
    d.mandato_ref = QStringLiteral("M-%1").arg(ref);
    d.mandato_fecha = QDate(2020, 1, 15);
    d.secuencia = secuencia;
    return d;
}

}  // namespace

TEST(FicheroSepa, GroupsBySequenceTypeWithCountsAndSumsFromIntegers)
{
    TempWorkspace ws;
    std::vector<DebitoSepa> d{Debito(1, 65000, "FRST", QStringLiteral("Peña Ibáñez, Mª")),
                              Debito(2, 12345, "RCUR"), Debito(3, 1, "RCUR"), Debito(4, 99999, "FNAL"),
                              Debito(5, 70000, "OOFF")};
    // Fractions of a cent are dropped as in the Cuaderno 19 file: 100,005 is 100,00.
    d[1].recibo.otro_importe1 = Moneda::DeDiezmilesimas(50);
    // A new account at the same bank names the old IBAN; at another bank, SMNDA.
    d[1].ibanAnterior = QStringLiteral("ES7621000418401234567891");
    d[2].ibanAnterior = QStringLiteral("DE89370400440532013000");
    d[3].bic = QStringLiteral("CAIXESBBXXX");
    const CFicheroSepa f(Acreedor(), d, kCreacion, kCargo);
    const QString ruta = ws.file(QStringLiteral("remesa.xml"));
    f.Generar(ruta);
    EXPECT_EQ(ErroresEsquema(ruta), QString());

    const SepaLeido s = LeerSepa(LeerArchivo(ruta));
    EXPECT_EQ(s.msgId, f.MsgId());
    EXPECT_EQ(s.nbOfTxs, QStringLiteral("5"));
    EXPECT_EQ(s.ctrlSum, QStringLiteral("2473.45"));
    EXPECT_EQ(f.Total(), Moneda::DeCentimos(247345));
    ASSERT_EQ(s.grupos.size(), 4);
    const struct { const char* tipo; const char* n; const char* suma; QStringList importes; } grupos[] = {
        {"FRST", "1", "650.00", {"650.00"}},
        {"RCUR", "2", "123.46", {"123.45", "0.01"}},
        {"FNAL", "1", "999.99", {"999.99"}},
        {"OOFF", "1", "700.00", {"700.00"}},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(grupos[i].tipo);
        EXPECT_EQ(s.grupos[i].seqTp, QLatin1String(grupos[i].tipo));
        EXPECT_EQ(s.grupos[i].nbOfTxs, QLatin1String(grupos[i].n));
        EXPECT_EQ(s.grupos[i].ctrlSum, QLatin1String(grupos[i].suma));
        EXPECT_EQ(s.grupos[i].importes, grupos[i].importes);
    }
    EXPECT_EQ(s.grupos[0].nombres, QStringList{"Pena Ibanez, Ma"});
    EXPECT_EQ(s.grupos[1].amendments, QStringList({"ES7621000418401234567891", "SMNDA"}));
    EXPECT_EQ(s.grupos[0].amendments, QStringList{QString()});
    EXPECT_EQ(s.grupos[0].endToEnd, QStringList{"1"});
    EXPECT_EQ(s.grupos[0].ustrd, QStringList{"Recibo 1 MARZO 2024 CALLE MAYOR, 1 2o A"});
}

TEST(FicheroSepa, RefusesTheWholeFileListingEachReceiptAndReason)
{
    const struct { const char* caso; void (*cambiar)(DebitoSepa&, AcreedorSepa&, QDate&); const char* motivo; } casos[] = {
        {"sin mandato", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.mandato_ref.clear(); }, "no tiene referencia de mandato"},
        {"IBAN erróneo", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.iban = "ES9121000418450200051333"; }, "dígitos de control del IBAN"},
        {"total cero", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.recibo.renta = Moneda(); }, "el total es cero"},
        {"firma posterior", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.mandato_fecha = QDate(2024, 3, 11); }, "después de la fecha de cargo"},
        {"mandato cerrado", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.cerradoPor = "FNAL"; }, "cerrado por un cobro FNAL"},
        {"carácter", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.recibo.nom_arrendatario = "LÓPEZ & HIJOS"; }, "carácter «&»"},
        {"BIC", [](DebitoSepa& d, AcreedorSepa&, QDate&) { d.bic = "CAIX"; }, "el BIC CAIX no es válido"},
        {"id acreedor", [](DebitoSepa&, AcreedorSepa& a, QDate&) { a.id_acreedor = "ES98000B12345678"; }, "identificador de acreedor"},
        {"IBAN acreedor", [](DebitoSepa&, AcreedorSepa& a, QDate&) { a.iban.clear(); }, "no tiene IBAN"},
        {"cargo hoy", [](DebitoSepa&, AcreedorSepa&, QDate& c) { c = kCreacion.date(); }, "debe ser posterior a hoy"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<DebitoSepa> d{Debito(1, 65000, "FRST"), Debito(2, 50000, "RCUR")};
        AcreedorSepa a = Acreedor();
        QDate cargo = kCargo;
        c.cambiar(d[1], a, cargo);
        try {
            CFicheroSepa f(a, d, kCreacion, cargo);
            ADD_FAILURE() << "no refusal";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.Mensaje().contains(QString::fromUtf8(c.motivo))) << e.Mensaje().toStdString();
            // A receipt's problem names the receipt and its tenant.
            if (e.Mensaje().contains(QLatin1String("Recibo")))
                EXPECT_TRUE(e.Mensaje().contains(QLatin1String("Recibo 2 (C-2, ")));
            EXPECT_FALSE(e.Mensaje().contains(QLatin1String("Recibo 1 ")));
        }
    }
    // Two tenants under one reference.
    std::vector<DebitoSepa> d{Debito(1, 65000, "FRST"), Debito(2, 50000, "FRST")};
    d[1].mandato_ref = d[0].mandato_ref;
    EXPECT_THROW(CFicheroSepa(Acreedor(), d, kCreacion, kCargo), UserError);
}

TEST(FicheroSepa, MessageIdsDifferWithinOneSecond)
{
    QSet<QString> ids;
    for (int i = 0; i < 200; ++i) {
        const QString id = CFicheroSepa::NuevoMsgId(kCreacion);
        EXPECT_LE(id.size(), 30);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 200);
}
