#include "util/impuestos.h"

Moneda ImpuestoSumado(Moneda base, int porcentaje)
{
    return RedondearCentimos(MultiplicarDividir(base, porcentaje, 100));
}

Moneda ImpuestoRetenido(Moneda base, int porcentaje)
{
    return RedondearCentimos(-MultiplicarDividir(base, porcentaje, 100));
}
