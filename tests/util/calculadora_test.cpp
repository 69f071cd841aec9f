#include <gtest/gtest.h>

#include "util/calculadora.h"

namespace {

// Presses the keys of `teclas` in order ("C" is "Borrar") and collects every message.
QStringList Teclear(Calculadora& c, const char* teclas)
{
    QStringList mensajes;
    for (const char* k = teclas; *k; ++k) {
        const QChar t = QLatin1Char(*k);
        if (t.isDigit())
            mensajes += c.Digito(t.digitValue());
        else if (t == QLatin1Char('.'))
            mensajes += c.Punto();
        else if (t == QLatin1Char('='))
            mensajes += c.Igual();
        else if (t == QLatin1Char('C'))
            c.Borrar();
        else
            mensajes += c.Operacion(t);
    }
    return mensajes;
}

}  // namespace

TEST(Calculadora, KeySequencesGiveThePocketCalculatorResults)
{
    const struct { const char* teclas; const char* pantalla; const char* mensaje; } casos[] = {
        {"7+5=", "12", ""},
        {"7+5=*2=", "24", ""},
        {"1.5+2=", "3.5", ""},
        {"=", "0", ""},
        {"42=", "42", ""},
        {"5+C3=", "3", ""},           // the pending operator survives "Borrar"
        {"12+3=4", "154", ""},        // a digit continues from the result
        {"9/4=", "2.25", ""},
        {"2+3+4=", "9", ""},          // chained: the pending operation first
        {"1200*21/100=", "252", ""},
        {"6-2*5=", "20", ""},
        {"6+-2=", "4", ""},           // a second operator replaces the first
        {"1/3=", "0.333333333333333", ""},
        {"5-8=", "-3", ""},
        {"0.1+0.2=", "0.3", ""},
        {"2..5+1=", "3.5", ""},       // a second point is ignored
        {"8/0=", "0", "No se puede dividir entre cero."},
        {"0/0=", "0", "No se puede dividir entre cero."},
        {"8/0=+2=", "2", "No se puede dividir entre cero."},
        {"9999999*9999999=", "99999980000001", ""},
        {"9999999*9999999=+1=", "99999980000002", "Escriba un número entre -9999999 y 9999999."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.teclas);
        Calculadora calc;
        const QStringList mensajes = Teclear(calc, c.teclas);
        EXPECT_EQ(calc.Pantalla(), QString::fromLatin1(c.pantalla));
        if (*c.mensaje)
            EXPECT_EQ(mensajes, QStringList{QString::fromUtf8(c.mensaje)});
        else
            EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join('|').toStdString();
    }
}

TEST(Calculadora, EqualsWithoutOperatorLeavesTheDisplayAndDivisionByZeroStartsOver)
{
    Calculadora calc;
    Teclear(calc, "1.50");
    EXPECT_EQ(calc.Pantalla(), "1.50");
    Teclear(calc, "=");
    EXPECT_EQ(calc.Pantalla(), "1.50");

    Teclear(calc, "/0=");
    EXPECT_TRUE(calc.Operador().isNull());
    // Nothing infinite is carried on: the next operation starts from zero.
    Teclear(calc, "+7=");
    EXPECT_EQ(calc.Pantalla(), "7");
}

TEST(Calculadora, ATypedTextThatIsNoNumberIsReportedAndThePreviousValueKept)
{
    Calculadora calc;
    Teclear(calc, "4");
    calc.PonerPantalla("4x");
    const QStringList m = calc.Operacion('+');
    EXPECT_EQ(m, QStringList{"Escriba un número."});
    Teclear(calc, "1=");
    EXPECT_EQ(calc.Pantalla(), "5");
}

TEST(Calculadora, ResultsThatGrowBeyondADoubleSayTooLarge)
{
    Calculadora calc;
    calc.PonerPantalla("1e300");
    calc.Operacion('*');
    calc.PonerPantalla("1e300");
    const QStringList m = calc.Igual();
    EXPECT_TRUE(m.contains(Calculadora::kDesbordamiento));
    EXPECT_EQ(calc.Pantalla(), "0");
}
