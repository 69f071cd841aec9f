#include <gtest/gtest.h>

#include "settings/ajustes.h"
#include "temp_workspace.h"

namespace {

// What an empty settings file gives, written out rather than taken from the constants.
AjustesRecibo ReciboPorDefecto()
{
    AjustesRecibo a;
    a.diseno = {QString(), QString(), 180, 230, 254, 0, {}, QString()};
    a.vencimiento = {0, 6, QString()};
    a.recibo_factura = 0;
    a.impuestos = {QStringLiteral("IVA 21%"), QStringLiteral("IRPF"), 21, 19};
    a.moneda = {QStringLiteral("Euros"), QStringLiteral("€")};
    return a;
}

}  // namespace

TEST(ValoresAjustes, EmptyStoreGivesTheDefaultsAndAPlainValueEqualsThem)
{
    TempWorkspace tw;
    EXPECT_EQ(LeerAjustesRecibo(), ReciboPorDefecto());
    EXPECT_EQ(AjustesRecibo(), ReciboPorDefecto());
    const AjustesBanco banco = LeerAjustesBanco();
    EXPECT_EQ(banco.sufijo, 1);
    EXPECT_EQ(banco.impuestos, ReciboPorDefecto().impuestos);
    EXPECT_EQ(AjustesBanco(), banco);
}

TEST(ValoresAjustes, EveryStoredValueLandsInItsField)
{
    TempWorkspace tw;
    const struct { const char* seccion; const char* clave; int entero; const char* texto; } guardados[] = {
        {"Recibo", "Color", 0, "AZUL"},
        {"Recibo", "Fondo", 0, "SOLIDO"},
        {"Recibo", "Color_R", 1, nullptr},
        {"Recibo", "Color_G", 2, nullptr},
        {"Recibo", "Color_B", 300, nullptr},   // kept as stored; the renderer bounds it
        {"Recibo", "TipoCuadroIzquierdo", 2, nullptr},
        {"Recibo", "Texto1", 0, "uno"},
        {"Recibo", "Texto2", 0, "dos"},
        {"Recibo", "Texto3", 0, "tres"},
        {"Recibo", "FileLogo", 0, "/tmp/logo.png"},
        {"Recibo", "Vencimiento_Tipo", 1, nullptr},
        {"Recibo", "Vencimiento_Dia", 15, nullptr},
        {"Recibo", "Vencimiento_Otro", 0, "Día 10"},
        {"Recibo", "ReciboFactura", 3, nullptr},
        {"Recibo", "iSufijo", 7, nullptr},
        {"Impuesto_1", "Name", 0, "IGIC 7%"},
        {"Impuesto_1", "Porcentage", 7, nullptr},
        {"Impuesto_2", "Name", 0, "Retención"},
        {"Impuesto_2", "Porcentage", 15, nullptr},
        {"Moneda", "Name", 0, "Dólares"},
        {"Moneda", "Simbolo", 0, "$"},
    };
    for (const auto& g : guardados) {
        const QString seccion = QString::fromLatin1(g.seccion), clave = QString::fromLatin1(g.clave);
        ASSERT_TRUE(g.texto ? EscribirTexto(seccion, clave, QString::fromUtf8(g.texto))
                            : EscribirEntero(seccion, clave, g.entero));
    }

    AjustesRecibo esperado;
    esperado.diseno = {QStringLiteral("AZUL"), QStringLiteral("SOLIDO"), 1, 2, 300, 2,
                       {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")},
                       QStringLiteral("/tmp/logo.png")};
    esperado.vencimiento = {1, 15, QStringLiteral("Día 10")};
    esperado.recibo_factura = 3;
    esperado.impuestos = {QStringLiteral("IGIC 7%"), QStringLiteral("Retención"), 7, 15};
    esperado.moneda = {QStringLiteral("Dólares"), QStringLiteral("$")};
    EXPECT_EQ(LeerAjustesRecibo(), esperado);
    EXPECT_EQ(LeerAjustesBanco(), (AjustesBanco{7, esperado.impuestos}));
}
