#pragma once
// The text and CSV files the reports write, each whole or not at all (see data/archivo_atomico.h).
// A failure throws UserError with " Error al escribir el archivo debido a: " and the cause,
// naming the file; the old file stays as it was.
#include <QByteArray>
#include <QString>

inline const QString kErrorEscribirArchivo = QStringLiteral(" Error al escribir el archivo debido a: ");

void EscribirArchivo(const QString& ruta, const QByteArray& contenido);
