#include <gtest/gtest.h>

#include "util/cp1252.h"
#include "util/errores.h"

TEST(Cp1252, SpanishTextHasOneExactByteEachAndReadsBack)
{
    const struct { const char* texto; QByteArray bytes; } casos[] = {
        {"ÁÉÍÓÚÜÑ", QByteArray("\xC1\xC9\xCD\xD3\xDA\xDC\xD1")},
        {"áéíóúüñç", QByteArray("\xE1\xE9\xED\xF3\xFA\xFC\xF1\xE7")},
        {"1º 2ª ¿?¡!", QByteArray("1\xBA 2\xAA \xBF?\xA1!")},
        {"€ “x” – Š", QByteArray("\x80 \x93x\x94 \x96 \x8A")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const QString t = QString::fromUtf8(c.texto);
        EXPECT_EQ(AdaptarCp1252(t), t);
        EXPECT_EQ(ACp1252(t), c.bytes);
        EXPECT_EQ(DesdeCp1252(c.bytes), t);
    }
}

TEST(Cp1252, WhatHasNoByteIsReplacedOneForOne)
{
    const struct { const char* texto; const char* adaptado; } casos[] = {
        {"Ő ő ł", "O o ?"},                  // base letter when there is one
        {"A\tB\r\nC", "A B  C"},             // control characters cannot break a record
        {"x😀y", "x?y"},                    // one character outside the basic plane, one byte
        {"日本", "??"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const QString a = AdaptarCp1252(QString::fromUtf8(c.texto));
        EXPECT_EQ(a, QString::fromUtf8(c.adaptado));
        EXPECT_EQ(ACp1252(a).size(), a.size());
    }
    EXPECT_THROW(ACp1252(QStringLiteral("ő")), UserError);
}
