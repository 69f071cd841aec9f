#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <gtest/gtest.h>

#include "util/cp1252.h"
#include "bank/fichero_cuaderno19.h"

// Valid Spanish accounts (their check digits verify).
struct CuentaPrueba {
    const char *banco, *sucursal, *dc, *ccc;
};
inline constexpr CuentaPrueba kCuentaPropietario{"2080", "8802", "18", "3071876575"};
inline constexpr CuentaPrueba kCuentaInquilino{"2100", "0418", "45", "0200051332"};

// The records of a written file, split at CR LF. A bare CR or LF inside a record would
// leave a record of the wrong width, which the tests see.
inline QList<QByteArray> Registros(const QByteArray& fichero)
{
    QList<QByteArray> r;
    qsizetype desde = 0;
    for (;;) {
        const qsizetype fin = fichero.indexOf("\r\n", desde);
        if (fin < 0) {
            r << fichero.mid(desde);
            return r;
        }
        r << fichero.mid(desde, fin - desde);
        desde = fin + 2;
    }
}

// The field at 1-based `posicion` of `ancho` characters, decoded from code page 1252.
inline QString Campo(const QByteArray& registro, int posicion, int ancho)
{
    return DesdeCp1252(registro.mid(posicion - 1, ancho));
}

inline ReciboBanco ReciboSimple(qint64 ref, qint64 rentaCentimos,
                                const QString& inquilino = QStringLiteral("INQUILINO"))
{
    ReciboBanco r;
    r.ref = ref;
    r.codref = QStringLiteral("C-%1").arg(ref);
    r.nom_arrendatario = inquilino;
    r.fecha_facturacion = QDate(2024, 3, 1);
    r.renta = Moneda::DeCentimos(rentaCentimos);
    r.banco = QString::fromLatin1(kCuentaInquilino.banco);
    r.sucursal = QString::fromLatin1(kCuentaInquilino.sucursal);
    r.dc = QString::fromLatin1(kCuentaInquilino.dc);
    r.ccc = QString::fromLatin1(kCuentaInquilino.ccc);
    r.numero_recibo = ref;
    return r;
}

inline CFicheroCuaderno19 FicheroPrueba(const AjustesBanco& ajustes = AjustesBanco(),
                                        const QString& documento = QStringLiteral("50001774G"))
{
    return CFicheroCuaderno19(QStringLiteral("MUÑOZ LÓPEZ ELENA"), documento,
                              QString::fromLatin1(kCuentaPropietario.banco),
                              QString::fromLatin1(kCuentaPropietario.sucursal),
                              QString::fromLatin1(kCuentaPropietario.dc),
                              QString::fromLatin1(kCuentaPropietario.ccc), QDate(2007, 3, 5),
                              QDate(2007, 3, 10), ajustes);
}
