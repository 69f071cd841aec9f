#pragma once
// The files the reports write, each whole or not at all: written beside the target and
// renamed over it once complete. A failure throws UserError with " Error al escribir el
// archivo debido a: " and the cause, naming the file; the old file stays as it was.
#include <QByteArray>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

inline const QString kErrorEscribirArchivo = QStringLiteral(" Error al escribir el archivo debido a: ");

void EscribirArchivo(const QString& ruta, const QByteArray& contenido);

// An A4 PDF without margins, drawn by `dibujar`.
void EscribirPdf(const QString& ruta, const QString& titulo,
                 const std::function<void(QPainter&, QPagedPaintDevice&)>& dibujar);

// Refuses an output that is the workspace file or one of its journals (by file identity:
// another path, a symbolic or a hard link to it count too).
void ComprobarSalida(const QString& salida, const QString& workspace);
