#pragma once
// A workspace with owners and stored receipts, for the tests of the issue flows: staging,
// the selection form, its listing and print jobs, the run listing.
#include <gtest/gtest.h>

#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"

class EmisionTest : public ::testing::Test {
protected:
    void SetUp() override { db = CrearWorkspace(ws.workspacePath()); }

    void Propietario(const QString& nombre)
    {
        Statement(db, "INSERT INTO propietario (ref, nombre, via, direccion, piso, cp, localidad,"
                      " documento_tipo, documento_numero, telefono_casa, banco, sucursal, dc, ccc)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM propietario), ?1, 'CALLE',"
                      " 'DE ANDALUCÍA, 57', '3º D', '28013', 'MADRID', 'N.I.F.', '26216258F',"
                      " '976638606', '2080', '8802', '18', '3071876575')")
            .bind(1, nombre).run();
    }

    struct Rec {
        QString arrendador = QStringLiteral("PÉREZ MORENO SERGIO");
        QString direccion = QStringLiteral("MAYOR 5"), piso = QStringLiteral("2º B");
        QString inquilino = QStringLiteral("RUIZ MUÑOZ ANTONIO"), dni = QStringLiteral("66135277L");
        qint64 renta = 58000, iva = 0;   // cents
        QDate fecha = QDate(2007, 3, 1);
        qint64 numero = 0;
        bool fisico = true, banco = false;
        QString ccc = QStringLiteral("0200051332");
        QString nota = QStringLiteral("Nota");
    };
    // A stored receipt; returns its ref.
    qint64 Recibo(const Rec& r)
    {
        Statement(db, "INSERT INTO recibo (ref, codref, direccion, piso, localidad, arrendador,"
                      " nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num,"
                      " fecha_facturacion, renta, iva, irpf, otro_importe1, otro_importe2,"
                      " otro_importe3, otro_concepto1, banco, sucursal, dc, ccc, numero_recibo,"
                      " nota_recibo, refcatastral, direccioninquilino, is_recibo_numerar,"
                      " is_recibo_banco, is_recibo_fisico, notas, estado)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM recibo), 'R-1', ?1, ?2,"
                      " 'MÁLAGA', ?3, ?4, 'D.N.I.', ?5, ?6, ?7, ?8, 0, 0, 0, 0, '', '2100',"
                      " '0418', '45', ?9, ?10, ?11, '7381891 VK 7612', '', 0, ?12, ?13, '', 0)")
            .bind(1, r.direccion).bind(2, r.piso).bind(3, r.arrendador).bind(4, r.inquilino)
            .bind(5, r.dni).bind(6, QDateTime(r.fecha, QTime(0, 0)))
            .bind(7, Moneda::DeCentimos(r.renta)).bind(8, Moneda::DeCentimos(r.iva))
            .bind(9, r.ccc).bind(10, r.numero).bind(11, r.nota).bind(12, r.banco).bind(13, r.fisico)
            .run();
        return QueryInteger(db, QStringLiteral("SELECT MAX(ref) FROM recibo"));
    }

    qint64 Contar(const char* sql) { return QueryInteger(db, QString::fromUtf8(sql)); }

    TempWorkspace ws;
    Database db;
};
