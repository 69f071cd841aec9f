#include <gtest/gtest.h>

#include "data/database.h"
#include "temp_workspace.h"

TEST(Database, BoundValuesRoundTripAndQuotesAreSafe)
{
    TempWorkspace ws;
    Database db(ws.workspacePath(), Database::Mode::Create);
    db.exec(QStringLiteral("CREATE TABLE t (n TEXT, m INTEGER, d TEXT)"));
    const QString nombre = QStringLiteral("O'Donnell; DROP TABLE t; --");
    Statement(db, "INSERT INTO t VALUES (?1, ?2, ?3)")
        .bind(1, nombre).bind(2, Moneda::DeDiezmilesimas(-19'950)).bind(3, QDate(2026, 2, 28)).run();
    Statement q(db, "SELECT n, m, d FROM t");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.text(0), nombre);
    EXPECT_EQ(q.money(1), Moneda::DeDiezmilesimas(-19'950));
    EXPECT_EQ(q.date(2), QDate(2026, 2, 28));
    EXPECT_EQ(q.text(2), QStringLiteral("2026-02-28 00:00:00"));
    EXPECT_FALSE(q.next());
}

TEST(Database, TransactionRollsBackUnlessCommitted)
{
    TempWorkspace ws;
    Database db(ws.workspacePath(), Database::Mode::Create);
    db.exec(QStringLiteral("CREATE TABLE t (n INTEGER)"));
    {
        Transaction tx(db);
        Statement(db, "INSERT INTO t VALUES (1)").run();
    }
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM t")), 0);
    {
        Transaction tx(db);
        Statement(db, "INSERT INTO t VALUES (1)").run();
        tx.commit();
    }
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM t")), 1);
}

TEST(Database, ErrorsCarrySqliteMessage)
{
    TempWorkspace ws;
    Database db(ws.workspacePath(), Database::Mode::Create);
    try {
        Statement(db, "SELECT * FROM no_existe");
        FAIL() << "expected DbError";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("no_existe"), std::string::npos);
    }
    EXPECT_THROW(Database(ws.file(QStringLiteral("falta.rtv")), Database::Mode::OpenExisting), DbError);
}

TEST(Database, SpanishCaseFoldingCollation)
{
    TempWorkspace ws;
    Database db(ws.workspacePath(), Database::Mode::Create);
    db.exec(QStringLiteral("CREATE TABLE p (nombre TEXT COLLATE ES_NOCASE UNIQUE)"));
    Statement(db, "INSERT INTO p VALUES ('ÑÚÑEZ')").run();
    EXPECT_THROW(Statement(db, "INSERT INTO p VALUES ('ñúñez')").run(), DbError);
    EXPECT_THROW(Statement(db, "INSERT INTO p VALUES ('Ñúñez')").run(), DbError);
    Statement(db, "INSERT INTO p VALUES ('NUNEZ')").run();
}
