#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "data/database.h"
#include "data/workspace.h"
#include "receipts/impresion_recibo.h"
#include "temp_workspace.h"

inline Moneda Euros(qint64 centimos) { return Moneda::DeCentimos(centimos); }

// A page drawn on a white image of 0.1 mm pixels, so that logical units are pixels.
inline QImage PintarEnImagen(int ancho, int alto, const std::function<void(QPainter&)>& dibujar)
{
    QImage img(ancho, alto, QImage::Format_RGB32);
    img.setDotsPerMeterX(10000);
    img.setDotsPerMeterY(10000);
    img.fill(Qt::white);
    QPainter p(&img);
    dibujar(p);
    return img;
}

// A fresh workspace and settings file, with an owner and a property the receipts name.
class ReciboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = CrearWorkspace(ws.workspacePath());
    }

    void Propietario(const QString& nombre, const QString& telefono = QString())
    {
        Statement(db, "INSERT INTO propietario (ref, nombre, via, direccion, piso, cp, localidad,"
                      " documento_tipo, documento_numero, telefono_casa)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM propietario), ?1, 'CALLE',"
                      " 'DE ANDALUCÍA, 57', '3º D', '28013', 'MADRID', 'N.I.F.', '26216258F', ?2)")
            .bind(1, nombre).bind(2, telefono).run();
    }

    qint64 Inmueble(const QString& direccion, const QString& piso, const QString& arrendador,
                    const QString& via = QStringLiteral("PASEO"))
    {
        Statement(db, "INSERT INTO inmueble (ref, via, direccion, piso, cp, localidad, arrendador,"
                      " nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num, renta, iva,"
                      " irpf, otro_importe1, otro_importe2, otro_importe3, otro_concepto1,"
                      " refcatastral, direccioninquilino, nota_recibo)"
                      " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM inmueble), ?1, ?2, ?3, '29015',"
                      " 'MÁLAGA', ?4, 'RUIZ MUÑOZ ANTONIO', 'D.N.I.', '66135277L', ?5, ?6, ?7, ?8,"
                      " 0, 0, 'AGUA', '7381891 VK 7612', '', 'Pago antes del día 5')")
            .bind(1, via).bind(2, direccion).bind(3, piso).bind(4, arrendador)
            .bind(5, Euros(58000)).bind(6, Euros(12180)).bind(7, Euros(-11020)).bind(8, Euros(1636))
            .run();
        return QueryInteger(db, QStringLiteral("SELECT MAX(ref) FROM inmueble"));
    }

    // A receipt with the texts every layout prints and no database behind it, drawn with
    // the settings an empty settings file gives.
    static CImpresionRecibo Ejemplo(Database* base = nullptr)
    {
        CImpresionRecibo r(AjustesRecibo(), base);
        r.arrendador = QStringLiteral("PÉREZ MORENO SERGIO");
        r.doc_arrendador = QStringLiteral("N.I.F. 26216258F");
        r.direccion = QStringLiteral("MAYOR 5");
        r.piso = QStringLiteral("2º B");
        r.localidad = QStringLiteral("MÁLAGA");
        r.nom_arrendatario = QStringLiteral("RUIZ MUÑOZ ANTONIO");
        r.doc_arrendatario = QStringLiteral("D.N.I. 66135277L");
        r.texto_numero = QStringLiteral("1234");
        r.fecha_emision = QDate(2005, 3, 1);
        r.renta = Euros(58000);
        r.otro_concepto1 = QStringLiteral("AGUA");
        r.otro_importe1 = Euros(1636);
        r.en_color = 1;
        return r;
    }

    TempWorkspace ws;
    Database db;
};
