#pragma once
#include <gtest/gtest.h>

#include "data/workspace.h"
#include "data/database.h"
#include "data/record_sets.h"
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
        CPropietarioSet rs(&m_db);
        FichaPropietario d;
        d.nombre = nombre;
        return GuardarCambiosPropietario(rs, d, {});
    }

    FichaInmueble CrearInmueble(const QString& arrendador, const QString& direccion, const QString& piso,
                           Moneda renta = Moneda::DeCentimos(50000))
    {
        CInmuebleSet rs(&m_db);
        FichaInmueble d = NuevoInmueble();
        d.arrendador = arrendador;
        d.direccion = direccion;
        d.piso = piso;
        d.renta = renta;
        return GuardarCambiosInmueble(rs, d, {}, true);
    }

    // The stored property with `ref` as a form shows it: the set editing it.
    static FichaInmueble Mostrar(CInmuebleSet& rs, qint64 ref)
    {
        EXPECT_TRUE(rs.BuscarInmueble(ref));
        rs.edit();
        return LeerInmueble(rs);
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
