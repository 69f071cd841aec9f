#pragma once
#include <QString>
#include <QStringList>

// Collection state of a receipt (`recibo.estado`). Every state but COBRADO counts as unpaid.
enum EstadoRecibo {
    kEstadoSinEspecificar = 0,
    kEstadoCobrado = 1,
    kEstadoEnviadoAlCobro = 2,
    kEstadoDevuelto = 3,
    kEstadoPendienteCobro = 4,
    kEstadoDudosoCobro = 5,
};

// "SIN ESPECIFICAR" ... "DUDOSO COBRO", in state order.
QStringList NombresEstadoRecibo();
// A value outside 0..5 reads as "SIN ESPECIFICAR".
QString NombreEstadoRecibo(int estado);
// Exact match against the six names; anything else is 0.
int EstadoReciboDeNombre(const QString& nombre);
