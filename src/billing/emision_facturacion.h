#pragma once
// The stagings of the issue flows of a billing run: each empties emision_recibo and copies
// the month's receipts into it in `ref` order, in one transaction, for the selection form.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "util/moneda.h"

class Database;

// The paper receipts of the month of `mes`, of the owner `propietario` (all owners when
// empty); receipts without "Recibo Fisico" are staged at "No". Refuses an owner that does
// not exist ("propietario erroneo no encontrado = " and the name) and a month with nothing
// to stage ("Para este mes no existen recibos o facturas emitidas", or "Para este mes y
// propietario no existen recibos o facturas emitidas" for one owner). Returns the rows staged.
int PrepararEmisionPapel(Database& db, const QDate& mes, const QString& propietario = QString());

// The owner's receipts of the month charged to the bank whose account fields have their
// full lengths (4, 4, 2, 10), all at "Si". Refuses as PrepararEmisionPapel does for one owner.
int PrepararEmisionBanco(Database& db, const QDate& mes, const QString& propietario);

// Every receipt of the month, at "Si": the review of a run and its listing. Returns the rows
// staged, 0 included.
int PrepararEmisionMes(Database& db, const QDate& mes);

// After the paper or review form closed: writes the staged rows back (note and cadastral
// reference too) and drops the rows at "No", in one transaction. Returns the rows left.
int CerrarEmisionRevision(Database& db);

// After the bank-mode form was confirmed: drops the rows at "No" and writes the staged rows
// back (the short write-back), in one transaction. No state changes here: the receipts turn
// "ENVIADO AL COBRO" only once their file is written. Returns the rows left.
int CerrarEmisionBanco(Database& db);

// The property form's "Facturado": every receipt of the property (address and floor, letter
// case and accents aside), newest billing date first, all at "Si". Refuses a property without
// receipts ("Este inmueble no tiene ningún recibo emitido mediante facturación.").
int PrepararEmisionInmueble(Database& db, const QString& direccion, const QString& piso);
// "Borrar" on the staged receipts list: the receipt and its staged copy, in one transaction.
void BorrarReciboEmitido(Database& db, qint64 ref);
// One row of the staged receipts list.
struct FilaEmitido {
    qint64 ref = 0;
    QString mes;            // "03/2007"
    QString arrendatario;
    Moneda total;
};
std::vector<FilaEmitido> FilasEmitidas(Database& db);
// The "Imprimir" listing of the staged rows: heading, one line per row, totals.
QStringList LineasListadoEmitidos(Database& db);

// Receipts billed while the tenant's account was wrong keep that account: those of the month
// (of `propietario` when given) marked for the bank, not yet collected or sent, whose account
// does not verify while their property's now does. `Corregir` copies the property's account
// into them (one transaction) and returns how many changed.
int ContarCuentasACorregir(Database& db, const QDate& mes, const QString& propietario = QString());
int CorregirCuentasRecibos(Database& db, const QDate& mes, const QString& propietario = QString());
