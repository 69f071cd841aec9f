#pragma once
// The CSV billing export: a header line and one line of 21 fields per staged receipt.
#include <QByteArray>
#include <QString>

#include "util/errores.h"
#include "util/moneda.h"

class Database;
struct FiltroInforme;
struct ReciboInforme;

enum class CodificacionCsv {
    Cp1252,       // what spreadsheets and accounting programs reading these files expect
    Utf8ConBom,   // for texts the code page cannot hold
};

// A receipt holds a character that code page 1252 has not: the message names the receipt,
// the field and the character, and offers UTF-8. Nothing was written.
class CaracterFueraCp1252 : public UserError {
public:
    using UserError::UserError;
};

struct ResultadoExportacion {
    int recibos = 0;
    Moneda total;   // sum of the TOTAL column
};

// The header line, without its LF.
QString CabeceraCsv();
// One receipt's line, without its LF: fields 1 and 2 bare, the rest between double quotes
// with inner quotes doubled (RFC 4180); commas and line breaks stay inside the quotes.
QString LineaCsv(const ReciboInforme& r);

// The staged receipts, in staged order, as the file's bytes.
QByteArray CsvFacturacion(Database& db, CodificacionCsv codificacion, ResultadoExportacion* resultado = nullptr);

// Writes CsvFacturacion to `ruta` whole or not at all.
ResultadoExportacion EscribirCsvFacturacion(Database& db, const QString& ruta, CodificacionCsv codificacion);

// Stages the receipts of the filter (report order, the VAT check ignored) and writes them;
// an empty selection writes the header alone.
ResultadoExportacion ExportarFacturacion(Database& db, const FiltroInforme& filtro, const QString& ruta,
                                         CodificacionCsv codificacion);
