#include "data/database.h"

#include <QFile>
#include <sqlite3.h>

#include "data/mensajes_error.h"
#include "util/errores.h"

namespace {

// The failure of the last call on db (or of rc when there is no connection), in Spanish.
DbError Fallo(sqlite3* db, int rc, const QString& ruta)
{
    const int codigo = db ? sqlite3_extended_errcode(db) : rc;
    const QString detalle = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    // A failed step reports its own code; the connection's may be stale after a reset.
    const int usado = (codigo & 0xff) == (rc & 0xff) ? codigo : rc;
    return DbError(MensajeErrorSqlite(usado, ruta, detalle), usado, detalle);
}

int CollationEs(void*, int la, const void* a, int lb, const void* b)
{
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), la);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), lb);
    return CompareSinCaso(sa, sb);
}

// What `plegar` makes of each letter from U+00C0 to U+00FF (two UTF-8 bytes, 0xC3 then
// 0x80 + i), as UTF-8 of at most two bytes; empty where it makes more.
struct TablaLatin1 {
    char bytes[64][2];
    quint8 largo[64];
    explicit TablaLatin1(QString (*plegar)(const QString&))
    {
        for (int i = 0; i < 64; ++i) {
            const QByteArray r = plegar(QString(QChar(char16_t(0xC0 + i)))).toUtf8();
            largo[i] = r.size() <= 2 ? quint8(r.size()) : 0;
            for (int k = 0; k < largo[i]; ++k)
                bytes[i][k] = r[k];
        }
    }
};

// The text of argv[0] through `plegar`, NULL for NULL. Reports sort hundreds of thousands of
// rows by these keys: ASCII and the Latin-1 letters of Spanish, the usual case, are folded
// byte by byte (through a table made by `plegar` itself), without a round trip through QString.
void ResultadoPlegado(sqlite3_context* ctx, sqlite3_value** argv, QString (*plegar)(const QString&),
                      const TablaLatin1& tabla)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* t = reinterpret_cast<const unsigned char*>(sqlite3_value_text(argv[0]));
    const int n = sqlite3_value_bytes(argv[0]);
    char corto[256];
    if (n <= int(sizeof corto)) {
        int fuera = 0;
        bool rapido = true;
        for (int i = 0; i < n && rapido; ++i) {
            const unsigned char c = t[i];
            if (c < 0x80) {
                corto[fuera++] = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : char(c);
            } else if (c == 0xC3 && i + 1 < n && (t[i + 1] & 0xC0) == 0x80 && tabla.largo[t[i + 1] & 0x3F] > 0) {
                const int k = t[++i] & 0x3F;
                for (int b = 0; b < tabla.largo[k]; ++b)
                    corto[fuera++] = tabla.bytes[k][b];
            } else {
                rapido = false;
            }
        }
        if (rapido) {
            sqlite3_result_text(ctx, corto, fuera, SQLITE_TRANSIENT);
            return;
        }
    }
    const QByteArray r = plegar(QString::fromUtf8(reinterpret_cast<const char*>(t), n)).toUtf8();
    sqlite3_result_text(ctx, r.constData(), int(r.size()), SQLITE_TRANSIENT);
}

void FuncionFold(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    static const TablaLatin1 tabla(PlegarTexto);
    ResultadoPlegado(ctx, argv, PlegarTexto, tabla);
}

void FuncionOrden(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    static const TablaLatin1 tabla(ClaveOrden);
    ResultadoPlegado(ctx, argv, ClaveOrden, tabla);
}

// es_contiene(aguja, texto1, texto2, ...): 1 when any text, case folded, holds `aguja`
// (already folded), else 0; NULL texts hold nothing. The search of a fragment with letters
// outside ASCII runs it over thirteen columns of every property: a text of plain ASCII
// cannot hold such a fragment and is passed over without being decoded.
void FuncionContiene(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const auto* a = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int na = sqlite3_value_bytes(argv[0]);
    bool agujaAscii = true;
    for (int i = 0; i < na && agujaAscii; ++i)
        agujaAscii = (a[i] & 0x80) == 0;
    const QString aguja = QString::fromUtf8(a, na);
    for (int k = 1; k < argc; ++k) {
        if (sqlite3_value_type(argv[k]) == SQLITE_NULL)
            continue;
        const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[k]));
        const int n = sqlite3_value_bytes(argv[k]);
        if (!agujaAscii) {
            bool ascii = true;
            for (int i = 0; i < n && ascii; ++i)
                ascii = (t[i] & 0x80) == 0;
            if (ascii)
                continue;
        }
        if (PlegarTexto(QString::fromUtf8(t, n)).contains(aguja)) {
            sqlite3_result_int(ctx, 1);
            return;
        }
    }
    sqlite3_result_int(ctx, 0);
}

}  // namespace

QString PlegarTexto(const QString& s)
{
    return s.toCaseFolded();
}

