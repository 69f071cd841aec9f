#pragma once
#include <QChar>
#include <QString>

// The control letter of a Spanish identity number (DNI/NIF of a natural person) or of a
// foreigner's number (NIE: X, Y or Z and seven digits, read as 0, 1 or 2 before them).
// The number is read with TextoAEntero, so "12.345.678" reads as 12345678 and "1234,9" as
// 1234; empty text counts as 0 (letter "T"). A number that cannot be an identity number gives
// a null QChar: a negative one, one beyond the 64-bit range, or text holding letters or other
// characters than digits and the separators ". -/_," and spaces.
QChar LetraNif(const QString& numero);

// The kinds of Spanish identity document a form checks. Anything else (a passport, a foreign
// document) is not checked.
enum class TipoDocumento { Otro, Dni, Nie, Cif };

struct ComprobacionDocumento {
    TipoDocumento tipo = TipoDocumento::Otro;
    bool valido = false;
    QString control;   // the right control character(s): "Z", or "4" / "D" for a CIF
    QString mensaje;   // Spanish, empty when valid or not checked
};

// Classifies and checks a document number, separators and letter case ignored: DNI (8 digits
// and a letter), NIE (X/Y/Z, 7 digits and a letter), CIF (a letter of ABCDEFGHJNPQRSUVW,
// 7 digits and a control digit or letter).
ComprobacionDocumento ComprobarDocumento(const QString& texto);
QString NombreTipoDocumento(TipoDocumento t);   // "DNI", "NIE", "CIF", "" for Otro
// The control digit of a CIF for its seven digits (the letter form is "JABCDEFGHI"[digit]).
int DigitoControlCif(const QString& sieteCifras);
// The identity number without '-', '/', '_', ',', '.' or spaces, letters in upper case
// ("50.001.774-g" -> "50001774G"), as forms store it and the bank file carries it.
QString NormalizarDocumento(const QString& numero);
// True for a valid Spanish tax identifier (ComprobarDocumento says valid): a NIF (up to eight
// digits and their letter; also K, L, M and seven digits), a NIE or a CIF.
bool DocumentoValido(const QString& documento);
// False for the document types a form does not check (a passport, "OTRO", a foreign
// document): their numbers follow no Spanish rule. Dots, spaces and case are ignored.
bool TipoDocumentoComprobable(const QString& tipo);
