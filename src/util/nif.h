#pragma once
#include <QChar>
#include <QString>

// The control letter of a Spanish identity number (DNI/NIF of a natural person).
// The number is read with TextoAEntero, so "12.345.678" reads as 12345678 and "1234,9" as
// 1234; empty text counts as 0 (letter "T"). A number that cannot be an identity number gives
// a null QChar: a negative one, one beyond the 64-bit range, or text holding letters or other
// characters than digits and the separators ". -/_," and spaces.
QChar LetraNif(const QString& numero);
