#include "billing/estado_recibo.h"

QStringList NombresEstadoRecibo()
{
    return {QStringLiteral("SIN ESPECIFICAR"), QStringLiteral("COBRADO"),
            QStringLiteral("ENVIADO AL COBRO"), QStringLiteral("DEVUELTO"),
            QStringLiteral("PENDIENTE COBRO"), QStringLiteral("DUDOSO COBRO")};
}

QString NombreEstadoRecibo(int estado)
{
    const QStringList nombres = NombresEstadoRecibo();
    return estado >= 0 && estado < nombres.size() ? nombres[estado] : nombres[0];
}

int EstadoReciboDeNombre(const QString& nombre)
{
    const qsizetype i = NombresEstadoRecibo().indexOf(nombre);
    return i < 0 ? kEstadoSinEspecificar : int(i);
}
