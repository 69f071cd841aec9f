#include "documents/archivo_documento.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "util/errores.h"

namespace {

UserError ErrorEscritura(CausaArchivo c)
{
    return UserError(QStringLiteral(" Error al escribir el archivo debido a: ") + TextoCausaArchivo(c));
}

UserError ErrorLectura(CausaArchivo c)
{
    return UserError(QStringLiteral(" Error al leer el archivo debido a: ") + TextoCausaArchivo(c));
}

// The folder a new file would go to, judged before Qt's generic open error hides why.
CausaArchivo CausaCarpeta(const QString& ruta)
{
    const QFileInfo carpeta(QFileInfo(ruta).absolutePath());
    if (!carpeta.exists() || !carpeta.isDir())
        return CausaArchivo::RutaIncorrecta;
    if (!carpeta.isWritable())
        return CausaArchivo::AccesoDenegado;
    return CausaArchivo::Ninguna;
}

}  // namespace

QString TextoCausaArchivo(CausaArchivo causa)
{
    switch (causa) {
    case CausaArchivo::Ninguna: return QStringLiteral("   No se ha producido ningún error.");
    case CausaArchivo::Generica: return QStringLiteral("   Se ha producido un error no especificado.");
    case CausaArchivo::NoEncontrado: return QStringLiteral("    No se ha encontrado el archivo.");
    case CausaArchivo::RutaIncorrecta:
        return QStringLiteral("    La ruta del archivo no es válida, toda o en parte.");
    case CausaArchivo::DemasiadosAbiertos:
        return QStringLiteral("   Se ha superado el número de archivos abiertos permitido.");
    case CausaArchivo::AccesoDenegado: return QStringLiteral("   No se ha podido acceder al archivo.");
    case CausaArchivo::ManejadorInvalido:
        return QStringLiteral("   Se ha intentado usar un descriptor de archivo no válido.");
    case CausaArchivo::DirectorioActual:
        return QStringLiteral("   No se puede eliminar el directorio de trabajo actual.");
    case CausaArchivo::DirectorioLleno: return QStringLiteral("   No caben más entradas en el directorio.");
    case CausaArchivo::Posicionamiento:
        return QStringLiteral("   Se ha producido un error al situar la posición en el archivo.");
    case CausaArchivo::Hardware: return QStringLiteral("   Se ha producido un error del dispositivo.");
    case CausaArchivo::Comparticion:
        return QStringLiteral("  El archivo está en uso o una zona compartida está bloqueada.");
    case CausaArchivo::Bloqueo:
        return QStringLiteral("   Se ha intentado bloquear una zona del archivo que ya estaba bloqueada.");
    case CausaArchivo::DiscoLleno: return QStringLiteral("   El disco está lleno.");
    case CausaArchivo::FinDeArchivo: return QStringLiteral("   Se ha llegado al final del archivo.");
    case CausaArchivo::Otra: break;
    }
    return QStringLiteral(" Error desconocido ");
}

QByteArray LeerArchivoDocumento(const QString& ruta)
{
    const QFileInfo info(ruta);
    if (!info.exists())
        throw ErrorLectura(QFileInfo(info.absolutePath()).isDir() ? CausaArchivo::NoEncontrado
                                                                  : CausaArchivo::RutaIncorrecta);
    if (info.isDir())
        throw ErrorLectura(CausaArchivo::AccesoDenegado);
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorLectura(f.error() == QFileDevice::ResourceError ? CausaArchivo::DemasiadosAbiertos
                                                                   : CausaArchivo::AccesoDenegado);
    QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw ErrorLectura(CausaArchivo::Hardware);
    return datos;
}

void EscribirArchivoDocumento(const QString& ruta, const QByteArray& datos)
{
    if (const CausaArchivo c = CausaCarpeta(ruta); c != CausaArchivo::Ninguna)
        throw ErrorEscritura(c);
    if (QFileInfo(ruta).isDir())
        throw ErrorEscritura(CausaArchivo::AccesoDenegado);
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        throw ErrorEscritura(f.error() == QFileDevice::ResourceError ? CausaArchivo::DemasiadosAbiertos
                                                                     : CausaArchivo::AccesoDenegado);
    if (f.write(datos) != datos.size()) {
        // Qt reports a full disk as a resource error; anything else is the device's.
        const CausaArchivo c = f.error() == QFileDevice::ResourceError ? CausaArchivo::DiscoLleno
                                                                       : CausaArchivo::Hardware;
        f.cancelWriting();
        throw ErrorEscritura(c);
    }
    if (!f.commit())
        throw ErrorEscritura(f.error() == QFileDevice::ResourceError ? CausaArchivo::DiscoLleno
                                                                     : CausaArchivo::AccesoDenegado);
}

QString RutaDocumentoNueva(const QString& carpeta, const QString& base, const QString& extension)
{
    QDir dir(carpeta);
    if (!dir.exists() && !QDir().mkpath(carpeta))
        throw ErrorEscritura(CausaArchivo::RutaIncorrecta);
    QString limpio = base.trimmed();
    for (QChar& c : limpio)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20)
            c = u'_';
    if (limpio.isEmpty() || limpio.startsWith(u'.'))
        limpio.prepend(QStringLiteral("documento"));
    for (int n = 1;; ++n) {
        const QString nombre = n == 1 ? QStringLiteral("%1.%2").arg(limpio, extension)
                                      : QStringLiteral("%1 (%2).%3").arg(limpio).arg(n).arg(extension);
        const QString ruta = dir.absoluteFilePath(nombre);
        if (!QFileInfo::exists(ruta))
            return ruta;
    }
}

QString NombreContrato(const QDate& hoy)
{
    return QStringLiteral("Contrato ") + hoy.toString(QStringLiteral("yyyy-MM-dd"));
}
