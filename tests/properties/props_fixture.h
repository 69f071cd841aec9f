#pragma once
#include <gtest/gtest.h>

#include "data/workspace.h"
#include "data/database.h"
#include "properties/inmuebles.h"
#include "properties/propietarios.h"
#include "temp_workspace.h"

// A fresh workspace with the owner and property tables, opened once per test.
class PropsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = CrearWorkspace(m_ws.workspacePath());
    }

    qint64 Contar(const QString& sql)
    {
        return QueryInteger(m_db, sql);
    }

    FichaPropietario CrearPropietario(const QString& nombre)
    {
        Propietarios p(m_db);
        FichaPropietario d;
        d.nombre = nombre;
        return p.Guardar(d);
    }

    FichaInmueble CrearInmueble(const QString& arrendador, const QString& direccion, const QString& piso,
                           Moneda renta = Moneda::DeCentimos(50000))
    {
        Inmuebles i(m_db);
        FichaInmueble d = Inmuebles::Nuevo();
        d.arrendador = arrendador;
        d.direccion = direccion;
        d.piso = piso;
        d.renta = renta;
        return i.Guardar(d, true);
    }

    void Recibo(qint64 ref, const QString& arrendador, const QString& direccion, const QString& piso)
    {
        for (const char* tabla : {"recibo", "emision_recibo"})
            Statement(m_db, QStringLiteral("INSERT INTO %1 (ref, direccion, piso, arrendador) "
                                           "VALUES (?1, ?2, ?3, ?4)")
                                .arg(QString::fromLatin1(tabla)))
                .bind(1, ref).bind(2, direccion).bind(3, piso).bind(4, arrendador).run();
    }

    TempWorkspace m_ws;
    Database m_db;
};
