// A workspace any SQLite reader can check and query, names still unique and sorted ignoring
// case (Spanish letters too).
#include <gtest/gtest.h>

#include "caidas_fixture.h"
#include "data/database.h"
#include "data/esquema.h"
#include "data/record_sets.h"
#include "data/workspace.h"
#include "temp_workspace.h"

using namespace caidas;

namespace {

void Rellenar(Database& db)
{
    Statement(db, "INSERT INTO propietario (nombre) VALUES ('Ñúñez')").run();
    Statement ins(db, "INSERT INTO inmueble (direccion, piso, arrendador) VALUES (?1, '1º', 'ÑÚÑEZ')");
    for (const char* d : {"B 2", "a 1", "c 3"})
        ins.bind(1, d).run();
    Statement(db, "INSERT INTO recibo (direccion, arrendador) VALUES ('a 1', 'ñúñez')").run();
}

QStringList Direcciones(Database& db)
{
    CInmuebleSet rs(&db);
    QStringList r;
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
        r << rs.text(QStringLiteral("direccion"));
    return r;
}

}  // namespace

TEST(SinColacion, StockSqliteChecksAndQueriesNewAndUpgradedWorkspaces)
{
    if (Sqlite3Programa().isEmpty())
        GTEST_SKIP() << "sin el programa sqlite3";
    TempWorkspace ws;
    const QString nueva = ws.file(QStringLiteral("nueva.rtv"));
    const QString vieja = ws.file(QStringLiteral("vieja.rtv"));
    {
        Database db = CrearWorkspace(nueva);
        Rellenar(db);
    }
    ASSERT_TRUE(QFile::copy(nueva, vieja));
    VolverAlDisenoAnterior(vieja);
    // The old layout is what stock tools could not read.
    ASSERT_TRUE(Sqlite3(vieja, QStringLiteral("PRAGMA integrity_check")).contains(QStringLiteral("ES_NOCASE")));

    for (const QString& ruta : {nueva, vieja}) {
        SCOPED_TRACE(ruta.toStdString());
        {
            Database db = AbrirWorkspace(ruta);
            EXPECT_EQ(db.userVersion(), kVersionEsquema);
            // Still unique ignoring case, Spanish letters included, for every writer.
            EXPECT_THROW(Statement(db, "INSERT INTO propietario (nombre) VALUES ('ÑÚÑEZ')").run(), DbError);
            EXPECT_THROW(Statement(db, "INSERT INTO inmueble (direccion, piso) VALUES ('A 1', '1º')").run(), DbError);
            EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE es_fold(arrendador) = es_fold('ÑÚÑEZ')")), 1);
            // A sort index on a text compared ignoring case sorts folded: a, B, c (not B, a, c).
            db.exec(QStringLiteral("DROP INDEX InmueblesIndex; CREATE INDEX InmueblesIndex ON inmueble(direccion)"));
            EXPECT_EQ(Direcciones(db), (QStringList{"a 1", "B 2", "c 3"}));
        }
        EXPECT_EQ(Sqlite3(ruta, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        EXPECT_EQ(Sqlite3(ruta, QStringLiteral("SELECT DISTINCT arrendador FROM inmueble")), QStringLiteral("ÑÚÑEZ"));
        EXPECT_EQ(Sqlite3(ruta, QStringLiteral("SELECT COUNT(*) FROM recibo")), QStringLiteral("1"));
        EXPECT_EQ(Sqlite3(ruta, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%ES_NOCASE%'")),
                  QStringLiteral("0"));
    }
}
