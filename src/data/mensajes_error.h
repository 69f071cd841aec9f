#pragma once
// The one place where failures of SQLite and of the file system become Spanish sentences
// that name the file and say what to do. The engine's own text may follow in parentheses.
#include <QString>

enum class AccionArchivo { Leer, Escribir };

// errnum: an errno value (ENOSPC, EACCES, EROFS ...).
QString MensajeErrorArchivo(int errnum, const QString& ruta, AccionArchivo accion);

// codigo: an SQLite result code, extended or primary; detalle: SQLite's own message.
QString MensajeErrorSqlite(int codigo, const QString& ruta, const QString& detalle);
