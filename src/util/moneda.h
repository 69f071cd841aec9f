#pragma once
#include <QtGlobal>
#include <compare>

// An amount of money: a signed count of ten-thousandths of the currency unit.
// Never built from a double; arithmetic refuses overflow instead of wrapping.
class Moneda {
public:
    static constexpr qint64 kPorUnidad = 10000;
    static constexpr qint64 kPorCentimo = 100;

    constexpr Moneda() = default;
    static constexpr Moneda DeDiezmilesimas(qint64 n) { Moneda m; m.m_n = n; return m; }
    static constexpr Moneda DeCentimos(qint64 c) { return DeDiezmilesimas(c * kPorCentimo); }
    constexpr qint64 Diezmilesimas() const { return m_n; }
    constexpr bool EsCero() const { return m_n == 0; }

    friend constexpr auto operator<=>(Moneda, Moneda) = default;
    friend Moneda operator+(Moneda a, Moneda b);
    friend Moneda operator-(Moneda a, Moneda b);
    friend Moneda operator-(Moneda a);
    Moneda& operator+=(Moneda b) { return *this = *this + b; }
    Moneda& operator-=(Moneda b) { return *this = *this - b; }

private:
    qint64 m_n = 0;
};

// Rounds to whole cents, half a cent away from zero (0,005 -> 0,01; -1,995 -> -2,00).
Moneda RedondearCentimos(Moneda m);

// m x por / entre, the fraction of the ten-thousandth dropped (toward zero). The product may
// exceed 64 bits; a result beyond the range of Moneda, or entre 0, is refused.
Moneda MultiplicarDividir(Moneda m, qint64 por, qint64 entre);
