#include "data/mensajes_error.h"

#include <cerrno>
#include <cstring>
#include <sqlite3.h>

namespace {

QString ConDetalle(const QString& frase, const QString& detalle)
{
    const QString d = detalle.trimmed();
    return d.isEmpty() ? frase : frase + QStringLiteral(" (") + d + u')';
}

QString TextoSistema(int errnum)
{
    return QString::fromLocal8Bit(std::strerror(errnum));
}

}  // namespace

QString MensajeErrorArchivo(int errnum, const QString& ruta, AccionArchivo accion)
{
    const bool escribir = accion == AccionArchivo::Escribir;
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("No queda espacio en el disco para escribir el archivo %1. "
                              "Libere espacio o elija otro disco y vuelva a intentarlo.").arg(ruta);
    case EACCES:
    case EPERM:
        return escribir
            ? QStringLiteral("No tiene permiso para escribir el archivo %1 ni en su carpeta. "
                             "Elija otra carpeta o cambie los permisos.").arg(ruta)
            : QStringLiteral("No tiene permiso para leer el archivo %1. Cambie sus permisos "
                             "o elija otro archivo.").arg(ruta);
    case EROFS:
        return QStringLiteral("El archivo %1 está en un disco o carpeta de solo lectura. "
                              "Elija otra carpeta.").arg(ruta);
    case ENOENT:
        return escribir
            ? QStringLiteral("No existe la carpeta del archivo %1. Compruebe la ruta.").arg(ruta)
            : QStringLiteral("No existe el archivo %1. Compruebe la ruta.").arg(ruta);
    case ENOTDIR:
        return QStringLiteral("La ruta %1 no es válida: una parte de ella no es una carpeta. "
                              "Compruebe la ruta.").arg(ruta);
    case EISDIR:
        return QStringLiteral("%1 es una carpeta, no un archivo. Escriba el nombre de un archivo.")
            .arg(ruta);
    case ENAMETOOLONG:
        return QStringLiteral("El nombre del archivo %1 es demasiado largo. Elija uno más corto.")
            .arg(ruta);
    case EIO:
        return QStringLiteral("Error del disco al %1 el archivo %2. Compruebe el disco y vuelva a "
                              "intentarlo.").arg(escribir ? QStringLiteral("escribir") : QStringLiteral("leer"), ruta);
    default:
        return ConDetalle(QStringLiteral("No se ha podido %1 el archivo %2. Compruebe el disco y "
                                         "la ruta.").arg(escribir ? QStringLiteral("escribir")
                                                                  : QStringLiteral("leer"), ruta),
                          TextoSistema(errnum));
    }
}

QString MensajeErrorSqlite(int codigo, const QString& ruta, const QString& detalle)
{
    switch (codigo) {
    case SQLITE_READONLY_DBMOVED:
        return ConDetalle(QStringLiteral("Otro programa ha sustituido o borrado el archivo %1 mientras "
                                         "estaba abierto (una copia o una restauración): el cambio "
                                         "no se ha guardado. Cierre el archivo y vuelva a abrirlo.")
                              .arg(ruta), detalle);
    case SQLITE_READONLY_ROLLBACK:
    case SQLITE_READONLY_RECOVERY:
        return ConDetalle(QStringLiteral("El archivo %1 quedó a medio guardar por un cierre inesperado "
                                         "y no se puede recuperar porque ni él ni su carpeta admiten "
                                         "escritura. Ábralo desde una carpeta con permiso de "
                                         "escritura.").arg(ruta), detalle);
    case SQLITE_CONSTRAINT_TRIGGER:
        // Our own triggers raise sentences written for the user.
        return detalle;
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
        return ConDetalle(QStringLiteral("No se ha guardado el cambio en %1: ya existe otro registro "
                                         "con el mismo valor. Cambie ese dato.").arg(ruta), detalle);
    default:
        break;
    }
    switch (codigo & 0xff) {
    case SQLITE_CANTOPEN:
        return ConDetalle(QStringLiteral("No se puede abrir el archivo %1: no existe o su carpeta no "
                                         "permite el acceso. Compruebe la ruta y los permisos.")
                              .arg(ruta), detalle);
    case SQLITE_FULL:
        return ConDetalle(QStringLiteral("El disco del archivo %1 está lleno: el cambio no se ha "
                                         "guardado. Libere espacio y vuelva a intentarlo.").arg(ruta),
                          detalle);
    case SQLITE_READONLY:
        return ConDetalle(QStringLiteral("El archivo %1 es de solo lectura (o lo es su carpeta): no se "
                                         "puede modificar. Cambie los permisos o copie el archivo a "
                                         "otra carpeta.").arg(ruta), detalle);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ConDetalle(QStringLiteral("El archivo %1 está en uso por otro programa. Espere a que "
                                         "termine y vuelva a intentarlo.").arg(ruta), detalle);
    case SQLITE_CORRUPT:
        return ConDetalle(QStringLiteral("El archivo %1 está dañado. Restaure una copia de seguridad.")
                              .arg(ruta), detalle);
    case SQLITE_NOTADB:
        return ConDetalle(QStringLiteral("El archivo %1 no es una base de datos o está dañado. "
                                         "Compruebe que ha elegido el archivo correcto.").arg(ruta),
                          detalle);
    case SQLITE_IOERR:
        return ConDetalle(QStringLiteral("Error del disco al leer o escribir el archivo %1. Compruebe "
                                         "el disco y vuelva a intentarlo.").arg(ruta), detalle);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return ConDetalle(QStringLiteral("No tiene permiso para usar el archivo %1. Compruebe sus "
                                         "permisos.").arg(ruta), detalle);
    case SQLITE_NOMEM:
        return ConDetalle(QStringLiteral("No hay memoria suficiente para trabajar con el archivo %1. "
                                         "Cierre otros programas y vuelva a intentarlo.").arg(ruta),
                          detalle);
    case SQLITE_TOOBIG:
        return ConDetalle(QStringLiteral("Un dato es demasiado grande para guardarlo en el archivo %1.")
                              .arg(ruta), detalle);
    case SQLITE_CONSTRAINT:
        return ConDetalle(QStringLiteral("No se ha guardado el cambio en %1: falta un dato obligatorio "
                                         "o no es válido. Revise los datos.").arg(ruta), detalle);
    case SQLITE_INTERRUPT:
        return ConDetalle(QStringLiteral("Se ha interrumpido el trabajo con el archivo %1. Vuelva a "
                                         "intentarlo.").arg(ruta), detalle);
    default:
        return ConDetalle(QStringLiteral("Error al trabajar con el archivo %1. Si se repite, restaure "
                                         "una copia de seguridad.").arg(ruta), detalle);
    }
}
