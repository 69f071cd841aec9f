#pragma once
// Stand-ins for the shared padding and account helpers of src/util until they land;
// the bank writer switches to the shared ones then. Nothing outside src/bank uses them.
#include <QString>

#include "util/moneda.h"

namespace formato_banco {

// Left-padded with "0" to `ancho`; a longer text keeps its rightmost `ancho` characters.
QString RellenarCeros(const QString& s, int ancho);
// Padded on the right with spaces to `ancho`, or cut to its first `ancho` characters.
QString AjustarIzquierda(const QString& s, int ancho);
// Padded on the left with spaces to `ancho`, or cut to its first `ancho` characters.
QString AjustarDerecha(const QString& s, int ancho);
// Digits grouped with "." (2005 -> 2.005).
QString EnteroConPuntos(qint64 n);
// 1.234,56, rounded to cents half away from zero.
QString MonedaATexto(Moneda m);
// "ENERO" ... "DICIEMBRE"; empty for a month outside 1..12.
QString NombreMesMayusculas(int mes);
// The two check digits of a Spanish account (bank 4, branch 4, account 10 digits).
QString CalcularDC(const QString& banco, const QString& sucursal, const QString& ccc);

}  // namespace formato_banco
