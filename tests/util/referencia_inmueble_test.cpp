#include <gtest/gtest.h>

#include "util/referencia_inmueble.h"

TEST(CReferenciaInmueble, CodesFromStreetAndFloor)
{
    const struct { const char *direccion, *piso, *codigo; } cases[] = {
        {"CALLE MAYOR 12", "2 A", "MAYO122 A   "},
        {"AVENIDA DE LA CONSTITUCION, 125", "ESCALERA 2 PISO 3 PUERTA B", "AVE125E2 3 B"},
        {"PLAZA SANTA ANA 4", "BAJO", "PLZST4BAJO  "},
        {"C/ LUNA", "1", " LUNA 1     "},
        {"calle mayor", "", "callem      "},
        {"CALLE ALCALA", "", "ALCALA      "},
        {"PASEO DEL PRADO 1234", "ATICO", "PAS234ATICO "},   // last three of four digits
        // A six-character floor is used as typed, even with PISO in it.
        {"CALLE SOL 3", "PISO 1", " SOL 3PISO 1"},
        // Two plazas: both are abbreviated.
        {"PLAZA PLAZA 2", "", "PLZPL2      "},
        {"SEMISOTANO", "SEMISOTANO", "SEMSTNSEMSTN"},
        {"C/ MAYOR Nº 5", "1º", "MAYOR51º    "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.direccion);
        const QString codigo = CReferenciaInmueble(QString::fromUtf8(c.direccion), QString::fromUtf8(c.piso)).Codigo();
        EXPECT_EQ(codigo, QString::fromUtf8(c.codigo));
        EXPECT_LE(codigo.size(), 12);
    }
}

TEST(CReferenciaInmueble, AcortarPalabrasKeepsSpacesAndDigits)
{
    EXPECT_EQ(CReferenciaInmueble::AcortarPalabras(QStringLiteral("ESC 2 3 B"), 2), QStringLiteral("ES 2 3 B"));
    EXPECT_EQ(CReferenciaInmueble::AcortarPalabras(QStringLiteral("ABC1DEF"), 1), QStringLiteral("A1D"));
    EXPECT_EQ(CReferenciaInmueble::AcortarPalabras(QStringLiteral("ABCDEFGH"), 6), QStringLiteral("ABCDEF"));
}
