#pragma once
#include <QDateTime>
#include <QString>

#include "billing/facturacion.h"

class Database;

// One staged receipt (`emision_recibo`) as the modification form shows it.
struct ReciboEmision {
    qint64 ref = 0;
    QString direccion, piso, arrendador, nom_arrendatario;
    QString doc_arrendatario_tipo, doc_arrendatario_num, codref;
    qint64 numero_recibo = 0;
    QDateTime fecha_facturacion, fecha_cobro;
    bool is_recibo_numerar = false, is_recibo_banco = false, is_recibo_fisico = false;
    QString notas;
    QString banco, sucursal, dc, ccc;
    ImportesRecibo importes;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
};

// Forms never edit `recibo` directly: they stage a copy, edit it, and write the
// editable columns back by `ref`.

// Empties the staging table and copies receipt `ref` into it.
void PrepararEdicionRecibo(Database& db, qint64 ref);
ReciboEmision LeerReciboEmision(Database& db, qint64 ref);
// Stores the form's columns into the staged row: reference, amounts, concepts, flags,
// account, notes and tenant document. Tenant name and number stay as staged.
void GuardarReciboEmision(Database& db, const ReciboEmision& r);
// Copies the editable columns of every staged row back to its receipt.
void EscribirEmisionEnRecibo(Database& db);

// What the form applies before showing or storing: amounts in whole cents, and "**" as
// check digits of an account given with wrong ones.
void NormalizarReciboEmision(ReciboEmision& r);
