#pragma once
// The characters SEPA messages carry: a-z A-Z 0-9 / - ? : ( ) . , ' + and space.
#include <QChar>
#include <QDate>
#include <QString>

// True for a character of the SEPA set.
bool EsCaracterSepa(QChar c);
// Accented letters to their base letter, ñ to n, ç to c, º and ª to o and a; every other
// character is kept as it is (so that a check can name it).
QString TransliterarSepa(const QString& texto);
// The first character of the transliterated text outside the set, or a null QChar.
QChar CaracterNoSepa(const QString& texto);
// Our own texts: transliterated, any other character a space, runs of spaces made one,
// cut to `maximo` characters.
QString TextoLibreSepa(const QString& texto, int maximo);
// Why `id` cannot be a SEPA identifier (empty when it can): characters of the set without
// spaces, 1 to 35 of them, no "/" at either end, no "//".
QString ProblemaIdentificadorSepa(const QString& id);
// A mandate reference proposed for a tenant: the property's reference code in the
// identifier set (spaces as "-") and the day the mandate is signed, "MAYO122-A-20240301".
QString MandatoPropuesto(const QString& codref, const QDate& firma);
