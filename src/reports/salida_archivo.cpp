#include "reports/salida_archivo.h"

#include "data/archivo_atomico.h"
#include "util/errores.h"

void EscribirArchivo(const QString& ruta, const QByteArray& contenido)
{
    try {
        EscribirArchivoAtomico(ruta, contenido);
    } catch (const UserError& e) {
        throw UserError(kErrorEscribirArchivo + e.Mensaje());
    }
}
