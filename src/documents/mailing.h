#pragma once
// Template documents for many properties: the staging of the chosen properties and the
// composing of one filled copy of a template per property.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "documents/datos_documento.h"

class Database;
class QTextDocument;
class RecordSet;

// Stages the properties `refs` in `informe_inmueble`, in this order, in one transaction.
// Refuses a ref that does not exist (naming it), leaving the table as it was.
void PrepararInformeInmuebles(Database& db, const QList<qint64>& refs);

// Every property's ref in list order (the index order of `inmueble`).
QList<qint64> RefsInmuebles(Database& db);

// How composing went.
struct Composicion {
    int copias = 0;
    QStringList avisos;   // owners not found, one message each
    QString error;        // the database or file error that stopped it; empty when it ended
};

// One filled copy of `plantilla` per row of `filas` (a property set), in the rows' order:
// `copia` receives each filled copy. A database error, or a UserError thrown by `copia`,
// stops it: the copies made stay, and the error is in the result.
Composicion RecorrerCopias(const QTextDocument& plantilla, Database& db, RecordSet& filas, const QDate& hoy,
                           const std::function<void(const QTextDocument& copia, const DatosPlantilla& d)>& copia);

// Replaces the content of `destino` by the copies of RecorrerCopias, each starting on a
// new page: n copies give n pages, none gives an empty document. Never uses the clipboard.
Composicion ComponerDocumento(QTextDocument& destino, const QTextDocument& plantilla, Database& db,
                              RecordSet& filas, const QDate& hoy);

// Writes each copy as its own RTF file into `carpeta` (created when missing), named by
// NombreArchivoCopia, replacing a file of that name.
Composicion ComponerArchivos(const QString& carpeta, const QTextDocument& plantilla, Database& db,
                             RecordSet& filas, const QDate& hoy);

// "NNNN_REF_ADDRESS.rtf": n from 1 in four digits, the ref, the address and floor with
// spaces and characters a file name cannot hold as "_".
QString NombreArchivoCopia(int n, const DatosPlantilla& d);
