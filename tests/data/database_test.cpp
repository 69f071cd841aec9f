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

// The SQL keys fold ASCII and Latin-1 letters byte by byte; every other text goes through
// the C++ functions. Both ways must give the same key, or sorts and searches would disagree.
TEST(Database, SqlFoldingAndSortKeysEqualTheirCppFunctions)
{
    TempWorkspace ws;
    Database db(ws.workspacePath(), Database::Mode::Create);
    QStringList textos{QStringLiteral("ÑÚÑEZ Peña, Ávila"), QStringLiteral("straße ÆØÅ þ ÿ × ÷"),
                       QStringLiteral("ŁÓDŹ Ǆ ΣΑΣ µ"), QString(300, u'Ñ'), QStringLiteral("")};
    QString todas;
    for (char16_t u = 0x20; u < 0x250; ++u)
        todas += QChar(u);
    textos << todas;
    Statement st(db, "SELECT es_fold(?1), es_orden(?1)");
    for (const QString& t : textos) {
        ASSERT_TRUE(st.bind(1, t).next());
        EXPECT_EQ(st.text(0), PlegarTexto(t)) << t.left(40).toStdString();
        EXPECT_EQ(st.text(1), ClaveOrden(t)) << t.left(40).toStdString();
        st.reset();
    }
    for (char16_t u = 0xC0; u <= 0xFF; ++u) {
        const QString t = QStringLiteral("a") + QChar(u) + QStringLiteral("Z");
        ASSERT_TRUE(st.bind(1, t).next());
        EXPECT_EQ(st.text(0), PlegarTexto(t)) << int(u);
        EXPECT_EQ(st.text(1), ClaveOrden(t)) << int(u);
        st.reset();
    }
}
