#pragma once
#include <QString>
#include <QtGlobal>

// The text left-padded with "0" to n characters; when longer than n, its last n characters.
QString RellenarCeros(const QString& texto, int n);

// The text with every character of `conjunto` removed, the others kept in order.
QString QuitarCaracteres(const QString& conjunto, const QString& texto);

// Reads an integer the way amounts and identity numbers are typed: digits accumulate, a ","
// ends the reading, every other character ("." and "-" included) is skipped, and a leading
// "-" makes the result negative. Empty text gives 0. The accumulator is 64-bit; a number
// beyond its range gives 0 and sets *ok to false (it never wraps).
qint64 TextoAEntero(const QString& texto, bool* ok = nullptr);

// `texto` for a LIKE pattern with ESCAPE '\': "%", "_" and "\" stand for themselves.
QString EscaparLike(const QString& texto);
