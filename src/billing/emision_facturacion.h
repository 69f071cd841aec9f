#pragma once
// The stagings of the issue flows of a billing run: each empties emision_recibo and copies
// the month's receipts into it in `ref` order, in one transaction, for the selection form.
#include <QDate>
#include <QString>

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
