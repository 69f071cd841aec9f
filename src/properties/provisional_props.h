#pragma once
// Stand-ins used by the owner and property logic until the shared account check and
// reference-code builder land; each is replaced by the shared one then. Nothing else
// should call them.
#include <QString>

namespace provisional_props {

// The Spanish bank account check (four fields); "**" and non-digits never pass.
bool ValidarCcc(const QString& banco, const QString& sucursal, const QString& dc,
                const QString& cuenta);

// A short property code: six characters of the street and six of the floor.
QString CodigoReferencia(const QString& direccion, const QString& piso);

}  // namespace provisional_props
