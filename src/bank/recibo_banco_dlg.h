#pragma once
#include <QDialog>
#include <functional>

#include "bank/remesa.h"

class Database;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPrinter;

// "Recibo": the one receipt of a property charged to its tenant's account, shown for review
// before its direct-debit file is written. Address, names and references stay the property's;
// number, dates, concepts, amounts and account are taken as reviewed.
class CReciboBancoDlg : public QDialog {
    Q_OBJECT
public:
    // `db` is the open workspace the receipt's property and owner come from (for printing).
    CReciboBancoDlg(QWidget* parent, Database& db, const ReciboBancoInmueble& datos,
                    const QString& docArrendador);

    // The reviewed receipt; valid after the form was confirmed with "&Generar Fichero".
    const ReciboBanco& Recibo() const { return m_recibo; }
    QDate FechaEmision() const;
    QDate FechaCobro() const;
    // Reads the form into `r`; the Spanish reason when a field cannot be read.
    QString Leer(ReciboBanco& r) const;

    QLineEdit* Importe(int i) const { return m_importes[i]; }   // renta, 3 concepts, tax 1, tax 2
    QLineEdit* Concepto(int i) const { return m_conceptos[i]; }
    QLineEdit* Numero() const { return m_numero; }
    QLineEdit* Cuenta(int i) const { return m_cuenta[i]; }      // bank, branch, dc, account
    QLabel* Total() const { return m_total; }

public slots:
    void accept() override;
    void ActualizarTotal();
    // "&Imprimir": the receipt as the property form's "Recibo Físico" prints it (owner's
    // address and document, tenant's document with its type) with what the form shows
    // (number with dots, dates, amounts, concepts, account as payment domicile), on the
    // printer chosen in the print dialog (`impresora` for tests); colour as the printer.
    void Imprimir(QPrinter* impresora = nullptr);

private:
    Database& m_db;
    ReciboBancoInmueble m_datos;
    QString m_docArrendador;
    ReciboBanco m_recibo;
    QLineEdit* m_numero;
    QDateEdit* m_emision;
    QDateEdit* m_cobro;
    QLineEdit* m_importes[6];
    QLineEdit* m_conceptos[3];
    QLineEdit* m_cuenta[4];
    QLabel* m_total;
};

// The property form's "Recibo Banco": checks the property's account, shows the receipt for
// review, writes the direct-debit file where the user chooses and offers its listing.
// Changes nothing in the workspace. Every refusal is shown over `parent`.
void GenerarReciboBanco(QWidget* parent, Database& db, qint64 refInmueble);

// The end of both direct-debit flows: names the receipts left out (and asks whether to go
// on), asks where to save (proposing a file in the documents folder named after the owner
// and `mes`), writes the file and offers the listing. `listadoConCeroCopias` shows the print
// dialog even for 0 copies (the property's flow). A chosen file that is the open workspace
// `workspace` (or one of its side files) is refused. `trasEscribir`, when given, runs once
// the file is written (the runs list marks its receipts there); if it throws, the file is
// removed again and the error shown. True when the file was written (and `trasEscribir` ran).
bool GuardarFicheroBanco(QWidget* parent, const QString& workspace, const CFicheroCuaderno19& fichero,
                         const QString& propietario, const QDate& mes, bool listadoConCeroCopias,
                         const std::function<void()>& trasEscribir = {});
