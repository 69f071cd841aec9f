#pragma once
// International bank account numbers (ISO 13616), bank identifier codes (ISO 9362) and the
// SEPA creditor identifier, for the direct debits in SEPA XML.
#include <QString>

// The IBAN as stored: spaces removed, letters in upper case ("es91 2100..." -> "ES912100...").
QString NormalizarIban(const QString& iban);
// True for an IBAN of a known country with that country's length whose check digits verify
// (mod 97 of the rearranged number is 1). Spaces and lower case are accepted.
bool ValidarIban(const QString& iban);
// Why the IBAN is not valid, in Spanish, or empty when it is.
QString ProblemaIban(const QString& iban);
// The IBAN in groups of four, as it is shown and printed: "ES91 2100 0418 4502 0005 1332".
QString IbanAgrupado(const QString& iban);

// The Spanish IBAN of an account in four fields (ES, check digits, the 20 digits); empty
// when the account does not verify (ValidarCcc).
QString IbanDesdeCcc(const QString& banco, const QString& sucursal, const QString& dc,
                     const QString& cuenta);

struct Ccc {
    QString banco, sucursal, dc, cuenta;
    bool EsVacia() const { return banco.isEmpty() && sucursal.isEmpty() && dc.isEmpty() && cuenta.isEmpty(); }
};
// The four fields of a valid Spanish IBAN; empty fields for any other.
Ccc CccDesdeIban(const QString& iban);
// The bank code of a Spanish IBAN (its digits 5 to 8), empty for any other.
QString EntidadIban(const QString& iban);

// True for a BIC of 8 or 11 characters: bank (4 letters), country (2 letters), location
// (2 letters or digits; the second not the letter O), optional branch (3). Spaces and case ignored.
bool ValidarBic(const QString& bic);
QString NormalizarBic(const QString& bic);

// The creditor identifier of a Spanish creditor: "ES", the check digits 98 - (n mod 97)
// where n is the NIF followed by "ES00" with letters as numbers (A = 10 ... Z = 35), the
// business code (outside the check) and the NIF. Empty when the NIF (separators removed)
// holds anything but letters and digits; whether it is a valid NIF, NIE or CIF is
// DocumentoValido's to say. "B12345678" -> "ES97000B12345678".
QString IdentificadorAcreedor(const QString& nif, const QString& sufijo = QStringLiteral("000"));
// True for a creditor identifier whose check digits verify (any country; the business code
// is left out of the check), letters and digits only after the country.
bool ValidarIdentificadorAcreedor(const QString& id);

// An account as the forms keep it: the four Spanish fields and the IBAN.
struct CuentaBancaria {
    Ccc ccc;
    QString iban;
};
// Keeps the two forms of an account in step after an edit: when `ibanEditado` the IBAN
// wins (a Spanish one fills the four fields, a foreign one empties them); otherwise a valid
// CCC gives its IBAN, a CCC given but not valid leaves no IBAN, an empty CCC keeps only a
// foreign IBAN.
// The IBAN comes back normalised.
CuentaBancaria ArmonizarCuenta(CuentaBancaria c, bool ibanEditado);