QString ClaveOrden(const QString& s)
{
    QString r;
    r.reserve(s.size() + 2);
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            r += (u >= 'A' && u <= 'Z') ? QChar(u + ('a' - 'A')) : c;
        } else if (u == 0xF1 || u == 0xD1) {
            // A letter of its own after n: "n" and a mark above every other ASCII character.
            r += u'n';
            r += QChar(0x7F);
        } else {
            const QChar base = c.decompositionTag() == QChar::Canonical ? c.decomposition().at(0) : c;
            r += base.toCaseFolded();
        }
    }
    return r;
}

int CompareSinCaso(const QString& a, const QString& b)
{
    return QString::compare(PlegarTexto(a), PlegarTexto(b), Qt::CaseSensitive);
}

QString DateTimeToSql(const QDateTime& dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString DateToSql(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
}

QDateTime SqlToDateTime(const QString& s)
{
    QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return dt;
}

Database::Database(const QString& path, Mode mode)
{
    open(path, mode);
}

Database::~Database()
{
    close();
}

Database::Database(Database&& o) noexcept : m_db(o.m_db), m_path(std::move(o.m_path))
{
    o.m_db = nullptr;
}

Database& Database::operator=(Database&& o) noexcept
{
    if (this != &o) {
        close();
        m_db = o.m_db;
        m_path = std::move(o.m_path);
        o.m_db = nullptr;
    }
    return *this;
}

void Database::open(const QString& path, Mode mode)
{
    close();
    // A connection is only ever used by the thread that opened it: no locking per call.
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::OpenExisting: flags |= SQLITE_OPEN_READWRITE; break;
    case Mode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case Mode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    }
    sqlite3* db = nullptr;
    const QByteArray p = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(p.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const DbError e = Fallo(db, rc, path);
        sqlite3_close(db);
        throw e;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
    sqlite3_create_collation(db, "ES_NOCASE", SQLITE_UTF8, nullptr, CollationEs);
    sqlite3_create_function(db, "es_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            FuncionFold, nullptr, nullptr);
    sqlite3_create_function(db, "es_contiene", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            FuncionContiene, nullptr, nullptr);
    sqlite3_create_function(db, "es_orden", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            FuncionOrden, nullptr, nullptr);
    m_db = db;
    m_path = path;
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Database::exec(const QString& sql)
{
    if (!m_db)
        throw DbError(QStringLiteral("No hay base abierta"), SQLITE_MISUSE);
    char* err = nullptr;
    const QByteArray s = sql.toUtf8();
    const int rc = sqlite3_exec(m_db, s.constData(), nullptr, nullptr, &err);
    sqlite3_free(err);
    if (rc != SQLITE_OK)
        throw Fallo(m_db, rc, m_path);
}

qint64 Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

qint64 Database::totalChanges() const
{
    return m_db ? sqlite3_total_changes64(m_db) : 0;
}

bool Database::inTransaction() const
{
    return m_db && !sqlite3_get_autocommit(m_db);
}

int Database::applicationId()
{
    return int(QueryInteger(*this, QStringLiteral("PRAGMA application_id")));
}

void Database::setApplicationId(int id)
{
    exec(QStringLiteral("PRAGMA application_id = %1").arg(id));
}

int Database::userVersion()
{
    return int(QueryInteger(*this, QStringLiteral("PRAGMA user_version")));
}

void Database::setUserVersion(int v)
{
    exec(QStringLiteral("PRAGMA user_version = %1").arg(v));
}

void Database::backupTo(const QString& target, const QString& nombre) const
{
    if (!m_db)
        throw DbError(QStringLiteral("No hay base abierta"), SQLITE_MISUSE);
    const QString destino = nombre.isEmpty() ? target : nombre;
    sqlite3* dst = nullptr;
    const QByteArray p = QFile::encodeName(target);
    int rc = sqlite3_open_v2(p.constData(), &dst, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const DbError e = Fallo(dst, rc, destino);
        sqlite3_close(dst);
        throw e;
    }
    sqlite3_extended_result_codes(dst, 1);
    sqlite3_backup* b = sqlite3_backup_init(dst, "main", m_db, "main");
    if (!b) {
        const DbError e = Fallo(dst, SQLITE_ERROR, destino);
        sqlite3_close(dst);
        throw e;
    }
    // Copy in steps so that a busy source is retried rather than failed.
    do {
        rc = sqlite3_backup_step(b, 256);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(b);
    if (rc == SQLITE_DONE) {
        sqlite3_close(dst);
        return;
    }
    // Writing failures belong to the copy; reading ones to this workspace.
    const int primario = rc & 0xff;
    const bool delDestino = primario == SQLITE_FULL || primario == SQLITE_READONLY || primario == SQLITE_CANTOPEN
        || primario == SQLITE_IOERR || primario == SQLITE_PERM;
    const DbError e = delDestino ? Fallo(dst, rc, destino) : Fallo(m_db, rc, m_path);
    sqlite3_close(dst);
    throw e;
}

Statement::Statement(Database& db, const QString& sql) : m_db(&db)
{
    if (!db.handle())
        throw DbError(QStringLiteral("No hay base abierta"), SQLITE_MISUSE);
    const QByteArray s = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db.handle(), s.constData(), int(s.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        const DbError e = Fallo(db.handle(), rc, db.path());
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw e;
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& o) noexcept : m_db(o.m_db), m_stmt(o.m_stmt)
{
    o.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& o) noexcept
{
    if (this != &o) {
        sqlite3_finalize(m_stmt);
        m_db = o.m_db;
        m_stmt = o.m_stmt;
        o.m_stmt = nullptr;
    }
    return *this;
}

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        throw Fallo(m_db->handle(), rc, m_db->path());
}

Statement& Statement::bind(int i, const QString& v)
{
    if (v.isNull())
        return bindNull(i);
    const QByteArray b = v.toUtf8();
    check(sqlite3_bind_text(m_stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind(int i, qint64 v)
{
    check(sqlite3_bind_int64(m_stmt, i, v));
    return *this;
}

Statement& Statement::bind(int i, const QDate& v)
{
    return v.isValid() ? bind(i, DateToSql(v)) : bindNull(i);
}

Statement& Statement::bind(int i, const QDateTime& v)
{
    return v.isValid() ? bind(i, DateTimeToSql(v)) : bindNull(i);
}

Statement& Statement::bind(int i, const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return bindNull(i);
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
        return bind(i, v.toLongLong());
    case QMetaType::QDate:
        return bind(i, v.toDate());
    case QMetaType::QDateTime:
        return bind(i, v.toDateTime());
    default:
        return bind(i, v.toString());
    }
}

Statement& Statement::bindNull(int i)
{
    check(sqlite3_bind_null(m_stmt, i));
    return *this;
}

bool Statement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const DbError e = Fallo(m_db->handle(), rc, m_db->path());
    sqlite3_reset(m_stmt);
    throw e;
}

void Statement::run()
{
    while (next()) {
    }
    reset();
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int c) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, c));
}

bool Statement::isNull(int c) const
{
    return sqlite3_column_type(m_stmt, c) == SQLITE_NULL;
}

QString Statement::text(int c) const
{
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c));
    if (!t)
        return QString();
    return QString::fromUtf8(t, sqlite3_column_bytes(m_stmt, c));
}

