#pragma once
#include <QChar>
#include <QString>

// The control letter of a Spanish identity number (DNI/NIF of a natural person).
// The number is read with TextoAEntero, so "12.345.678" reads as 12345678 and "1234,9" as
// 1234; empty text counts as 0 (letter "T"). A number that cannot be an identity number gives
// a null QChar: a negative one, one beyond the 64-bit range, or text holding letters or other
// characters than digits and the separators ". -/_," and spaces.
QChar LetraNif(const QString& numero);

// The identity number without '-', '/', '_', ',', '.' or spaces, letters in upper case
// ("50.001.774-g" -> "50001774G"), as forms store it and the bank file carries it.
QString NormalizarDocumento(const QString& numero);
// True for a valid Spanish tax identifier, after NormalizarDocumento: a NIF (up to eight
// digits and their letter; also K, L, M and seven digits), a NIE (X, Y or Z, seven digits and
// the letter) or a CIF (an organisation letter, seven digits and the control digit or letter).
bool DocumentoValido(const QString& documento);
