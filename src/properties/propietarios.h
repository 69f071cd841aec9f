#pragma once
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantHash>
#include <optional>

#include "util/nif.h"

class CPropietarioSet;
class Database;
class RecordSet;

// One owner row, column for column.
struct FichaPropietario {
    qint64 ref = 0;   // 0 while the owner is not stored
    QString via, direccion, piso, cp, localidad, nombre, documento_tipo, documento_numero;
    QString banco, sucursal, dc, ccc, telefono_casa, telefono_movil, notas;
    qint64 numero_recibo = 0;
    qint64 sufijo = 0;
    QString datos_banco;
    QString iban, bic, id_acreedor;
    bool operator==(const FichaPropietario&) const = default;
};

inline const QString kPropietarioSinNombre = QStringLiteral("El propietario debe tener un nombre");
inline const QString kPropietarioRepetido = QStringLiteral("Ya existe un propietario con ese nombre");
inline const QString kPreguntaBorrarPropietario = QStringLiteral(
    "Va a borrar este propietario y todos sus inmuebles  y recibos, \u00BFEstá seguro?");

// Street types offered by the owner and property forms, in this order.
const QStringList& ListaVias();
const QStringList& ListaDocumentosPropietario();

// NormalizarDocumento (util/nif.h): the identity number without separators, in capitals.
// The check digits to show and store: "**" when an account is given and does not verify.
QString MarcarDc(const QString& banco, const QString& sucursal, const QString& dc,
                 const QString& ccc);
// The columns of a bank account, the four Spanish fields, IBAN and BIC: stored together,
// since the check digits and the IBAN follow the rest.
const QSet<QString>& ColumnasCuenta();
// The owner as it is stored: document normalised, a failed account marked.
FichaPropietario NormalizarPropietario(FichaPropietario d);
// True when the form should remind the user to give an account for direct debits.
bool FaltaCuentaPropietario(const FichaPropietario& d);

// The owner the record set is on (or the one being edited).
FichaPropietario LeerPropietario(const RecordSet& rs);
// The owner with `nombre`, compared without regard to case or Spanish accents.
std::optional<FichaPropietario> BuscarPropietario(Database& db, const QString& nombre);
// Every owner name, sorted as the user reads them.
QStringList NombresPropietarios(Database& db);

// Stores the owner the form holds. A new one (ref 0) is stored whole; a stored one, which
// `rs` is editing, gets only the columns in `cambiados` (the fields the user changed; its
// name never changes). Throws, with nothing written, on an empty or repeated name and on a
// row another program changed meanwhile (RowChangedError). Returns the owner as stored.
FichaPropietario GuardarCambiosPropietario(CPropietarioSet& rs, const FichaPropietario& d,
                                           const QSet<QString>& cambiados);
// The owner `rs` is on, with its receipts, staged receipts and properties: all or nothing.
void BorrarPropietarioActual(CPropietarioSet& rs);
