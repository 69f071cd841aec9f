#include <gtest/gtest.h>

#include "properties/cuenta_sepa.h"
#include "props_fixture.h"
#include "util/errores.h"

namespace {
class CuentaSepaFichas : public PropsTest {};
const QString kIban = QStringLiteral("ES9121000418450200051332");
}  // namespace

TEST_F(CuentaSepaFichas, OwnerGetsTheIbanOfItsAccountAndTheIdentifierOfItsNif)
{
    CPropietarioSet rs(&m_db);
    FichaPropietario d;
    d.nombre = "ANA";
    d.documento_numero = "50.001.774-g";
    d.banco = "2100"; d.sucursal = "0418"; d.dc = "45"; d.ccc = "0200051332";
    FichaPropietario g = GuardarCambiosPropietario(rs, d, {"banco", "sucursal", "dc", "ccc"});
    EXPECT_EQ(g.iban, kIban);
    EXPECT_EQ(g.id_acreedor, QStringLiteral("ES6700050001774G"));

    // A foreign IBAN typed on the card empties the Spanish fields.
    rs.edit();
    g.iban = "de89 3704 0044 0532 0130 00";
    g = GuardarCambiosPropietario(rs, g, {"iban"});
    EXPECT_EQ(g.iban, QStringLiteral("DE89370400440532013000"));
    EXPECT_TRUE(g.ccc.isEmpty() && g.banco.isEmpty());
    rs.edit();
    g.iban = "DE89370400440532013001";
    EXPECT_THROW(GuardarCambiosPropietario(rs, g, {"iban"}), UserError);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE iban = 'DE89370400440532013000'"), 1);
}

TEST_F(CuentaSepaFichas, NewTenantEmptiesTheMandateAndReferencesAreUniquePerOwner)
{
    CrearPropietario("ANA");
    FichaInmueble a = CrearInmueble("ANA", "MAYOR 1", "");
    CrearInmueble("ANA", "MAYOR 2", "");
    CInmuebleSet rs(&m_db);
    ASSERT_TRUE(rs.BuscarInmueble(a.ref));
    rs.edit();
    a.nom_arrendatario = "BENITO";
    a.mandato_ref = "M-1";
    a.mandato_fecha = QDateTime(QDate(2024, 1, 10), QTime(0, 0));
    a.banco = "2100"; a.sucursal = "0418"; a.dc = "45"; a.ccc = "0200051332";
    bool vaciado = true;
    a = GuardarCambiosInmueble(rs, a, {"nom_arrendatario", "mandato_ref", "mandato_fecha", "ccc"}, true, &vaciado);
    EXPECT_FALSE(vaciado);
    EXPECT_EQ(a.iban, kIban);
    EXPECT_EQ(a.mandato_ref, QStringLiteral("M-1"));

    rs.edit();
    a.nom_arrendatario = "CARLOS";
    a = GuardarCambiosInmueble(rs, a, {"nom_arrendatario"}, true, &vaciado);
    EXPECT_TRUE(vaciado);
    EXPECT_TRUE(a.mandato_ref.isEmpty());
    EXPECT_FALSE(a.mandato_fecha.isValid());
    EXPECT_EQ(a.iban, kIban);   // the account is not the mandate

    // M-2 on MAYOR 1, then the same reference refused on MAYOR 2.
    rs.edit();
    a.mandato_ref = "M-2";
    GuardarCambiosInmueble(rs, a, {"mandato_ref"}, true);
    FichaInmueble b = LeerInmueble(rs);
    for (rs.moveFirst(); !rs.isEOF() && rs.text("direccion") != "MAYOR 2"; rs.moveNext()) {
    }
    rs.edit();
    b = LeerInmueble(rs);
    b.mandato_ref = "M-2";
    EXPECT_THROW(GuardarCambiosInmueble(rs, b, {"mandato_ref"}, true), UserError);
    b.mandato_ref = "M 3";   // a space is no identifier character
    EXPECT_THROW(GuardarCambiosInmueble(rs, b, {"mandato_ref"}, true), UserError);
}
