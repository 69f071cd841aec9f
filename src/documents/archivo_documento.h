#pragma once
// Reading contract models and writing the documents made from them: whole files, the reason
// of a failure in Spanish, and new names that never replace an earlier document.
#include <QByteArray>
#include <QDate>
#include <QString>

// Why a file could not be read or written.
enum class CausaArchivo {
    Ninguna, Generica, NoEncontrado, RutaIncorrecta, DemasiadosAbiertos, AccesoDenegado,
    ManejadorInvalido, DirectorioActual, DirectorioLleno, Posicionamiento, Hardware,
    Comparticion, Bloqueo, DiscoLleno, FinDeArchivo, Otra,
};
QString TextoCausaArchivo(CausaArchivo causa);

// The whole file. Throws UserError(" Error al leer el archivo debido a: " + cause).
QByteArray LeerArchivoDocumento(const QString& ruta);

// Writes the file whole: a temporary file beside it, renamed over it once complete, so a
// failure leaves no partial file. Throws UserError(" Error al escribir el archivo debido a: "
// + cause).
void EscribirArchivoDocumento(const QString& ruta, const QByteArray& datos);

// A path in `carpeta` (created when missing) that no file has yet: "base.ext", then
// "base (2).ext", "base (3).ext"... Characters that cannot stand in a file name become "_".
QString RutaDocumentoNueva(const QString& carpeta, const QString& base, const QString& extension);

// "Contrato AAAA-MM-DD" for the base of a new contract file made on `hoy`.
QString NombreContrato(const QDate& hoy);
