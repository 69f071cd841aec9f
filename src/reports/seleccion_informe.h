#pragma once
// The receipts of the billing report and the CSV export: the filter of their dialogs, the
// copy into the staging table `emision_recibo` in report order, and the staged rows read
// back in that order.
#include <QDate>
#include <QString>
#include <functional>

#include "data/emision.h"

class Database;
class Statement;

inline const QString kTodos = QStringLiteral("TODOS");
inline const QString kSinRecibosPeriodo = QStringLiteral("No hay recibos para este periodo de tiempo");

// A filter field that is empty or reads "TODOS" is not chosen.
bool FiltroElegido(const QString& texto);

// The fields of the report and export dialogs (and of rentiva-cli informe / exportar).
struct FiltroInforme {
    QDate desde = {};   // first day of the first month
    QDate hasta = {};   // any day of the last month
    // As typed; compared ignoring case.
    QString propietario = {}, localidad = {}, direccion = {}, piso = {};
    bool soloIva = false;                                // only receipts whose first tax is > 0
};

// "INFORME FACTURACIÓN - 1 de ENERO del 2010 al 31 de DICIEMBRE del 2010."
QString TituloInforme(const FiltroInforme& f);
// With a floor: the street text as typed (even "TODOS"), a blank and the floor; else the
// street; else the owner; else empty. The town never shows.
QString SubtituloInforme(const FiltroInforme& f);

enum class OrdenInforme {
    Inmueble,    // owner, town, street, floor, date
    Inquilino,   // owner, tenant, town, street, floor, date
};

// Empties emision_recibo and copies into it, in report order, the receipts billed from the
// first day of `desde`'s month up to (not including) the first day after `hasta`'s month,
// at any hour, that match the chosen fields. One savepoint; returns the rows copied.
int SeleccionarRecibos(Database& db, const FiltroInforme& f, OrdenInforme orden);

// A staged receipt with what the listing, the views and the CSV file show. NULL amounts read 0.
struct ReciboInforme {
    qint64 numero_recibo = 0;
    QDate fecha_facturacion;
    QString arrendador, localidad, direccion, piso;
    QString nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num;
    ImportesRecibo importes;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
    QString banco, sucursal, dc, ccc;
    bool is_recibo_banco = false, is_recibo_fisico = false, is_recibo_numerar = false;
    QString notas;
};

enum class CamposSeleccion {
    Todos,
    Listado,   // up to the amounts: concepts, account, flags and notes stay empty
};

// Every staged row in the order it was staged (not by ref).
void RecorrerSeleccion(Database& db, const std::function<void(const ReciboInforme&)>& porRecibo,
                       CamposSeleccion campos = CamposSeleccion::Todos);

// The same rows undecoded, for readers that turn columns straight into their output: the
// statement's columns, in this order, are ReciboInforme's fields, numero_recibo to notas.
enum ColumnaSeleccion : int {
    kColNumero, kColFecha, kColArrendador, kColLocalidad, kColDireccion, kColPiso,
    kColArrendatario, kColDocTipo, kColDocNumero, kColRenta, kColImporte1, kColImporte2,
    kColImporte3, kColIva, kColIrpf, kColConcepto1, kColConcepto2, kColConcepto3, kColBanco,
    kColSucursal, kColDc, kColCcc, kColReciboBanco, kColReciboFisico, kColNumerar, kColNotas,
};
void RecorrerFilasSeleccion(Database& db, const std::function<void(const Statement& fila)>& porFila,
                            CamposSeleccion campos = CamposSeleccion::Todos);
// The row as RecorrerSeleccion reads it.
void LeerReciboInforme(const Statement& fila, ReciboInforme& r);
// The billing date of a stored "YYYY-MM-DD HH:MM:SS"; invalid for anything else.
QDate FechaGuardada(QByteArrayView texto);

// Equal ignoring case (Spanish letters too), as the report orders and groups its rows.
bool MismoValor(const QString& a, const QString& b);

// The six amounts added column by column.
void SumarImportes(ImportesRecibo& suma, const ImportesRecibo& mas);
