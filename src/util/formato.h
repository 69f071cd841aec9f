#pragma once
#include <QDate>
#include <QString>
#include <QtGlobal>

#include "util/moneda.h"

// Numbers, money and dates the Spanish way ("." between thousands, "," before the cents,
// day before month) and the fixed-width padding used by listings and files. Pure functions:
// no locale, no state.

// Decimal digits without separators; "0" for 0. A negative number keeps its "-".
QString EnteroATexto(qint64 n);
// Digits grouped by three with "." (1234567 -> 1.234.567), "-" in front when negative.
// Works over the whole 64-bit range.
QString EnteroConPuntos(qint64 n);
// RellenarCeros(EnteroConPuntos(n), ancho): 1234 to width 6 gives 01.234.
QString EnteroConPuntosCeros(qint64 n, int ancho);

// 1.234,56: rounded to cents half away from zero, "-" in front of any negative amount
// (so -0,004 reads -0,00). Works over the whole 64-bit range.
QString MonedaATexto(Moneda m);
// MonedaATexto's characters, all ASCII, written as bytes to `destino` (room for 32 needed);
// returns how many.
int MonedaAAscii(Moneda m, char* destino);
// MonedaATexto, one space and the first character of the currency symbol, or MonedaATexto
// alone when the symbol is empty.
QString MonedaConSimbolo(Moneda m, const QString& simbolo);
// Reads an amount typed the Spanish way ("1.234,56 €", "(12,5)", "-7") and rounds it to cents.
// "." and spaces are ignored, "," starts the cents, a "-" or "(" anywhere makes it negative,
// and words or signs before or after the number (a currency) are ignored.
// The text is refused (*ok false, result 0) when it holds no digit, more than one ",",
// a letter between digits ("12a5"), a "." that does not separate thousands ("12.5", "1,5.3":
// typed as a decimal point it would multiply the amount), or an amount beyond the range of Moneda.
Moneda TextoAMoneda(const QString& texto, bool* ok = nullptr);

// DD/MM/YYYY; empty for a null or invalid date.
QString FechaCorta(const QDate& d);
// MM/YYYY; empty for a null or invalid date.
QString FechaMesAnio(const QDate& d);
// DD/MM/YY; empty for a null or invalid date.
QString FechaCortaAnio2(const QDate& d);
// The last day of the date's month; a null date for a null one.
QDate UltimoDiaMes(const QDate& d);

// Padded on the right with spaces to `ancho`, or cut to the first `ancho` characters.
QString AjustarIzquierda(const QString& texto, int ancho);
// Padded on the left with spaces to `ancho`, or cut to the last `ancho` characters.
QString AjustarDerecha(const QString& texto, int ancho);
// `linea` followed by `texto` right-aligned in a field of `ancho`, for amounts, which are
// never cut: a wider text takes the blanks at the end of `linea` (keeping one blank after
// any text there) and, past those, makes the line longer.
QString JuntarDerecha(const QString& linea, const QString& texto, int ancho);
// JuntarDerecha for a field that ends at column `fin` of `linea` (the next column, placed by
// its own end, takes a shift back where it has blanks).
void AnadirDerecha(QString& linea, QStringView texto, int fin);
// AnadirDerecha of MonedaATexto(m), without making the text first.
void AnadirMonedaDerecha(QString& linea, Moneda m, int fin);
// Centred with spaces (an odd spare space goes right), or cut to the first `ancho` characters.
QString Centrar(const QString& texto, int ancho);
// n spaces; empty for n <= 0.
QString Espacios(int n);

// The first occurrence of `buscar` replaced by `reemplazo` (case-sensitive); unchanged if absent.
QString ReemplazarPrimero(const QString& texto, const QString& buscar, const QString& reemplazo);
// The first occurrence of character a replaced by b.
QString ReemplazarCaracter(const QString& texto, QChar a, QChar b);
// Every space removed.
QString QuitarEspacios(const QString& texto);
// Runs of spaces reduced to one and a final space dropped; a single leading space stays.
QString QuitarDoblesEspacios(const QString& texto);
// Only the digits 0-9 and the spaces, in order.
QString SoloDigitosYEspacios(const QString& texto);
// Everything but the digits 0-9 and the spaces, in order.
QString SinDigitosNiEspacios(const QString& texto);
