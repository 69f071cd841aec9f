#include <gtest/gtest.h>

#include "util/nif.h"

// Expected values checked against an independent implementation of the official rules.
TEST(ComprobarDocumento, ClassifiesChecksAndNamesTheRightControl)
{
    using enum TipoDocumento;
    const struct { const char* texto; TipoDocumento tipo; bool valido; const char* control; } cases[] = {
        {"12345678Z", Dni, true, "Z"},
        {"12.345.678-z", Dni, true, "Z"},
        {"12345678A", Dni, false, "Z"},
        {"1234567L", Dni, true, "L"},          // leading zero left out
        {"K1234567L", Dni, true, "L"},         // K, L, M: the letter of the seven digits
        {"123456789Z", Dni, false, ""},
        {"Y1234567X", Nie, true, "X"},
        {"X0000000T", Nie, true, "T"},
        {"Z7654321H", Nie, true, "H"},
        {"Z7654321A", Nie, false, "H"},
        {"B12345674", Cif, true, "4D"},
        {"B1234567D", Cif, true, "4D"},        // control as a letter is accepted too
        {"A58818501", Cif, true, "1A"},
        {"Q2826000H", Cif, true, "8H"},
        {"S2800001F", Cif, true, "6F"},
        {"W00000000", Cif, true, "0J"},
        {"B12345675", Cif, false, "4D"},
        {"PASAPORTE 123", Otro, false, ""},
        {"", Otro, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texto);
        const ComprobacionDocumento r = ComprobarDocumento(QString::fromLatin1(c.texto));
        EXPECT_EQ(r.tipo, c.tipo);
        EXPECT_EQ(r.valido, c.valido);
        EXPECT_EQ(r.control, QString::fromLatin1(c.control));
        EXPECT_EQ(r.mensaje.isEmpty(), c.valido || c.tipo == Otro);
    }
    // The message names the right letter so that the user can correct it.
    EXPECT_TRUE(ComprobarDocumento(QStringLiteral("12345678A")).mensaje.contains(QStringLiteral(" Z")));
}

TEST(TipoDocumentoComprobable, PassportsAndOtherDocumentsAreNotChecked)
{
    for (const char* t : {"NIF", "CIF", "N.I.E.", "D.N.I.", "", "dni"})
        EXPECT_TRUE(TipoDocumentoComprobable(QString::fromLatin1(t))) << t;
    for (const char* t : {"PASAPORTE", "pasaporte", "OTRO", "O.T.R.O.", "EXTRANJERO"})
        EXPECT_FALSE(TipoDocumentoComprobable(QString::fromLatin1(t))) << t;
}
