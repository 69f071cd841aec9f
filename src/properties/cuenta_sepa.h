#pragma once
// The direct-debit fields the owner and property cards share: the account as IBAN and BIC
// beside its four Spanish fields, and on the property the tenant's mandate.
#include <QDate>
#include <QSet>
#include <QString>

class Database;

// After an edit, the six account columns as they are stored: IBAN and BIC normalised, the
// CCC and the IBAN in step (ArmonizarCuenta; the IBAN wins when it is among `cambiados`).
// Refuses (UserError naming the field) an IBAN or a BIC that is not valid.
void ArmonizarCuentaFicha(QString& banco, QString& sucursal, QString& dc, QString& ccc,
                          QString& iban, QString& bic, const QSet<QString>& cambiados);

// The mandate columns of a property.
const QSet<QString>& ColumnasMandato();
inline const QString kMandatoRecurrente = QStringLiteral("RCUR");
inline const QString kMandatoUnico = QStringLiteral("OOFF");

// Refuses a mandate reference outside the SEPA identifier set and one that another property
// of the same owner already has: references are unique per creditor.
void ComprobarMandato(Database& db, const QString& arrendador, const QString& direccion,
                      const QString& piso, const QString& mandatoRef);

// What the property card says when the tenant changed under a mandate.
inline const QString kMandatoNuevoInquilino = QStringLiteral(
    "Ha cambiado el inquilino: el mandato de adeudo firmado por el anterior no sirve para él. "
    "Se han vaciado los datos del mandato; recoja la firma del nuevo inquilino y escriba su "
    "referencia y su fecha.");
