#pragma once
// Our own RTF reader and writer: what goes from a QString or a QTextDocument into an RTF file
// and back. Output is 7-bit ASCII, so a file's declared code page never changes what a value
// reads.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextDocument;

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

// A rich-text document as RTF: paragraphs with their alignment and page breaks (\pagebb),
// \line, \tab, bold, italic, underline, strike-out, faces, sizes, colours and pictures (as
// PNG). Faces the document does not name take its default font.
QByteArray EscribirRtf(const QTextDocument& documento);

// What reading a file gave besides the document.
struct LecturaRtf {
    bool esRtf = false;        // false: the file did not start "{\rtf" and was read as plain text
    QStringList perdido;       // what the document could not keep, in Spanish ("encabezados y pies de página")
    // The warning to show on opening; empty when nothing was lost.
    QString Aviso() const;
};

// Replaces the document's content by the file's: RTF when it starts "{\rtf", else plain text
// (UTF-8 when valid, else code page 1252). Reads paragraphs, \line, \tab, \page and \pagebb,
// alignment, bold, italic, underline, strike-out, faces, sizes, colours, \'xx in the declared
// code page (\ansicpg, \fcharset), \uN with \ucN, PNG and JPEG pictures; ignores unknown words
// and skips \* destinations. Any input ends in time and memory bounded by its size: nesting is
// counted past a depth, a truncated file keeps what it had, \bin never reads past the end.
LecturaRtf LeerRtf(const QByteArray& datos, QTextDocument& documento);

// The document's text one line per paragraph (each ended by "\n"), a form feed "\f" before
// the first line of each new page; \line as "\n", pictures left out. The empty paragraph
// that closes a file ending in \par gives no line.
QString TextoPorParrafos(const QTextDocument& documento);