qint64 Statement::integer(int c) const
{
    return sqlite3_column_int64(m_stmt, c);
}

QDate Statement::date(int c) const
{
    return dateTime(c).date();
}

QDateTime Statement::dateTime(int c) const
{
    if (isNull(c))
        return QDateTime();
    return SqlToDateTime(text(c));
}

QVariant Statement::value(int c) const
{
    switch (sqlite3_column_type(m_stmt, c)) {
    case SQLITE_INTEGER: return QVariant(integer(c));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_stmt, c));
    case SQLITE_NULL: return QVariant();
    default: return QVariant(text(c));
    }
}

Statement::Tipo Statement::type(int c) const
{
    switch (sqlite3_column_type(m_stmt, c)) {
    case SQLITE_INTEGER: return Tipo::Entero;
    case SQLITE_FLOAT: return Tipo::Real;
    case SQLITE_NULL: return Tipo::Nulo;
    case SQLITE_BLOB: return Tipo::Blob;
    default: return Tipo::Texto;
    }
}

double Statement::real(int c) const
{
    return sqlite3_column_double(m_stmt, c);
}

QByteArrayView Statement::bytes(int c) const
{
    const void* p = sqlite3_column_blob(m_stmt, c);
    return p ? QByteArrayView(static_cast<const char*>(p), sqlite3_column_bytes(m_stmt, c)) : QByteArrayView();
}

Transaction::Transaction(Database& db) : m_db(db)
{
    m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_done && m_db.inTransaction()) {
        try {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}

Savepoint::Savepoint(Database& db, const char* name)
    : m_db(db), m_name(QString::fromLatin1(name)), m_outer(!db.inTransaction())
{
    m_db.exec(QStringLiteral("SAVEPOINT ") + m_name);
}

Savepoint::~Savepoint()
{
    if (m_done)
        return;
    try {
        if (m_outer) {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } else {
            m_db.exec(QStringLiteral("ROLLBACK TO ") + m_name);
            m_db.exec(QStringLiteral("RELEASE ") + m_name);
        }
    } catch (...) {
    }
}

void Savepoint::release()
{
    m_db.exec(QStringLiteral("RELEASE ") + m_name);
    m_done = true;
}

qint64 QueryInteger(Database& db, const QString& sql, qint64 porDefecto)
{
    Statement st(db, sql);
    return st.next() && !st.isNull(0) ? st.integer(0) : porDefecto;
}

QString FechaSql(const QDate& fecha)
{
    return fecha.isValid() ? u'\'' + DateToSql(fecha) + u'\'' : QStringLiteral("NULL");
}

RangoFechas RangoMes(int anio, int mes)
{
    const QDate primero(anio, mes, 1);
    if (!primero.isValid())
        throw UserError(QStringLiteral("El mes %1/%2 no es válido.").arg(mes).arg(anio));
    // "10000-01-01" would sort before the days of 9999-12: end that month on its last day's
    // midnight, which sorts after every time of it.
    const QDate siguiente = primero.addMonths(1);
    if (siguiente.year() > 9999)
        return {DateToSql(primero), QStringLiteral("9999-12-31 24:00:00")};
    return {DateToSql(primero), DateToSql(siguiente)};
}

QString QuoteIdentifier(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}
