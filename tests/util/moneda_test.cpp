#include <gtest/gtest.h>

#include "util/errores.h"
#include "util/moneda.h"

TEST(RedondearCentimos, HalfACentAwayFromZero)
{
    const struct { qint64 in, out; } cases[] = {
        {50, 100}, {49, 0}, {-50, -100}, {-49, 0}, {-19'950, -20'000}, {12'345'649, 12'345'600},
        {12'345'650, 12'345'700}, {0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(RedondearCentimos(Moneda::DeDiezmilesimas(c.in)).Diezmilesimas(), c.out);
    }
}

TEST(Moneda, ArithmeticRefusesOverflow)
{
    const Moneda max = Moneda::DeDiezmilesimas(std::numeric_limits<qint64>::max());
    EXPECT_THROW(max + Moneda::DeDiezmilesimas(1), UserError);
    EXPECT_THROW(-max - Moneda::DeDiezmilesimas(2), UserError);
    EXPECT_EQ((Moneda::DeCentimos(150) + Moneda::DeCentimos(-50)).Diezmilesimas(), 10'000);
}
