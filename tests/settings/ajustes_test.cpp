#include <QFile>
#include <QSaveFile>
#include <gtest/gtest.h>

#include "settings/ajustes.h"
#include "temp_workspace.h"

TEST(Ajustes, KeepsEachValuesKind)
{
    TempWorkspace tw;
    EXPECT_TRUE(EscribirEntero("Recibo", "iSufijo", 7));
    EXPECT_TRUE(EscribirTexto("Recibo", "Color", "AZUL"));
    EXPECT_EQ(LeerEntero("Recibo", "iSufijo", 1), 7);
    EXPECT_EQ(LeerTexto("Recibo", "Color", "x"), "AZUL");
    // The other kind reads as the default.
    EXPECT_EQ(LeerTexto("Recibo", "iSufijo", "def"), "def");
    EXPECT_EQ(LeerEntero("Recibo", "Color", 42), 42);
    // A number written as text is still text.
    EscribirTexto("Impuesto_1", "Porcentage", "16");
    EXPECT_EQ(PorcentajeImpuesto(1), 21);
    EscribirEntero("Impuesto_1", "Name", 5);
    EXPECT_EQ(NombreImpuesto(1), "IVA 21%");
    EXPECT_EQ(LeerEntero("Recibo", "iSufijo", 1), 7);   // other values untouched
}

TEST(Ajustes, DefaultsAreNotWrittenBack)
{
    TempWorkspace tw;
    EXPECT_EQ(NombreImpuesto(1), "IVA 21%");
    EXPECT_EQ(PorcentajeImpuesto(1), 21);
    EXPECT_EQ(NombreImpuesto(2), "IRPF");
    EXPECT_EQ(PorcentajeImpuesto(2), 19);
    EXPECT_EQ(NombreImpuesto(3), "");
    EXPECT_EQ(PorcentajeImpuesto(0), 0);
    EXPECT_EQ(SimboloMoneda(), QString::fromUtf8("€"));
    EXPECT_EQ(NombreMoneda(), "Euros");
    EXPECT_EQ(LeerEntero("Contrato", "AltoLetra", ajustes::kAltoLetraPorDefecto), 10);
    EXPECT_FALSE(QFile::exists(tw.settingsPath()));
    PonerNombreImpuesto(3, "X");
    PonerPorcentajeImpuesto(7, 3);
    EXPECT_FALSE(QFile::exists(tw.settingsPath()));
    PonerPorcentajeImpuesto(2, 15);
    PonerSimboloMoneda("$");
    EXPECT_EQ(PorcentajeImpuesto(2), 15);
    EXPECT_EQ(SimboloMoneda(), "$");
    EXPECT_EQ(PorcentajeImpuesto(1), 21);
}

TEST(Ajustes, TextIsCutTo4999Characters)
{
    TempWorkspace tw;
    const QString largo(6000, QChar(u'ñ'));
    EXPECT_TRUE(EscribirTexto("Recibo", "Texto1", largo));
    EXPECT_EQ(LeerTexto("Recibo", "Texto1"), largo.left(4999));
    EXPECT_TRUE(EscribirTexto("Recibo", "Texto1", largo.left(4999)));
    EXPECT_EQ(LeerTexto("Recibo", "Texto1").size(), 4999);
}

TEST(Ajustes, UnreadableFileGivesDefaultsAndWriteRecovers)
{
    TempWorkspace tw;
    QFile f(tw.settingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no es json {");
    f.close();
    EXPECT_EQ(LeerEntero("Opciones", "orden", 3), 3);
    EXPECT_TRUE(EscribirEntero("Opciones", "orden", 2));
    EXPECT_EQ(LeerEntero("Opciones", "orden", 3), 2);
}

// Another copy of the program (or the user) may change the file between two reads: the next
// read must see the change, not a remembered value.
TEST(Ajustes, ReadsSeeChangesMadeByOtherWriters)
{
    TempWorkspace tw;
    ASSERT_TRUE(EscribirTexto("Recibo", "Color", "AZUL"));
    EXPECT_EQ(LeerTexto("Recibo", "Color"), "AZUL");

    QSaveFile otro(tw.settingsPath());
    ASSERT_TRUE(otro.open(QIODevice::WriteOnly));
    otro.write(R"({"Recibo": {"Color": "ROJO", "iSufijo": 4}})");
    ASSERT_TRUE(otro.commit());
    EXPECT_EQ(LeerTexto("Recibo", "Color"), "ROJO");
    EXPECT_EQ(LeerEntero("Recibo", "iSufijo", 1), 4);

    ASSERT_TRUE(QFile::remove(tw.settingsPath()));
    EXPECT_EQ(LeerTexto("Recibo", "Color", "def"), "def");
    EXPECT_EQ(LeerEntero("Recibo", "iSufijo", 1), 1);

    // A write after the file vanished starts from nothing but keeps working.
    ASSERT_TRUE(EscribirEntero("Recibo", "iSufijo", 9));
    EXPECT_EQ(LeerEntero("Recibo", "iSufijo", 1), 9);
    EXPECT_EQ(LeerTexto("Recibo", "Color", "def"), "def");
}
