#pragma once
#include <QDate>
#include <QStringList>
#include <gtest/gtest.h>

#include "data/database.h"
#include "data/workspace.h"
#include "reports/seleccion_informe.h"
#include "temp_workspace.h"

// A fresh workspace with a helper to add receipts with just the columns a test needs.
class ReportsTest : public ::testing::Test {
protected:
    void SetUp() override { db = CrearWorkspace(ws.workspacePath()); }

    struct Rec {
        QString fecha = QStringLiteral("2024-03-01 00:00:00");
        QString arrendador = QStringLiteral("ANA"), localidad = QStringLiteral("MADRID");
        QString direccion = QStringLiteral("MAYOR 1"), piso = QStringLiteral("1º");
        QString inquilino = QStringLiteral("LUIS"), tipo = QStringLiteral("NIF"), num = QStringLiteral("1X");
        qint64 renta = 10000, o1 = 0, o2 = 0, o3 = 0, iva = 0, irpf = 0;   // cents
        QString c1 = QString(), c2 = QString(), c3 = QString();
        qint64 numero = 0;
        QString notas = QString();
    };
    void Recibo(const Rec& r)
    {
        Statement(db, "INSERT INTO recibo (arrendador, localidad, direccion, piso, nom_arrendatario,"
                      " doc_arrendatario_tipo, doc_arrendatario_num, fecha_facturacion, renta,"
                      " otro_importe1, otro_importe2, otro_importe3, iva, irpf, otro_concepto1,"
                      " otro_concepto2, otro_concepto3, numero_recibo, notas, banco, sucursal, dc, ccc,"
                      " is_recibo_banco, is_recibo_fisico, is_recibo_numerar)"
                      " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16,"
                      " ?17, ?18, ?19, '2100', '0418', '45', '0200051332', 1, 0, 1)")
            .bind(1, r.arrendador).bind(2, r.localidad).bind(3, r.direccion).bind(4, r.piso)
            .bind(5, r.inquilino).bind(6, r.tipo).bind(7, r.num).bind(8, r.fecha)
            .bind(9, Moneda::DeCentimos(r.renta)).bind(10, Moneda::DeCentimos(r.o1))
            .bind(11, Moneda::DeCentimos(r.o2)).bind(12, Moneda::DeCentimos(r.o3))
            .bind(13, Moneda::DeCentimos(r.iva)).bind(14, Moneda::DeCentimos(r.irpf))
            .bind(15, r.c1.isNull() ? QStringLiteral("") : r.c1).bind(16, r.c2.isNull() ? QStringLiteral("") : r.c2)
            .bind(17, r.c3.isNull() ? QStringLiteral("") : r.c3).bind(18, r.numero)
            .bind(19, r.notas.isNull() ? QStringLiteral("") : r.notas).run();
    }

    static FiltroInforme Marzo2024()
    {
        FiltroInforme f;
        f.desde = f.hasta = QDate(2024, 3, 1);
        return f;
    }

    TempWorkspace ws;
    Database db;
};
