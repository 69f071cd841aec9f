#pragma once
// The wording of the lease contract: the built-in housing contract and the pieces that the
// contract models reuse. Pieces end their lines with "\n"; the contract turns them into CR LF
// and the model filler into \par.
#include <QString>

#include "documents/contrato.h"

// The whole housing contract, clauses in order, lines ended by CR LF.
QString TextoContratoVivienda(const DatosContrato& d);

// "De una parte, ..." and "De otra parte, ...", each ending with "." and a blank line; with
// `telefonos` the tenant's telephones follow the tenant's party.
QString TextoReunidos(const DatosContrato& d, bool telefonos);
// Who acts for whom, ending with "." (and the tenants' sentence with a representative).
QString TextoIntervienen(const DatosContrato& d);
// The body of SEGUNDA: "El apartamento se arrienda ..." (or "El local ..." for premises). The
// built-in contract ignores the television of a furnished flat; the models do not.
QString TextoEquipamiento(const DatosContrato& d, bool local, bool conTelevisionAmueblado);
// Rents and other concepts received at signing; empty when row 1 is 0 and nothing else came.
QString TextoPagosRecibidos(const DatosContrato& d, bool diasLiteral);
// The monthly receipt table then the payment table (field CImtes).
QString TablasRecibo(const DatosContrato& d);
// "DETALLE DEL PAGO REALIZADO": the deposit, each paid row and the total.
QString TablaPago(const DatosContrato& d, const QString& cabecera);
// The guarantee sentence (no clause number), or empty without a register number.
QString TextoAval(const DatosContrato& d);
// " mediante domiciliación bancaria..." and the other ways of paying (field FPago_).
QString TextoFormaPago(const DatosContrato& d);
// "Debido al tamaño del piso, ..." with occupants, else empty.
QString TextoOcupacion(const DatosContrato& d);
// " mil Euros [1.000,00 €]": the amount in words and in figures.
QString ImporteConCifra(Moneda m);
// " telefonos A y B", " telefono A" or empty.
QString TextoTelefonos(const DatosContrato& d);
