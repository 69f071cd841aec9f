#pragma once
// A property and its owner as the documents read them: contracts, letters and templates.
#include <QDate>
#include <QString>
#include <optional>

#include "data/emision.h"

class Database;
class RecordSet;

// Texts stored as a single space (or blank) read as empty.
QString TextoLimpio(const QString& s);
// The non-empty parts, trimmed, joined by one space.
QString UnirConEspacio(const QString& a, const QString& b);
// "banco sucursal dc ccc" when all four are set, else empty.
QString CuentaCompleta(const QString& banco, const QString& sucursal, const QString& dc, const QString& ccc);

// An owner row as stored.
struct PropietarioDocumento {
    QString nombre, via, direccion, piso, cp, localidad, documentoTipo, documentoNumero;
    QString telefono, banco, sucursal, dc, ccc;
};
// The first owner, in table order, whose name matches ignoring case (Spanish letters too).
std::optional<PropietarioDocumento> LeerPropietarioDocumento(Database& db, const QString& nombre);

// What the letters and the template fields take from one property row and its owner. Texts
// are as stored (a single space stays one); "today" is the caller's.
struct DatosPlantilla {
    QDate hoy;
    qint64 ref = 0;
    QString via, direccion, piso, localidad, cp, refcatastral;
    QDate fecha;   // the contract date (null when the row has none)
    QString arrendador;
    QString inquilino, direccionInquilino, email, telefonoCasa, telefonoMovil;
    QString banco, sucursal, dc, ccc;
    QString docTipo, docNumero, nacionalidad;
    ImportesRecibo importes;
    QString concepto1, concepto2, concepto3;
    // The owner named in `arrendador`. When missing, texts are single spaces and the
    // telephone and account parts empty, so that a template is still filled.
    bool hayPropietario = false;
    PropietarioDocumento propietario;
};

// The row `fila` is on (a property set over `inmueble` or `informe_inmueble`) and its owner.
DatosPlantilla DatosPlantillaDe(Database& db, const RecordSet& fila, const QDate& hoy);
// Property `ref`. Refuses a property that does not exist.
DatosPlantilla LeerDatosPlantilla(Database& db, qint64 ref, const QDate& hoy);
// As LeerDatosPlantilla, and refuses a missing owner ("propietario erroneo no encontrado = "):
// a letter is never written without its sender.
DatosPlantilla LeerDatosCarta(Database& db, qint64 ref, const QDate& hoy);
