#pragma once
// The SEPA flow of a billing run: "Fichero SEPA (XML)" beside "Fichero Recibos Banco".
#include <QDate>
#include <QString>
#include <functional>

class Database;
class QWidget;

// Stages the owner's direct-debit receipts of the month whatever their account, lets
// `seleccionar` (the selection form in its bank mode with its write-back; none: every staged
// receipt goes) leave receipts out or correct them, checks them all and shows each failure,
// or asks where to save; writes the file atomically and only then, in one transaction, marks
// the receipts "ENVIADO AL COBRO" with the charge date and their sequence types; last, the
// copies form and the listing. Every problem is shown over `parent`. True when the file was
// written and the receipts marked.
bool EjecutarFicheroSepa(QWidget* parent, Database& db, const QString& propietario, const QDate& mes,
                         const QDate& cargo, const std::function<bool()>& seleccionar = {});

// The title of the flow's windows.
inline QString TituloFicheroSepa() { return QStringLiteral("Fichero SEPA (XML)"); }
