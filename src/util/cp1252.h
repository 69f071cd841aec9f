#pragma once
// Code page 1252 at the boundary of files that demand 8-bit text. Qt has no converter for
// it, so the table is ours: ASCII and U+00A0..U+00FF map to themselves, 27 further
// characters (the euro sign, curly quotes, dashes, Š, Œ, Ž ...) to 0x80..0x9F.
#include <QByteArray>
#include <QString>

// The byte of `c` in code page 1252, or -1 when it has none.
int ByteCp1252(char16_t c);

// A text every character of which has one byte in code page 1252: control characters
// (line ends, tabs) become spaces, so they cannot break a fixed-width record; a letter
// outside the code page becomes its plain letter when it has one (ő -> o), anything
// else "?"; a character outside the basic plane counts as one character.
QString AdaptarCp1252(const QString& texto);

// The exact bytes of `texto`; throws UserError naming the first character that has none.
QByteArray ACp1252(const QString& texto);

// AdaptarCp1252 and ACp1252 in one pass: the bytes of the adapted text.
QByteArray AdaptadoACp1252(const QString& texto);

// Bytes in code page 1252 back to text (the five unused bytes read as U+FFFD).
QString DesdeCp1252(const QByteArray& bytes);
