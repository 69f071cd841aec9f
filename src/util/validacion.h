#pragma once
#include <QString>

// The field checks the dialogs apply on confirmation, with the messages users know from
// every other form of the program. Each returns an empty text when the value is fine,
// else the Spanish message to show; the value read is stored even when out of range.

// An integer: optional sign and digits, surrounding blanks allowed.
QString ValidarEntero(const QString& texto, int* valor);
QString ValidarEntero(const QString& texto, int minimo, int maximo, int* valor);
// A number with "." as decimal point.
QString ValidarNumero(const QString& texto, double minimo, double maximo, double* valor);
QString ValidarLongitud(const QString& texto, int maximo);
