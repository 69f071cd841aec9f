#pragma once
#include <QDate>
#include <QString>
#include <optional>

#include "receipts/impresion_recibo.h"

class Database;
class Statement;
struct ReciboEmision;

// The owner fields the receipt layouts print.
struct DatosPropietario {
    QString nombre, via, direccion, piso, cp, localidad;
    QString documento_tipo, documento_numero, telefono_casa;
    QString Documento() const { return documento_tipo + u' ' + documento_numero; }
};

// The owner named `nombre`, compared without regard to letter case; none when missing.
std::optional<DatosPropietario> BuscarDatosPropietario(Database& db, const QString& nombre);

// " Domiciliación bancaria: BANCO SUCURSAL DC CUENTA" (with its leading space).
QString TextoDomiciliacion(const QString& banco, const QString& sucursal, const QString& dc,
                           const QString& ccc);

// The columns LlenarDesdeFila reads, in its order, for a table aliased `r` (`recibo` or
// `emision_recibo`).
extern const char* const kColumnasReciboImpresion;

// Fills a record from a staged or stored receipt row selected with kColumnasReciboImpresion:
// as a receipt band (`factura` false: number as digits, payment domicile from the row's
// account) or as an invoice (number grouped with ".", owner's telephone). Refuses a row
// whose owner is missing with "propietario erróneo no encontrado = " and the name.
void LlenarDesdeFila(CImpresionRecibo& r, Database& db, const Statement& fila, bool factura);

// The receipt being edited in the receipt modification form, as its two print buttons
// print it: `a4` false for "Imprimir Recibo/Factura" (receipt layout), true for "Imprimir
// Factura tamaño A4" (invoice layout). Amounts, concepts, tenant document and number come
// from the form; town, cadastral reference and tenant address from the staged row.
CImpresionRecibo ReciboModificado(Database& db, const ReciboEmision& form, bool a4,
                                  const AjustesRecibo& ajustes);

// The property `ref_inmueble` as a receipt for `fecha` without storing anything, in the
// layout `modelo` (1 receipt band, 2 full-page invoice). Refuses a missing property and a
// missing owner.
CImpresionRecibo ReciboDeInmueble(Database& db, qint64 ref_inmueble, const QDate& fecha, int modelo,
                                  const AjustesRecibo& ajustes);
