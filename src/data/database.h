#pragma once
#include <QDate>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>
#include <stdexcept>
#include <string>

#include "util/moneda.h"
#include "util/texto.h"   // EscaparLike, for the LIKE patterns callers bind

struct sqlite3;
struct sqlite3_stmt;

// A database failure: a Spanish sentence naming the file (what()), SQLite's result code and
// its own English text (detalle()).
class DbError : public std::runtime_error {
public:
    DbError(const QString& mensaje, int codigo, const QString& detalle = QString())
        : std::runtime_error(mensaje.toStdString()), m_codigo(codigo), m_detalle(detalle) {}
    int code() const { return m_codigo; }
    QString detalle() const { return m_detalle; }
private:
    int m_codigo;
    QString m_detalle;
};

// One connection to a workspace file. Movable, not copyable; closes in its destructor.
class Database {
public:
    enum class Mode { OpenExisting, Create, ReadOnly };

    Database() = default;
    Database(const QString& path, Mode mode = Mode::OpenExisting);
    ~Database();
    Database(Database&& o) noexcept;
    Database& operator=(Database&& o) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void open(const QString& path, Mode mode = Mode::OpenExisting);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }

    // Runs one or more statements with no bound values (schema, pragmas).
    void exec(const QString& sql);
    qint64 lastInsertId() const;
    int changes() const;
    // Rows written on this connection since it opened, triggers included.
    qint64 totalChanges() const;
    bool inTransaction() const;

    // PRAGMA helpers for the file's marks.
    int applicationId();
    void setApplicationId(int id);
    int userVersion();
    void setUserVersion(int v);

    // Online backup of this connection's database into a new file at target. Failures to
    // write name `nombre` (the file the copy is for) when given, else target.
    void backupTo(const QString& target, const QString& nombre = QString()) const;

    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

// A prepared statement. Values are always bound, never pasted into the SQL.
class Statement {
public:
    Statement(Database& db, const QString& sql);
    Statement(Database& db, const char* sql) : Statement(db, QString::fromUtf8(sql)) {}
    ~Statement();
    Statement(Statement&& o) noexcept;
    Statement& operator=(Statement&& o) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int i, const QString& v);
    Statement& bind(int i, const char* v) { return bind(i, QString::fromUtf8(v)); }
    Statement& bind(int i, qint64 v);
    Statement& bind(int i, int v) { return bind(i, static_cast<qint64>(v)); }
    Statement& bind(int i, bool v) { return bind(i, static_cast<qint64>(v ? 1 : 0)); }
    Statement& bind(int i, Moneda v) { return bind(i, v.Diezmilesimas()); }
    Statement& bind(int i, const QDate& v);        // NULL when invalid
    Statement& bind(int i, const QDateTime& v);    // NULL when invalid
    Statement& bind(int i, const QVariant& v);
    Statement& bindNull(int i);

    // Steps once: true while a row is available.
    bool next();
    // Runs to completion and resets, ready for new values.
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int c) const;
    bool isNull(int c) const;
    QString text(int c) const;
    qint64 integer(int c) const;
    Moneda money(int c) const { return Moneda::DeDiezmilesimas(integer(c)); }
    bool boolean(int c) const { return integer(c) != 0; }
    QDate date(int c) const;
    QDateTime dateTime(int c) const;
    QVariant value(int c) const;
    // Raw access for readers that keep a row's bytes and decode later.
    enum class Tipo { Entero, Real, Texto, Blob, Nulo };
    Tipo type(int c) const;
    double real(int c) const;
    QByteArrayView bytes(int c) const;   // UTF-8 for text; valid until the next step

private:
    void check(int rc) const;
    Database* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// BEGIN IMMEDIATE; rolls back unless committed. The destructor never throws.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
private:
    Database& m_db;
    bool m_done = false;
};

// A named savepoint, undone unless released; works inside or outside an open transaction.
// When it began the transaction itself, undoing it is a full rollback: releasing an undone
// savepoint would still commit and bump the file's change counter.
class Savepoint {
public:
    Savepoint(Database& db, const char* name);
    ~Savepoint();
    void release();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;
private:
    Database& m_db;
    QString m_name;
    bool m_outer;
    bool m_done = false;
};

// A table, column or index name as an SQL identifier, in double quotes.
QString QuoteIdentifier(const QString& name);

// One value of a query with no bound values, or of a query with its single row.
qint64 QueryInteger(Database& db, const QString& sql, qint64 porDefecto = 0);

// The text stored in DATETIME columns: "YYYY-MM-DD HH:MM:SS".
QString DateTimeToSql(const QDateTime& dt);
QString DateToSql(const QDate& d);
QDateTime SqlToDateTime(const QString& s);

// An SQL literal for a date in the form DATETIME columns store ('YYYY-MM-DD 00:00:00');
// NULL for an invalid date, which never compares equal. Prefer bound values.
QString FechaSql(const QDate& fecha);

// A month as a half-open range of stored dates: desde <= fecha < hasta.
struct RangoFechas {
    QString desde;
    QString hasta;
};
RangoFechas RangoMes(int anio, int mes);

// Case-insensitive comparison that folds Spanish letters too (ñ/Ñ, á/Á).
// Registered on every connection as collation ES_NOCASE and function es_fold().
int CompareSinCaso(const QString& a, const QString& b);
QString PlegarTexto(const QString& s);
// The key a text sorts by: case ignored, accents dropped (á with a, ü with u), ñ a letter
// of its own after n. Registered on every connection as function es_orden().
QString ClaveOrden(const QString& s);
