#pragma once
#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>

#include "util/impuestos.h"
#include "util/moneda.h"

class CInmuebleSet;
class Database;
class RecordSet;

// One property row, column for column.
struct FichaInmueble {
    qint64 ref = 0;   // 0 while the property is not stored
    QString codref, via, direccion, piso, cp, localidad, arrendador, nom_arrendatario;
    QString doc_arrendatario_tipo, doc_arrendatario_num, nacionalidad_arrendatario;
    QDateTime fecha;
    Moneda renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
    bool is_recibo_banco = false, is_recibo_fisico = false, is_recibo_numerar = false;
    QString banco, sucursal, dc, ccc, telefono_casa, telefono_movil, notas;
    qint64 metros = 0, habitaciones = 0, cocina_ind = 0;
    QString refcatastral, email, direccioninquilino;
    bool is_seleccionado = false;
    int tipo_inmueble = 0;
    QString equipamiento, nota_recibo;
    QString iban, bic, mandato_ref;
    QDateTime mandato_fecha;   // signature
    QString mandato_tipo = QStringLiteral("RCUR");
    bool mandato_ultimo = false;
    bool operator==(const FichaInmueble&) const = default;
};

inline const QString kInmuebleSinPropietario = QStringLiteral("Debe seleccionar un propietario");
inline const QString kInmuebleSinDireccion = QStringLiteral("El inmueble debe tener una dirección");
inline const QString kDarDeAltaPropietario = QStringLiteral(
    "Antes de introducir un inmueble debe dar de alta al menos un propietario.");
inline const QString kPreguntaBorrarInmueble =
    QStringLiteral("Va a borrar este inmueble y sus recibos, \u00BFEstá seguro?");

// The twenty property types by index; a name outside the list is index 0.
const QStringList& ListaTiposInmueble();
QString NombreTipoInmueble(int indice);   // outside 0..19: "SIN ESPECIFICAR"
int IndiceTipoInmueble(const QString& nombre);
const QStringList& ListaDocumentosInquilino();

// Rent plus the three concepts, rounded to cents.
Moneda BaseImponible(const FichaInmueble& d);
// The plain sum of the six amounts.
Moneda TotalInmueble(const FichaInmueble& d);
// Every amount rounded to cents, as forms load and store them.
void RedondearImportes(FichaInmueble& d);
// The tax buttons: computes the tax into the row from its current amounts.
void AplicarImpuesto1(FichaInmueble& d, int porcentaje);
void AplicarImpuesto2(FichaInmueble& d, int porcentaje);
// The caption of a tax button: the tax's name with the rate it computes ("IVA 10%"). A rate
// already written at the end of the name is replaced, so that the caption never shows a
// rate other than the one applied.
QString RotuloImpuesto(const QString& nombre, int porcentaje);

// Amount typed in an edit; an unreadable text is refused naming the field.
Moneda LeerImporte(const QString& texto, const QString& campo);
QString TextoImporte(Moneda m);

// Contract date as the form shows it (DD/MM/YYYY) and back; unreadable text is refused.
QString TextoFechaContrato(const QDateTime& fecha);
QDate LeerFechaContrato(const QString& texto);
// The stored date-time when the text still shows its date, else the typed date at midnight.
QDateTime FechaContratoDesdeTexto(const QString& texto, const QDateTime& anterior);

// True when the four account fields are partly filled or of the wrong lengths.
bool LongitudCuentaIncorrecta(const QString& banco, const QString& sucursal, const QString& dc,
                              const QString& ccc);
bool CuentaVerifica(const FichaInmueble& d);
// Whether "Recibo Banco" may be switched on by a newly verified account.
bool CuentaConocidaBuena(const FichaInmueble& d);
// "Enviar Email" works only with an at sign after the first character.
bool EmailUtilizable(const QString& email);
QString DireccionCompleta(const FichaInmueble& d);   // "%s %s" of street type and street

// Refills the lookup tables `localidad` and `direccion` from the properties, one
// transaction; workspaces without those tables keep going with the lists read directly.
void RefrescarListas(Database& db);
QStringList Localidades(Database& db);
QStringList Direcciones(Database& db);

// The property the record set is on (or the one being edited).
FichaInmueble LeerInmueble(const RecordSet& rs);
// A new property: street type "CALLE", today's date, the three receipt flags on.
FichaInmueble NuevoInmueble();

// Stores the property the form holds. A new one (ref 0) is checked and stored whole: empty
// floor stored as " ". A stored one, which `rs` is editing, gets only the columns in
// `cambiados` (the fields the user changed; street, floor and owner never change), and
// nothing at all when that is empty. With what is written: an empty reference is filled
// from street and floor, amounts rounded, a changed account marked when it fails, and
// "Recibo Banco" set for a newly verified account unless the account was known good.
// Throws, with nothing written, on a refusal and on a row another program changed
// meanwhile (RowChangedError). The IBAN follows the account (or the account a typed IBAN);
// a changed tenant under an unchanged mandate empties the mandate (`mandatoVaciado` says so).
// Returns the property as stored.
FichaInmueble GuardarCambiosInmueble(CInmuebleSet& rs, const FichaInmueble& d,
                                     const QSet<QString>& cambiados, bool cuentaConocidaBuena,
                                     bool* mandatoVaciado = nullptr);
// The property `rs` is on, with its receipts and staged receipts: all or nothing.
void BorrarInmuebleActual(CInmuebleSet& rs);
