#pragma once
// The staging table `emision_recibo`, through which receipts are issued, printed, edited,
// reported and exported, and the staged receipt as forms see it.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>

#include "util/moneda.h"

class Database;

// The six amounts of a property or a receipt. The total is their plain sum
// (the withholding is stored negative) and is never stored.
struct ImportesRecibo {
    Moneda renta, otro_importe1, otro_importe2, otro_importe3, iva, irpf;
    Moneda Total() const { return renta + otro_importe1 + otro_importe2 + otro_importe3 + iva + irpf; }
};

// One staged receipt as the modification form shows it.
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

// The copy names every column: recibo and emision_recibo do not keep their columns in the
// same order, so a positional copy would mix them up.
void VaciarEmision(Database& db);
// Appends the given receipts to emision_recibo in the order of refs, ticked or not.
// Returns how many were copied (a ref with no receipt is skipped).
int CopiarRecibosAEmision(Database& db, const QList<qint64>& refs, bool seleccionado = true);
// Appends the receipts matching condicion (SQL over recibo with ?1.. bound to valores),
// in the given ORDER BY (empty: by ref). condicion and orden are written by code, never by users.
int CopiarRecibosAEmision(Database& db, const QString& condicion, const QVariantList& valores,
                          const QString& orden = QString(), bool seleccionado = true);
