#pragma once
// The issue flows of the billing runs list: review, listing, paper receipts and the bank
// file. Each owns the staging table from its first statement to its end and tells the
// user of every refusal over `parent`.
#include <QDate>
#include <functional>
#include <vector>

#include "bank/remesa.h"

class Database;
class QWidget;

// "Modificar" (or a double-click): the run's receipts reviewed, written back, printed.
void RevisarFacturacion(QWidget* parent, Database& db, const QDate& mes);
// "Ver": the run's listing in the report viewer.
void VerFacturacion(QWidget* parent, Database& db, const QDate& mes);
// "Imprimir Recibos Fisicos": one owner's or every owner's paper receipts.
void ImprimirRecibosFisicos(QWidget* parent, Database& db, const QDate& mes);

// One owner's receipts of a run, confirmed on the bank-mode form, thinned and written back:
// what a bank file writer takes.
struct EmisionBanco {
    PropietarioBanco propietario;
    QDate facturacion, cobro;
    std::vector<ReciboBanco> recibos;
};
// Writes the file of `e` where the user chooses and, once it is written, marks the receipts
// it holds "ENVIADO AL COBRO" (MarcarEnviadosAlCobro). True when written.
using EscritorBanco = std::function<bool(QWidget* parent, Database& db, const EmisionBanco& e)>;

// The steps every bank file of a run shares: the issue dialog (one owner, charge date), the
// owner check, the offer to fix accounts billed wrong, the bank staging, the bank-mode
// form, thinning and the short write-back; then `escribir`. Nothing is marked here.
void FicheroBancoFacturacion(QWidget* parent, Database& db, const QDate& mes, const EscritorBanco& escribir);
// "Fichero SEPA (XML)": the issue dialog, then the SEPA flow over the owner's direct debits
// (whatever their CCC: a foreign IBAN has none), reviewed on the bank-mode form.
void FicheroSepaFacturacion(QWidget* parent, Database& db, const QDate& mes);
// The writer of "Fichero Recibos Banco": the Cuaderno 19 file and its listing.
bool EscribirCuaderno19(QWidget* parent, Database& db, const EmisionBanco& e);
