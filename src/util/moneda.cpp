#include "util/moneda.h"
#include "util/errores.h"

#include <limits>

namespace {
[[noreturn]] void Desbordamiento()
{
    throw UserError(QStringLiteral("Importe fuera de rango: la cantidad es demasiado grande."));
}
}

Moneda operator+(Moneda a, Moneda b)
{
    qint64 r;
    if (__builtin_add_overflow(a.m_n, b.m_n, &r))
        Desbordamiento();
    return Moneda::DeDiezmilesimas(r);
}

Moneda operator-(Moneda a, Moneda b)
{
    qint64 r;
    if (__builtin_sub_overflow(a.m_n, b.m_n, &r))
        Desbordamiento();
    return Moneda::DeDiezmilesimas(r);
}

Moneda operator-(Moneda a)
{
    return Moneda() - a;
}

Moneda RedondearCentimos(Moneda m)
{
    const qint64 n = m.Diezmilesimas();
    const qint64 resto = n % Moneda::kPorCentimo;       // same sign as n
    qint64 base = n - resto;
    if (resto >= 50)
        base += Moneda::kPorCentimo;
    else if (resto <= -50)
        base -= Moneda::kPorCentimo;
    if ((resto >= 50 && base < n) || (resto <= -50 && base > n))
        Desbordamiento();
    return Moneda::DeDiezmilesimas(base);
}

Moneda MultiplicarDividir(Moneda m, qint64 por, qint64 entre)
{
    if (entre == 0)
        Desbordamiento();
    const __int128 r = __int128(m.Diezmilesimas()) * por / entre;
    if (r > std::numeric_limits<qint64>::max() || r < std::numeric_limits<qint64>::min())
        Desbordamiento();
    return Moneda::DeDiezmilesimas(qint64(r));
}
