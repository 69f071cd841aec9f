#pragma once
// Where the direct-debit file's data comes from: the owner, the month's receipts charged
// to the bank, or one receipt built from a property.
#include <QDate>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "bank/fichero_cuaderno19.h"

class Database;
class Statement;

// The columns of `recibo` and `emision_recibo` a debit reads (18 of them), and their reader.
const char* ColumnasReciboBanco();
ReciboBanco LeerReciboBanco(const Statement& st);

// The owner as presenter and ordering party, with the account that receives the money.
struct PropietarioBanco {
    QString nombre, documento_numero, banco, sucursal, dc, ccc;
};

// The owner named `nombre` (letter case ignored); UserError
// "propietario erroneo no encontrado = " and the name when there is none.
PropietarioBanco BuscarPropietarioBanco(Database& db, const QString& nombre);

// A writer for the owner's file, created `creacion` and charged `cargo`.
std::unique_ptr<CFicheroCuaderno19> CrearFichero(const PropietarioBanco& p, const QDate& creacion,
                                                 const QDate& cargo, const AjustesBanco& ajustes);

// The receipts of `arrendador` billed in the month of `mes` and marked for direct debit,
// in `ref` order, whatever their account: the writer says which it must leave out.
std::vector<ReciboBanco> RecibosBancoDelMes(Database& db, const QString& arrendador, const QDate& mes);
// The selected rows of the staging table, in `ref` order.
std::vector<ReciboBanco> RecibosBancoEmision(Database& db);

// The single bank receipt of a property: what the property form's "Recibo Banco" shows.
struct ReciboBancoInmueble {
    ReciboBanco recibo;
    QString direccion, piso, localidad, arrendador, doc_arrendatario;
};
// Refuses a property without a complete account ("Primero debe introducir un número de
// cuenta") or with one of the wrong length ("La cuenta bancaria no tiene la longitud
// correcta."); the receipt is dated `hoy`.
ReciboBancoInmueble ReciboDesdeInmueble(Database& db, qint64 refInmueble, const QDate& hoy);
void ComprobarCuentaInmueble(const QString& banco, const QString& sucursal, const QString& dc,
                             const QString& ccc);

// What a remittance written by GenerarRemesa did.
struct ResultadoRemesa {
    int recibos = 0;
    Moneda total;
    std::vector<ReciboExcluido> excluidos;
    QList<qint64> escritos;   // the receipts in the file, in file order
};

// The receipts `refs` now sent to the bank: state "ENVIADO AL COBRO" and collection date
// `cargo`, all in one transaction or none. Called only once their file is written.
void MarcarEnviadosAlCobro(Database& db, const QList<qint64>& refs, const QDate& cargo);
// The refs of the receipts a writer kept (every one added but those it left out).
QList<qint64> RefsEscritos(const std::vector<ReciboBanco>& anadidos, const std::vector<ReciboExcluido>& excluidos);

// The owner's direct-debit file of the month `mes` at `ruta` (and its listing as PDF at
// `listadoPdf` when given): both written whole or neither. With `marcar`, once both are
// written the receipts in the file turn "ENVIADO AL COBRO" charged on `cargo`; if that fails
// the files are removed again. Otherwise nothing changes in the workspace.
// Refuses a month without such receipts, a file in which no receipt is left, and outputs
// that are the workspace (or its side files) or the same file twice.
ResultadoRemesa GenerarRemesa(Database& db, const QString& arrendador, const QDate& mes,
                              const QDate& creacion, const QDate& cargo, const AjustesBanco& ajustes,
                              const QString& ruta, const QString& listadoPdf = QString(),
                              bool marcar = false);
