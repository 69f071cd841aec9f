#pragma once
// The workspace layout: tables, upgrade, file marks, date literals and the staging copy.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <span>

class Database;

// PRAGMA application_id of every workspace ("RTVA"); user_version numbers the layout.
constexpr int kAplicacionId = 0x52545641;
constexpr int kVersionEsquema = 1;
constexpr int kLongitudTelefono = 20;

enum class TipoColumna { Contador, Texto, TextoLargo, FechaHora, Moneda, Bit, Entero };

struct Columna {
    const char* nombre;
    TipoColumna tipo;
    int ancho = 0;          // characters, for Texto; 0 = no limit
    bool noNulo = false;
    bool sinCaso = false;   // compared ignoring case, Spanish letters included (ES_NOCASE)
};

struct Tabla {
    const char* nombre;
    std::span<const Columna> columnas;
    const char* restriccion;   // "CONSTRAINT ... PRIMARY KEY (...)" or nullptr
    bool refEsFila = false;    // ref is the row id and numbers itself
};

// The nine tables in creation order (informe_inmueble is a copy of inmueble's columns).
std::span<const Tabla> TablasEsquema();
const Tabla* BuscarTabla(const QString& nombre);
QStringList NombresColumnas(const QString& tabla);

// Width of a text column in characters; 0 when the column has no limit or is not text.
int AnchoColumna(const QString& tabla, const QString& columna);
// The message for a text longer than its column; empty when the text fits.
QString ErrorAncho(const QString& tabla, const QString& columna, const QString& valor);
// Throws UserError with ErrorAncho's text when valor does not fit.
void ComprobarAncho(const QString& tabla, const QString& columna, const QString& valor);

// Creates every table, the default concepts, the sort indexes and the file marks on a new,
// empty database, then runs the upgrade. All or nothing; throws DbError on failure.
void CrearTablas(Database& db);

// Brings a workspace of an earlier layout of ours up to date: steps keyed by user_version,
// each harmless when it has nothing to do, all inside one savepoint. Every run also empties
// informe_inmueble (rebuilt with inmueble's current columns), leaves ReciboIndex unique on
// recibo(ref) and removes Emision_reciboIndex. A failure is thrown and nothing is changed.
void ActualizarEsquema(Database& db);

// A new workspace at ruta; refuses an existing file. Throws UserError/DbError.
Database CrearWorkspace(const QString& ruta);
// Opens a workspace of ours and upgrades it. A missing, foreign or damaged file is refused
// with a Spanish UserError and left exactly as it was.
Database AbrirWorkspace(const QString& ruta);
// True when the file carries our mark (read from its header without opening it).
bool EsWorkspace(const QString& ruta);

// An SQL literal for a date in the form DATETIME columns store ('YYYY-MM-DD 00:00:00');
// NULL for an invalid date, which never compares equal. Prefer bound values.
QString FechaSql(const QDate& fecha);

// A month as a half-open range of stored dates: desde <= fecha < hasta.
struct RangoFechas {
    QString desde;
    QString hasta;
};
RangoFechas RangoMes(int anio, int mes);

// The staging table. The copy names every column: recibo and emision_recibo do not keep
// their columns in the same order, so a positional copy would mix them up.
void VaciarEmision(Database& db);
// Appends the given receipts to emision_recibo in the order of refs, ticked or not.
// Returns how many were copied (a ref with no receipt is skipped).
int CopiarRecibosAEmision(Database& db, const QList<qint64>& refs, bool seleccionado = true);
// Appends the receipts matching condicion (SQL over recibo with ?1.. bound to valores),
// in the given ORDER BY (empty: by ref). condicion and orden are written by code, never by users.
int CopiarRecibosAEmision(Database& db, const QString& condicion, const QVariantList& valores,
                          const QString& orden = QString(), bool seleccionado = true);
