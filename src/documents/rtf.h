#pragma once
// Our own RTF writer: what goes from a QString into an RTF file. Output is 7-bit ASCII, so a
// file's declared code page never changes what a value reads.
#include <QByteArray>
#include <QString>

// The text as RTF characters: "\", "{" and "}" escaped, a tab as \tab, each line end (LF,
// CR LF or CR) as \par followed by CR LF, every character beyond ASCII as \uN? (UTF-16 units,
// N signed as RTF wants it, "?" for readers without Unicode). Other control characters are
// dropped.
QByteArray EscaparRtf(const QString& texto);

// The text as one group, {\uc1 ...}: inserted after a control word ("\b&Nombre") it cannot
// lengthen that word, and the \uc1 it declares ends with the group. Empty for an empty text.
QByteArray GrupoRtf(const QString& texto);

// Plain text as a whole RTF document in "Courier New" at `puntos` points, one \par per line.
QByteArray DocumentoRtfTexto(const QString& texto, int puntos);
