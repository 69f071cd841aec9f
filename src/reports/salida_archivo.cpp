#include "reports/salida_archivo.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <filesystem>

#include "util/errores.h"

namespace {

[[noreturn]] void Fallo(const QSaveFile& f, const QString& ruta)
{
    QString causa;
    switch (f.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        causa = QStringLiteral("no se puede crear el archivo %1. Compruebe que la carpeta existe y que "
                               "puede escribir en ella.");
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        causa = QStringLiteral("no se ha podido escribir el archivo %1. Compruebe que queda espacio en "
                               "el disco.");
        break;
    default:
        causa = QStringLiteral("no se ha podido guardar el archivo %1. Elija otra carpeta o nombre.");
        break;
    }
    throw UserError(kErrorEscribirArchivo + causa.arg(ruta));
}

}  // namespace

void EscribirArchivo(const QString& ruta, const QByteArray& contenido)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        Fallo(f, ruta);
    if (f.write(contenido) != contenido.size() || !f.commit())
        Fallo(f, ruta);
}

void EscribirPdf(const QString& ruta, const QString& titulo,
                 const std::function<void(QPainter&, QPagedPaintDevice&)>& dibujar)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        Fallo(f, ruta);
    {
        QPdfWriter pdf(&f);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setCreator(QStringLiteral("Rentiva"));
        pdf.setTitle(titulo);
        QPainter p;
        if (!p.begin(&pdf))
            Fallo(f, ruta);
        dibujar(p, pdf);   // a throw drops the unfinished file with f
        p.end();
    }
    if (!f.commit())
        Fallo(f, ruta);
}

void ComprobarSalida(const QString& salida, const QString& workspace)
{
    namespace fs = std::filesystem;
    const fs::path destino(salida.toStdString());
    for (const char* sufijo : {"", "-journal", "-wal", "-shm"}) {
        std::error_code ec;
        if (fs::equivalent(destino, fs::path((workspace + QLatin1String(sufijo)).toStdString()), ec))
            throw UserError(QStringLiteral("El archivo de salida %1 es el archivo de trabajo abierto (o su "
                                           "diario). Elija otro nombre para la salida.").arg(salida));
    }
}
