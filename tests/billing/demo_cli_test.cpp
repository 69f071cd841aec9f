#include <QFile>
#include <gtest/gtest.h>

#include "billing/demo.h"
#include "billing/edicion_recibo.h"
#include "data/database.h"
#include "data/workspace.h"
#include "temp_workspace.h"
#include "util/nif.h"
#include "util/referencia_inmueble.h"
#include "util/errores.h"

TEST(Demo, DataIsValidAndBillable)
{
    TempWorkspace ws;
    const QString ruta = ws.file(QStringLiteral("demo.rtv"));
    QString out, err;
    ASSERT_EQ(RunCli({"demo", ruta, "--inmuebles", "60"}, &out, &err), 0) << err.toStdString();

    {
        Database db = AbrirWorkspace(ruta);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM inmueble")), 60);
        EXPECT_GE(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM propietario")), 2);
        // Every property names an existing owner; flags and taxes are mixed.
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM inmueble WHERE arrendador"
                                                  " NOT IN (SELECT nombre FROM propietario)")), 0);
        for (const char* mezcla : {"is_recibo_banco", "is_recibo_fisico", "is_recibo_numerar",
                                   "iva <> 0", "otro_importe1 <> 0"}) {
            SCOPED_TRACE(mezcla);
            const qint64 n = QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM inmueble WHERE %1")
                                                  .arg(QLatin1String(mezcla)));
            EXPECT_GT(n, 0);
            EXPECT_LT(n, 60);
        }
        // Accounts pass the bank check and tax numbers carry their right letter.
        for (const char* tabla : {"propietario", "inmueble"}) {
            Statement st(db, QStringLiteral("SELECT banco, sucursal, dc, ccc FROM %1 WHERE ccc <> ''")
                                 .arg(QLatin1String(tabla)));
            int n = 0;
            while (st.next()) {
                ReciboEmision r;
                r.banco = st.text(0), r.sucursal = st.text(1), r.dc = st.text(2), r.ccc = st.text(3);
                NormalizarReciboEmision(r);
                EXPECT_EQ(r.dc, st.text(2)) << st.text(3).toStdString();
                ++n;
            }
            EXPECT_GT(n, 0) << tabla;
        }
        Statement doc(db, "SELECT documento_numero FROM propietario UNION ALL SELECT"
                          " doc_arrendatario_num FROM inmueble WHERE doc_arrendatario_num <> ''");
        while (doc.next())
            EXPECT_TRUE(ComprobarDocumento(doc.text(0)).valido) << doc.text(0).toStdString();
        // Bank records, listings and refusal lines show each property's reference code.
        Statement ref(db, "SELECT direccion, piso, codref FROM inmueble");
        while (ref.next()) {
            EXPECT_FALSE(ref.text(2).trimmed().isEmpty());
            EXPECT_EQ(ref.text(2), CReferenciaInmueble(ref.text(0), ref.text(1)).Codigo());
        }
    }

    ASSERT_EQ(RunCli({"facturar", ruta, "2024-03", "--notas", "MARZO"}, &out, &err), 0) << err.toStdString();
    const QStringList lineas = out.trimmed().split(u'\n');
    ASSERT_EQ(lineas.size(), 2);
    Database db = AbrirWorkspace(ruta);
    EXPECT_EQ(lineas[0].toLongLong(), QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo")));
    EXPECT_GT(lineas[0].toInt(), 0);
    EXPECT_TRUE(lineas[1].contains(u',')) << lineas[1].toStdString();   // 1.234,56

    EXPECT_EQ(RunCli({"facturar", ruta, "2024-03"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("MARZO de 2024"))) << err.toStdString();
    EXPECT_EQ(RunCli({"facturar", ruta, "2024-13"}, &out, &err), 2);
    EXPECT_EQ(RunCli({"demo", ruta}, &out, &err), 1);     // never overwrites a file
    EXPECT_TRUE(QFile::exists(ruta));
}

TEST(Demo, RefusesAWorkspaceThatAlreadyHasData)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    LlenarDemo(db, 5);
    EXPECT_THROW(LlenarDemo(db, 5), UserError);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM inmueble")), 5);
}
