#pragma once
#include <QDateTime>
#include <QString>

#include "data/emision.h"

class Database;

// Forms never edit `recibo` directly: they stage a copy, edit it, and write the
// editable columns back by `ref`.

// Empties the staging table and copies receipt `ref` into it.
void PrepararEdicionRecibo(Database& db, qint64 ref);
ReciboEmision LeerReciboEmision(Database& db, qint64 ref);
// Stores the form's columns into the staged row: reference, amounts, concepts, flags,
// account, notes and tenant document. Tenant name and number stay as staged.
void GuardarReciboEmision(Database& db, const ReciboEmision& r);
// Copies the editable columns of every staged row back to its receipt. The review of
// printed receipts (`revision`) also copies the receipt note and the cadastral reference.
void EscribirEmisionEnRecibo(Database& db, bool revision = false);

// What the form applies before showing or storing: amounts in whole cents, and "**" as
// check digits of an account given with wrong ones.
void NormalizarReciboEmision(ReciboEmision& r);
