#pragma once
// The workspace layout: tables, column widths, upgrade and file marks.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <span>

class Database;

// PRAGMA application_id of every workspace ("RTVA"); user_version numbers the layout.
constexpr int kAplicacionId = 0x52545641;
constexpr int kVersionEsquema = 5;
constexpr int kLongitudTelefono = 20;
constexpr int kLongitudIban = 34;
constexpr int kLongitudBic = 11;
constexpr int kLongitudMandato = 35;   // mandate reference and creditor identifier

enum class TipoColumna { Contador, Texto, TextoLargo, FechaHora, Moneda, Bit, Entero };

struct Columna {
    const char* nombre;
    TipoColumna tipo;
    int ancho = 0;          // characters, for Texto; 0 = no limit
    bool noNulo = false;
    bool sinCaso = false;   // compared and sorted ignoring case, Spanish letters too (es_fold)
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

// How the column sorts, its name quoted: es_orden("columna") for text columns (case and
// accents ignored, ñ after n), "columna" otherwise. The file holds no collation of ours;
// unique columns compared ignoring case keep their folded text in "clave_<columna>".
QString ExpresionOrden(const QString& tabla, const QString& columna);

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

// "El archivo ... no es un archivo de Rentiva."
QString MensajeNoEsWorkspace(const QString& ruta);
