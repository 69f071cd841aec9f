#pragma once
#include <gtest/gtest.h>

#include <QDate>

#include "data/database.h"
#include "data/workspace.h"
#include "documents/contrato.h"
#include "temp_workspace.h"

// A workspace with one owner (GARCIA, counter 7) and one property let to ANA from the given
// date: rent 600,00, IVA 126,00, IRPF -114,00, COMUNIDAD 30,00; furnished defaults.
class DocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = CrearWorkspace(ws.workspacePath());
        Propietario(QStringLiteral("GARCIA"));
    }

    void Propietario(const QString& nombre, qint64 contador = 7)
    {
        Statement(db, "INSERT INTO propietario (ref, nombre, via, direccion, piso, localidad,"
                      " documento_tipo, documento_numero, banco, sucursal, dc, ccc, numero_recibo, sufijo)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM propietario), ?1, 'CALLE', 'SOL 3',"
                      " '1º', 'MADRID', 'N.I.F.', '12345678Z', '2100', '0418', '45', '0200051332', ?2, 0)")
            .bind(1, nombre).bind(2, contador).run();
    }

    struct Inm {
        QDate fecha = QDate(2024, 4, 15);
        qint64 renta = 60000, iva = 12600, irpf = -11400, otro1 = 3000;   // cents
        QString arrendador = QStringLiteral("GARCIA");
        QString inquilino = QStringLiteral("ANA");
        bool numerar = true;
        QString cp = QStringLiteral("28001");
    };
    qint64 Inmueble(const Inm& i)
    {
        Statement(db, "INSERT INTO inmueble (ref, codref, via, direccion, piso, cp, localidad,"
                      " arrendador, nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num,"
                      " nacionalidad_arrendatario, fecha, renta, iva, irpf, otro_importe1, otro_importe2,"
                      " otro_importe3, otro_concepto1, is_recibo_banco, is_recibo_fisico,"
                      " is_recibo_numerar, banco, sucursal, dc, ccc, telefono_casa, telefono_movil,"
                      " refcatastral, direccioninquilino)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM inmueble), 'MAYO12', 'CALLE',"
                      " 'MAYOR ' || (SELECT COUNT(*) + 12 FROM inmueble), '2º B', ?9, 'TOLEDO', ?1, ?2, 'D.N.I.', '87654321X', 'española', ?3,"
                      " ?4, ?5, ?6, ?7, 0, 0, 'COMUNIDAD', 1, 0, ?8, '3025', '0001', '15', '1234567890',"
                      " '925111222', '', 'RC-1', 'CALLE MAYOR 12')")
            .bind(1, i.arrendador).bind(2, i.inquilino).bind(3, i.fecha)
            .bind(4, Moneda::DeCentimos(i.renta)).bind(5, Moneda::DeCentimos(i.iva))
            .bind(6, Moneda::DeCentimos(i.irpf)).bind(7, Moneda::DeCentimos(i.otro1))
            .bind(8, i.numerar).bind(9, i.cp).run();
        return QueryInteger(db, QStringLiteral("SELECT MAX(ref) FROM inmueble"));
    }

    DatosContrato Abrir(const Inm& i) { return AbrirContrato(db, Inmueble(i), AjustesImpuestos{}); }
    DatosContrato Abrir() { return Abrir(Inm{}); }

    qint64 Contar(const char* sql) { return QueryInteger(db, QString::fromUtf8(sql)); }

    TempWorkspace ws;
    Database db;
};

inline Moneda Euros(qint64 centimos) { return Moneda::DeCentimos(centimos); }
