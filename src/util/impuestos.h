#pragma once
// The two taxes of a rent, computed the same way wherever a form or a letter needs them.
#include "util/moneda.h"

// Tax on `base` at an integer percentage, worked in ten-thousandths so that the division
// truncates toward zero, then rounded to cents. The first tax keeps the base's sign.
Moneda ImpuestoSumado(Moneda base, int porcentaje);
// The second tax is a withholding: the sign opposite to the base's.
Moneda ImpuestoRetenido(Moneda base, int porcentaje);
