#pragma once
#include <QDate>
#include <QString>
#include <QtGlobal>

#include "util/moneda.h"

// Amounts, numbers and dates in Spanish words, and the month names.

// Gender of the number words: 0 masculine before a noun ("un", "veintiun"),
// 1 feminine ("una", "doscientas"), 2 masculine standing alone ("uno", "veintiuno").
constexpr int kGeneroMasculino = 0;
constexpr int kGeneroFemenino = 1;
constexpr int kGeneroSolo = 2;

// The absolute value in lower-case words, each word preceded by one space
// (2005 -> " dos mil cinco"; 1000000 -> " un millón"). Works over the whole 64-bit range.
QString NumeroANumero(qint64 valor, int genero);

// " mil doscientos treinta y cuatro Euros con cincuenta y seis céntimos"; "cero Euros" for an
// amount that rounds to zero cents; a negative amount starts "menos ".
QString ImporteEnLetras(Moneda importe);

// "uno de enero del  dos mil cinco" ("de" before 2000, "del" from 2000).
QString FechaEnLetras(const QDate& fecha);

// "enero" ... "diciembre", or "--- ERROR EN MES ---".
QString NombreMes(int mes);
// "ENERO" ... "DICIEMBRE", or "ERROR".
QString NombreMesMayusculas(int mes);
// 1 to 12 when the text is exactly one of the upper-case month names, else 0.
int NumeroMes(const QString& texto);
