#pragma once
// A workspace of 10,000 properties and 240,000 receipts (two years of monthly billing),
// built once per benchmark program and shared by its benchmarks.
#include <QDate>
#include <QTemporaryDir>

#include "data/database.h"
#include "data/workspace.h"

inline constexpr int kInmuebles = 10000;
inline constexpr int kMeses = 24;

struct Grande {
    QTemporaryDir dir;
    QString ruta;
    Grande() : ruta(dir.filePath(QStringLiteral("grande.rtv")))
    {
        Database db = CrearWorkspace(ruta);
        Transaction tx(db);
        Statement inm(db, "INSERT INTO inmueble (direccion, piso, localidad, arrendador, nom_arrendatario,"
                          " renta, iva, irpf, is_recibo_banco, banco, sucursal, dc, ccc, notas)"
                          " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, 1, '2100', '0418', '45', '0200051332', ?9)");
        for (int i = 0; i < kInmuebles; ++i)
            inm.bind(1, QStringLiteral("Calle Mayor %1").arg(i / 10)).bind(2, QStringLiteral("%1º").arg(i % 10))
                .bind(3, QStringLiteral("Localidad %1").arg(i % 50)).bind(4, QStringLiteral("PROPIETARIO %1").arg(i % 200))
                .bind(5, QStringLiteral("Inquilino número %1").arg(i)).bind(6, qint64(5'000'000 + i))
                .bind(7, qint64(1'050'000)).bind(8, qint64(-950'000)).bind(9, QStringLiteral("Notas del inmueble")).run();
        // Each month's receipts copied from the properties, as the billing run writes them.
        Statement rec(db, "INSERT INTO recibo (codref, direccion, piso, localidad, arrendador, nom_arrendatario,"
                          " fecha_facturacion, renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3,"
                          " otro_concepto1, otro_concepto2, otro_concepto3, is_recibo_banco, is_recibo_fisico,"
                          " is_recibo_numerar, banco, sucursal, dc, ccc, notas, numero_recibo, estado,"
                          " nota_recibo, refcatastral, direccioninquilino, num_alquiler)"
                          " SELECT 'CODREF', direccion, piso, localidad, arrendador, nom_arrendatario, ?1,"
                          " renta, iva, irpf, 0, 0, 0, '', '', '', 1, 1, 0, banco, sucursal, dc, ccc, '',"
                          " 0, 1, '', '', '', 0 FROM inmueble ORDER BY ref");
        for (int m = 0; m < kMeses; ++m)
            rec.bind(1, QDate(2023, 1, 1).addMonths(m)).run();
        tx.commit();
    }
};

inline Grande& Compartido()
{
    static Grande g;
    return g;
}
