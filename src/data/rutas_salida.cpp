#include "data/rutas_salida.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "data/mensajes_error.h"
#include "util/errores.h"

namespace {

struct Identidad {
    bool existe = false;
    dev_t dispositivo = 0;
    ino_t inodo = 0;
    QString ruta;   // folders and links resolved
};

Identidad Identificar(const QString& ruta)
{
    Identidad id;
    struct stat st {};
    const QFileInfo fi(ruta);
    if (::stat(QFile::encodeName(ruta).constData(), &st) == 0) {
        id.existe = true;
        id.dispositivo = st.st_dev;
        id.inodo = st.st_ino;
        id.ruta = fi.canonicalFilePath();
        return id;
    }
    // Not there yet: its folder may still be reached through links or "..".
    const QString carpeta = QFileInfo(fi.absolutePath()).canonicalFilePath();
    id.ruta = carpeta.isEmpty() ? QDir::cleanPath(fi.absoluteFilePath()) : carpeta + u'/' + fi.fileName();
    return id;
}

bool Iguales(const Identidad& a, const Identidad& b)
{
    if (a.existe && b.existe)
        return a.dispositivo == b.dispositivo && a.inodo == b.inodo;
    return !a.ruta.isEmpty() && a.ruta == b.ruta;
}

// The workspace and the side files SQLite keeps beside it, under the name given and under
// the resolved one (SQLite names its journal after the file a link points to).
QStringList ArchivosDe(const QString& entrada)
{
    QStringList r;
    const QString canonica = QFileInfo(entrada).canonicalFilePath();
    for (const char* sufijo : {"", "-journal", "-wal", "-shm"}) {
        r << entrada + QLatin1String(sufijo);
        if (!canonica.isEmpty())
            r << canonica + QLatin1String(sufijo);
    }
    return r;
}

// Outputs are written beside the target and renamed: its folder must take new files.
void ComprobarEscribible(const QString& salida)
{
    const QByteArray carpeta = QFile::encodeName(QFileInfo(salida).absolutePath());
    if (::access(carpeta.constData(), W_OK) != 0)
        throw UserError(MensajeErrorArchivo(errno, salida, AccionArchivo::Escribir));
    struct stat st {};
    if (::stat(QFile::encodeName(salida).constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
        throw UserError(MensajeErrorArchivo(EISDIR, salida, AccionArchivo::Escribir));
    // A file marked read-only for everyone is kept even from root, who may write anything.
    if ((st.st_mode & 0222) == 0 || ::access(QFile::encodeName(salida).constData(), W_OK) != 0)
        throw UserError(QStringLiteral("El archivo %1 es de solo lectura: no se sobrescribe. Quite "
                                       "la protección o elija otro nombre.").arg(salida));
}

}  // namespace

bool MismoArchivo(const QString& a, const QString& b)
{
    return Iguales(Identificar(a), Identificar(b));
}

void ComprobarSalidas(const QStringList& entradas, const QStringList& salidas)
{
    QList<Identidad> vistas;
    for (const QString& salida : salidas) {
        if (salida.trimmed().isEmpty())
            throw UserError(QStringLiteral("Indique el nombre del archivo de salida."));
        const Identidad id = Identificar(salida);
        for (const QString& entrada : entradas)
            for (const QString& protegido : ArchivosDe(entrada))
                if (Iguales(id, Identificar(protegido)))
                    throw UserError(QStringLiteral("El archivo de salida %1 es el archivo de trabajo %2 "
                                                   "(o uno de sus archivos auxiliares): no se "
                                                   "sobrescribe. Elija otro nombre.").arg(salida, entrada));
        for (qsizetype i = 0; i < vistas.size(); ++i)
            if (Iguales(id, vistas[i]))
                throw UserError(QStringLiteral("Los archivos de salida %1 y %2 son el mismo archivo. "
                                               "Elija nombres distintos.").arg(salidas[i], salida));
        ComprobarEscribible(salida);
        vistas << id;
    }
}
