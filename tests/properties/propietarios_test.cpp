#include <gtest/gtest.h>

#include "props_fixture.h"
#include "util/errores.h"

using PropietarioLogica = PropsTest;

TEST(NormalizarDocumento, DropsSeparatorsAndUppercases)
{
    const struct { const char* in; const char* out; } cases[] = {
        {"12.345.678-z", "12345678Z"}, {"B-12/345_67,8 ", "B12345678"}, {"", ""}, {"x", "X"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(NormalizarDocumento(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
    }
}

TEST(MarcarDc, MarksOnlyAGivenAccountThatFails)
{
    // 2100 0418 45 0200051332 is a well-formed Spanish account.
    EXPECT_EQ(MarcarDc("2100", "0418", "45", "0200051332"), QStringLiteral("45"));
    EXPECT_EQ(MarcarDc("2100", "0418", "46", "0200051332"), QStringLiteral("**"));
    EXPECT_EQ(MarcarDc("2100", "0418", "", "0200051332"), QStringLiteral("**"));
    // No account number: the check digits stay as typed.
    EXPECT_EQ(MarcarDc("2100", "0418", "77", ""), QStringLiteral("77"));
}

TEST_F(PropietarioLogica, StoresNormalisedDocumentAndMarkedAccount)
{
    CPropietarioSet p(&m_db);
    FichaPropietario d;
    d.nombre = "GARCIA LOPEZ";
    d.documento_numero = "12.345.678-z";
    d.banco = "2100";
    d.sucursal = "0418";
    d.dc = "11";
    d.ccc = "0200051332";
    GuardarCambiosPropietario(p, d, {});
    const auto leido = BuscarPropietario(m_db, "garcia lopez");
    ASSERT_TRUE(leido);
    EXPECT_EQ(leido->documento_numero, QStringLiteral("12345678Z"));
    EXPECT_EQ(leido->dc, QStringLiteral("**"));
    EXPECT_EQ(leido->sufijo, 0);
}

TEST_F(PropietarioLogica, DuplicateNameIsRefusedWithNothingStored)
{
    CrearPropietario("GARCÍA PEÑA");
    const struct { const char* nombre; } cases[] = {{"GARCÍA PEÑA"}, {"garcía peña"}, {"García PEÑA"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nombre);
        CPropietarioSet p(&m_db);
        FichaPropietario d;
        d.nombre = QString::fromUtf8(c.nombre);
        try {
            GuardarCambiosPropietario(p, d, {});
            FAIL() << "duplicate accepted";
        } catch (const UserError& e) {
            EXPECT_EQ(e.Mensaje(), QStringLiteral("Ya existe un propietario con ese nombre"));
        }
        EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 1);
        EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE nombre LIKE 'NOMBRE_TEMPORAL%'"), 0);
    }
}

TEST_F(PropietarioLogica, OnlyTheFieldsTypedAreStoredAndTheNameNeverChanges)
{
    CrearPropietario("O'DONNELL");
    m_db.exec("UPDATE propietario SET numero_recibo = 7, documento_numero = '1.2', dc = '99', "
              "banco = '2100', sucursal = '0418', ccc = '0200051332'");
    CPropietarioSet p(&m_db);
    p.moveFirst();
    p.edit();
    FichaPropietario d = LeerPropietario(p);
    d.numero_recibo = 0;                 // stale, not typed
    d.documento_numero = "1.2";          // normalised only when typed
    d.localidad = "L'HOSPITALET";
    d.nombre = "otro nombre";            // a stored owner's name never changes
    const FichaPropietario g = GuardarCambiosPropietario(p, d, {"localidad", "nombre"});
    EXPECT_EQ(g.nombre, QStringLiteral("O'DONNELL"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE localidad = 'L''HOSPITALET' AND "
                     "numero_recibo = 7 AND documento_numero = '1.2' AND dc = '99'"), 1);
    // A typed account is stored with its check digits marked.
    p.edit();
    d = LeerPropietario(p);
    d.ccc = "0200051333";
    GuardarCambiosPropietario(p, d, {"ccc"});
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE dc = '**' AND ccc = '0200051333'"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 1);
}

TEST_F(PropietarioLogica, EmptyNameAndOverlongFieldsAreRefused)
{
    CPropietarioSet p(&m_db);
    FichaPropietario d;
    d.nombre = "   ";
    EXPECT_THROW(GuardarCambiosPropietario(p, d, {}), UserError);
    d.nombre = QString(51, u'A');
    EXPECT_THROW(GuardarCambiosPropietario(p, d, {}), UserError);
    d.nombre = "ANA";
    d.cp = "123456";
    EXPECT_THROW(GuardarCambiosPropietario(p, d, {}), UserError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 0);
}

TEST_F(PropietarioLogica, DeletionRemovesExactlyThatOwnersRows)
{
    CrearPropietario("O'DONNELL");
    CrearPropietario("RUIZ");
    CrearInmueble("O'DONNELL", "MAYOR 1", "1A");
    CrearInmueble("O'DONNELL", "MAYOR 1", "2A");
    CrearInmueble("RUIZ", "MAYOR 1", "3A");
    Recibo(1, "O'DONNELL", "MAYOR 1", "1A");
    Recibo(2, "RUIZ", "MAYOR 1", "3A");
    Recibo(3, "O'DONNELL", "MAYOR 1", "2A");

    CPropietarioSet p(&m_db);
    ASSERT_TRUE(p.BuscarPropietario("o'donnell"));
    BorrarPropietarioActual(p);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE arrendador = 'RUIZ'"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo"), 1);
    EXPECT_EQ(Contar("SELECT ref FROM recibo"), 2);
}

TEST_F(PropietarioLogica, DeletionIsAllOrNothing)
{
    CrearPropietario("ANA");
    CrearInmueble("ANA", "MAYOR 1", "1A");
    Recibo(1, "ANA", "MAYOR 1", "1A");
    // A trigger that refuses the last step makes the whole deletion fail.
    m_db.exec("CREATE TRIGGER no_borrar BEFORE DELETE ON propietario "
              "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END;");
    CPropietarioSet p(&m_db);
    p.moveFirst();
    EXPECT_THROW(BorrarPropietarioActual(p), DbError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM emision_recibo"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 1);
}

TEST_F(PropietarioLogica, NamesAreListedSortedIgnoringCaseAndAccents)
{
    for (const char* n : {"zoe", "Álvaro", "beatriz", "ANA"})
        CrearPropietario(QString::fromUtf8(n));
    EXPECT_EQ(NombresPropietarios(m_db),
              (QStringList{QString::fromUtf8("Álvaro"), "ANA", "beatriz", "zoe"}));
}
