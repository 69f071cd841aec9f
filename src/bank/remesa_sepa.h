#pragma once
// Where the SEPA file's data comes from: the owner as creditor, the month's receipts charged
// to the bank with their mandates, the sequence type of each, and what sending them records.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

#include "bank/fichero_sepa.h"
#include "settings/valores.h"   // the types only: the caller reads the store

class Database;

// The owner named `nombre` (letter case ignored); "propietario erroneo no encontrado = ".
AcreedorSepa BuscarAcreedorSepa(Database& db, const QString& nombre);

// The owner's receipts of the month of `mes` marked for direct debit, whatever their account,
// in `ref` order, with their sequence types.
std::vector<DebitoSepa> DebitosSepaDelMes(Database& db, const QString& arrendador, const QDate& mes);
// The selected rows of the staging table, in `ref` order, with their sequence types.
std::vector<DebitoSepa> DebitosSepaEmision(Database& db, const QString& arrendador);

// The sequence type of each debit from the receipts already sent under the same owner and
// mandate reference before it (billing date, then ref), and from the property's mandate:
// OOFF for a one-off mandate, FNAL when "Último cobro" is set, FRST for the first, else RCUR.
// Marks a mandate closed by an earlier FNAL or OOFF, and the IBAN last sent when it was
// another (an amendment). Rewriting a remittance gives the same types.
void AsignarSecuencias(Database& db, const QString& arrendador, std::vector<DebitoSepa>& debitos);

// Empties the staging table and copies the owner's direct-debit receipts of the month, all
// selected, in one transaction. Refuses an owner that does not exist and a month without
// such receipts ("Para este mes y propietario no existen recibos o facturas emitidas").
int PrepararEmisionSepa(Database& db, const QDate& mes, const QString& propietario);

// After the file is written: every debit "ENVIADO AL COBRO" (state 2) with the charge date
// and the sequence type it was sent with, in one transaction.
void MarcarEnviadosSepa(Database& db, const std::vector<DebitoSepa>& debitos, const QDate& cargo);


struct ResultadoSepa {
    int recibos = 0;
    Moneda total;
    QString msgId;
};

// The owner's SEPA file of the month at `ruta`, written whole or not at all after every
// check passed; with `marcar` the receipts are then recorded as sent (MarcarEnviadosSepa).
// Refuses outputs that are the workspace or its side files.
ResultadoSepa GenerarRemesaSepa(Database& db, const QString& arrendador, const QDate& mes,
                                const QDateTime& creacion, const QDate& cargo, const QString& ruta,
                                bool marcar);
