#pragma once
#include <QByteArray>
#include <QString>

// A small RTF reader for tests: the plain text of a document, as a word processor would show
// it. Skips the font table and \* destinations, reads \uN with its \ucN fallback, \'xx as
// code page 1252, \par and \line as "\n", \tab as "\t". Sets *ok false on unbalanced braces.
QString TextoDeRtf(const QByteArray& rtf, bool* ok = nullptr);
