#pragma once
#include <gtest/gtest.h>

#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"

// A fresh workspace with helpers to add owners and properties with just the columns a test needs.
class BillingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = CrearWorkspace(ws.workspacePath());
    }

    void Propietario(const QString& nombre, qint64 contador = 0)
    {
        Statement(db, "INSERT INTO propietario (ref, nombre, numero_recibo, sufijo)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM propietario), ?1, ?2, 0)")
            .bind(1, nombre).bind(2, contador).run();
    }

    struct Inm {
        QString direccion = QString(), piso = QStringLiteral(" "), arrendador = QString();
        qint64 renta = 0, iva = 0, irpf = 0, otro1 = 0;   // cents
        bool banco = false, fisico = false, numerar = false;
        QString inquilino = QStringLiteral("INQUILINO"), notas = QString();
    };
    qint64 Inmueble(const Inm& i)
    {
        Statement(db, "INSERT INTO inmueble (ref, direccion, piso, arrendador, nom_arrendatario,"
                      " renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3,"
                      " otro_concepto1, is_recibo_banco, is_recibo_fisico, is_recibo_numerar,"
                      " notas, telefono_casa, banco, sucursal, dc, ccc, localidad, codref)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM inmueble), ?1, ?2, ?3, ?4,"
                      " ?5, ?6, ?7, ?8, 0, 0, 'COMUNIDAD', ?9, ?10, ?11, ?12, '912345678',"
                      " '2100', '0418', '45', '0200051332', 'MADRID', 'R-1')")
            .bind(1, i.direccion).bind(2, i.piso).bind(3, i.arrendador).bind(4, i.inquilino)
            .bind(5, Moneda::DeCentimos(i.renta)).bind(6, Moneda::DeCentimos(i.iva))
            .bind(7, Moneda::DeCentimos(i.irpf)).bind(8, Moneda::DeCentimos(i.otro1))
            .bind(9, i.banco).bind(10, i.fisico).bind(11, i.numerar)
            .bind(12, i.notas.isNull() ? QStringLiteral("") : i.notas).run();
        return QueryInteger(db, QStringLiteral("SELECT MAX(ref) FROM inmueble"));
    }

    qint64 Contar(const char* sql) { return QueryInteger(db, QString::fromUtf8(sql)); }

    TempWorkspace ws;
    Database db;
};
