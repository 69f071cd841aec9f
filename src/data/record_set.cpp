#include "data/record_set.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <utility>

#include "data/database.h"
#include "data/esquema.h"
#include "util/errores.h"

namespace {

constexpr int kPagina = 128;

}  // namespace

RecordSet::RecordSet(Database* db, const QString& tabla, const QStringList& columnas, const QString& fuente,
                     const QString& indice, const QString& orden)
    : m_fuente(fuente), m_tabla(tabla), m_columnas(columnas)
{
    if (!db)
        throw UserError(QStringLiteral("No hay Base"));
    if (!db->isOpen())
        throw UserError(QStringLiteral("No hay base abierta"));
    for (int i = 0; i < m_columnas.size(); ++i)
        m_posiciones.insert(m_columnas[i].toLower(), i);

    const QString f = fuente.trimmed();
    QString queAbre;
    try {
        if (f.isEmpty() || f.startsWith(u'[')) {
            if (!f.isEmpty())
                m_tabla = f.mid(1, f.indexOf(u']') > 0 ? f.indexOf(u']') - 1 : -1).trimmed();
            queAbre = QStringLiteral("la tabla «%1»").arg(m_tabla);
            Statement existe(*db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
            if (!existe.bind(1, m_tabla).next())
                throw DbError(QStringLiteral("no existe"), 1);
            QStringList lista;
            for (const QString& c : m_columnas)
                lista << QuoteIdentifier(c);
            m_lectura = std::make_unique<Statement>(
                *db, QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3)")
                         .arg(lista.join(QStringLiteral(", ")), QuoteIdentifier(m_tabla),
                              QStringList(kPagina, QStringLiteral("?")).join(u',')));
            m_db = db;
            if (!orden.isEmpty())
                m_orden = orden + QStringLiteral(", rowid");
            else if (const QString o = indice.isEmpty() ? QString() : orderOfIndex(indice); !o.isEmpty())
                m_orden = o;
            loadKeys();
        } else {
            m_consulta = true;
            queAbre = QStringLiteral("la consulta «%1»").arg(f);
            Statement st(*db, f);
            std::vector<int> destino;
            for (int c = 0; c < st.columnCount(); ++c)
                destino.push_back(m_posiciones.value(st.columnName(c).toLower(), -1));
            while (st.next()) {
                QVariantList fila(m_columnas.size());
                for (int c = 0; c < int(destino.size()); ++c)
                    if (destino[c] >= 0)
                        fila[destino[c]] = st.value(c);
                m_claves.push_back(qint64(m_filasConsulta.size()));
                m_filasConsulta.push_back(std::move(fila));
            }
            m_db = db;
        }
    } catch (const DbError& e) {
        m_db = nullptr;
        throw UserError(QStringLiteral("No se ha podido abrir %1: %2").arg(queAbre, TextoError(e)));
    }
    m_pos = m_claves.empty() ? -1 : 0;
    readCurrent();
}

RecordSet::~RecordSet() = default;

void RecordSet::close()
{
    m_lectura.reset();
    m_db = nullptr;
    m_claves.clear();
    m_filasConsulta.clear();
    m_pagina.clear();
    m_inicioPagina = -1;
    m_pos = -1;
    m_modo = EditMode::None;
    m_actual.clear();
    m_lecturas.clear();
    m_columnaUsada.clear();
    m_enLista = true;
}

Database& RecordSet::database() const
{
    if (!m_db)
        throw UserError(QStringLiteral("No hay base abierta"));
    return *m_db;
}

QString OrdenIndice(Database& db, const QString& tabla, const QString& indice)
{
    QStringList orden;
    Statement es(db, "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1 COLLATE NOCASE"
                     " AND tbl_name = ?2 COLLATE NOCASE");
    if (!es.bind(1, indice).bind(2, tabla).next())
        return QString();
    Statement st(db, "SELECT name, \"desc\" FROM pragma_index_xinfo(?1) WHERE key = 1 ORDER BY seqno");
    st.bind(1, indice);
    while (st.next()) {
        if (st.isNull(0))
            return QString();   // an expression index: no column order to follow
        // Texts sort by their key (es_orden): case and accents ignored.
        orden << ExpresionOrden(tabla, st.text(0)) + (st.integer(1) ? QStringLiteral(" DESC") : QString());
    }
    if (orden.isEmpty())
        return QString();
    orden << QStringLiteral("rowid");
    return orden.join(QStringLiteral(", "));
}

QString RecordSet::orderOfIndex(const QString& indice) const
{
    return OrdenIndice(*m_db, m_tabla, indice);
}

void RecordSet::setFilter(const QString& condicion, const QVariantList& valores)
{
    if (!m_db || m_consulta)
        return;
    m_filtro = condicion;
    m_valoresFiltro = valores;
    requery();
}

bool RecordSet::setCurrentIndex(const QString& indice)
{
    if (!m_db || m_consulta)
        return false;
    const QString orden = orderOfIndex(indice);
    if (orden.isEmpty())
        return false;
    m_orden = orden;
    requery();
    return true;
}

void RecordSet::setOrder(const QString& terminos)
{
    if (!m_db || m_consulta)
        return;
    m_orden = terminos + QStringLiteral(", rowid");
    requery();
}

void RecordSet::requery()
{
    if (!m_db)
        return;
    m_modo = EditMode::None;
    m_borrada = false;
    if (!m_consulta)
        loadKeys();
    m_pos = m_claves.empty() ? -1 : 0;
    readCurrent();
}

void RecordSet::loadKeys()
{
    // Read before the keys: a commit elsewhere in between shows as a change next time.
    m_versionDatos = QueryInteger(*m_db, QStringLiteral("PRAGMA data_version"));
    std::vector<qint64> claves;
    claves.reserve(m_claves.size());
    Statement st(*m_db, QStringLiteral("SELECT rowid FROM %1%2 ORDER BY %3")
                            .arg(QuoteIdentifier(m_tabla),
                                 m_filtro.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_filtro, m_orden));
    for (int i = 0; i < m_valoresFiltro.size(); ++i)
        st.bind(i + 1, m_valoresFiltro[i]);
    while (st.next())
        claves.push_back(st.integer(0));
    m_claves = std::move(claves);
    m_inicioPagina = -1;
    m_cambios = m_db->totalChanges();
}

// Other connections' commits do not move this connection's change count: asking SQLite
// costs a statement, so it is done where a caller is about to change a row, not per move.
void RecordSet::seeOtherConnections()
{
    if (!m_db || m_consulta)
        return;
    if (QueryInteger(*m_db, QStringLiteral("PRAGMA data_version")) == m_versionDatos)
        return;
    m_cambios = -1;         // the next resync reloads the keys...
    m_inicioPagina = -1;    // ...and the page is read again
}

// Reloads the keys when anything was written since they were read, staying on the same row.
void RecordSet::resync()
{
    if (!m_db || m_consulta || m_db->totalChanges() == m_cambios)
        return;
    const bool habia = m_pos >= 0 && m_pos < int(m_claves.size());
    const qint64 actual = habia ? m_claves[m_pos] : 0;
    const int antes = m_pos;
    const bool borrada = m_borrada;
    loadKeys();
    const int n = int(m_claves.size());
    if (habia && !borrada) {
        const auto it = std::find(m_claves.begin(), m_claves.end(), actual);
        if (it != m_claves.end()) {
            m_pos = int(it - m_claves.begin());
            return;
        }
        // The current row was deleted elsewhere: the next move goes on from its place.
        m_borrada = true;
        m_pos = std::min(antes, n) - 1;
        return;
    }
    m_pos = std::clamp(antes, -1, n);
}

// The statement that reads these columns (in this order) of the rows of a page.
Statement& RecordSet::lecturaDe(const std::vector<int>& columnas) const
{
    if (int(columnas.size()) == m_columnas.size())
        return *m_lectura;
    auto& st = m_lecturas[columnas];
    if (!st) {
        QStringList lista;
        for (const int c : columnas)
            lista << QuoteIdentifier(m_columnas[c]);
        st = std::make_unique<Statement>(*m_db, QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3)")
                                                    .arg(lista.join(QStringLiteral(", ")), QuoteIdentifier(m_tabla),
                                                         QStringList(kPagina, QStringLiteral("?")).join(u',')));
    }
    return *st;
}

// Reads column `columna` (or every column, when negative) of the page of the current row.
// A new page reads at once every column asked for so far: a walk over a few columns of a
// wide table reads only those, in one statement a page.
void RecordSet::leerPagina(int columna) const
{
    const int n = int(m_columnas.size());
    const int inicio = m_pos / kPagina * kPagina;
    const bool nueva = m_inicioPagina != inicio || m_db->totalChanges() != m_cambiosPagina;
    if (nueva) {
        // A new page, or the stored rows changed: start again so no row mixes old and new values.
        m_pagina.resize(size_t(kPagina) * size_t(n));
        m_hayFila.assign(kPagina, 0);
        m_columnaLeida.assign(size_t(n), 0);
        m_textosPagina.clear();
        m_lecturasPagina = 0;
        m_cambiosPagina = m_db->totalChanges();
        m_inicioPagina = inicio;
    }
    if (int(m_columnaUsada.size()) != n)
        m_columnaUsada.assign(size_t(n), 0);
    std::vector<int> leer;
    if (columna < 0 || m_lecturasPagina >= 2) {
        for (int c = 0; c < n; ++c)
            leer.push_back(c);
    } else {
        m_columnaUsada[size_t(columna)] = 1;
        for (int c = 0; c < n; ++c)
            if (c == columna || (nueva && m_columnaUsada[size_t(c)]))
                leer.push_back(c);
    }
    Statement* st = &lecturaDe(leer);
    ++m_lecturasPagina;

    std::vector<std::pair<qint64, int>> huecos;   // row id -> slot, sorted by row id
    huecos.reserve(kPagina);
    for (int i = 0; i < kPagina; ++i) {
        const int p = inicio + i;
        if (p < int(m_claves.size())) {
            st->bind(i + 1, m_claves[size_t(p)]);
            huecos.emplace_back(m_claves[size_t(p)], i);
        } else {
            st->bindNull(i + 1);
        }
    }
    std::sort(huecos.begin(), huecos.end());
    // A row another program deleted meanwhile reads as empty, never as a stale cell.
    for (int i = 0; i < kPagina; ++i)
        for (const int c : leer)
            m_pagina[size_t(i) * size_t(n) + size_t(c)] = Celda{};
    try {
        while (st->next()) {
            const qint64 id = st->integer(0);
            const auto it = std::lower_bound(huecos.begin(), huecos.end(),
                                             std::make_pair(id, std::numeric_limits<int>::min()));
            if (it == huecos.end() || it->first != id)
                continue;
            m_hayFila[size_t(it->second)] = 1;
            Celda* fila = &m_pagina[size_t(it->second) * size_t(n)];
            for (int k = 0; k < int(leer.size()); ++k) {
                const int origen = k + 1;
                Celda& celda = fila[leer[size_t(k)]];
                switch (st->type(origen)) {
                case Statement::Tipo::Nulo:
                    celda.tipo = Celda::Nulo;
                    break;
                case Statement::Tipo::Entero:
                    celda.tipo = Celda::Entero;
                    celda.numero = st->integer(origen);
                    break;
                case Statement::Tipo::Real:
                    celda.tipo = Celda::Real;
                    celda.numero = std::bit_cast<qint64>(st->real(origen));
                    break;
                default: {
                    const QByteArrayView b = st->bytes(origen);
                    celda.tipo = Celda::Texto;
                    celda.inicio = int(m_textosPagina.size());
                    celda.largo = int(b.size());
                    m_textosPagina.append(b);
                }
                }
            }
        }
    } catch (...) {
        st->reset();
        m_inicioPagina = -1;
        throw;
    }
    st->reset();
    for (const int c : leer)
        m_columnaLeida[size_t(c)] = 1;
}

// The stored value of a column of the current row; null when there is none (or it was
// deleted since the keys were read).
const RecordSet::Celda* RecordSet::celdaActual(int columna) const
{
    if (!hasCurrent() || !m_db)
        return nullptr;
    if (int(m_columnaUsada.size()) == m_columnas.size())
        m_columnaUsada[size_t(columna)] = 1;
    const int inicio = m_pos / kPagina * kPagina;
    if (m_inicioPagina != inicio || !m_columnaLeida[size_t(columna)])
        leerPagina(columna);
    const int hueco = m_pos - inicio;
    if (!m_hayFila[size_t(hueco)])
        return nullptr;
    return &m_pagina[size_t(hueco) * size_t(m_columnas.size()) + size_t(columna)];
}

QVariant RecordSet::decodificar(const Celda& c) const
{
    switch (c.tipo) {
    case Celda::Entero: return QVariant(c.numero);
    case Celda::Real: return QVariant(std::bit_cast<double>(c.numero));
    case Celda::Texto: return QVariant(QString::fromUtf8(m_textosPagina.constData() + c.inicio, c.largo));
    default: return QVariant();
    }
}

void RecordSet::readCurrent()
{
    if (m_consulta) {
        m_actual = hasCurrent() ? m_filasConsulta[size_t(m_claves[size_t(m_pos)])]
                                : QVariantList(m_columnas.size());
        m_enLista = true;
        return;
    }
    m_actual.clear();
    m_enLista = false;   // values come from the page when asked for
}

// Turns the current row into values that an edit can change.
void RecordSet::materializar()
{
    if (m_enLista)
        return;
    QVariantList fila;
    fila.reserve(m_columnas.size());
    if (hasCurrent() && m_db) {
        const int inicio = m_pos / kPagina * kPagina;
        if (m_inicioPagina != inicio || std::count(m_columnaLeida.begin(), m_columnaLeida.end(), 0) > 0)
            leerPagina(-1);
    }
    for (int i = 0; i < m_columnas.size(); ++i) {
        const Celda* c = celdaActual(i);
        fila.append(c ? decodificar(*c) : QVariant());
    }
    m_actual = std::move(fila);
    m_enLista = true;
}

void RecordSet::moveFirst()
{
    resync();
    m_modo = EditMode::None;
    m_borrada = false;
    m_pos = m_claves.empty() ? -1 : 0;
    readCurrent();
}

void RecordSet::moveLast()
{
    resync();
    m_modo = EditMode::None;
    m_borrada = false;
    m_pos = int(m_claves.size()) - 1;
    readCurrent();
}

void RecordSet::moveNext()
{
    move(1);
}

void RecordSet::movePrev()
{
    move(-1);
}

void RecordSet::moveWrapping(int n)
{
    move(n);
    if (m_claves.empty())
        return;
    if (isEOF())
        moveFirst();
    else if (isBOF())
        moveLast();
}

void RecordSet::move(int n)
{
    resync();
    m_modo = EditMode::None;
    // After a deletion the position is on the row before the deleted one.
    if (m_borrada && n < 0)
        n += 1;
    m_borrada = false;
    const qint64 destino = qint64(m_pos) + n;
    m_pos = int(std::clamp<qint64>(destino, -1, qint64(m_claves.size())));
    readCurrent();
}

bool RecordSet::isBOF() const
{
    return m_claves.empty() || m_pos < 0;
}

bool RecordSet::isEOF() const
{
    return m_claves.empty() || m_pos >= int(m_claves.size());
}

bool RecordSet::hasCurrent() const
{
    return !m_borrada && m_pos >= 0 && m_pos < int(m_claves.size());
}

int RecordSet::rowCount()
{
    resync();
    return int(m_claves.size());
}

int RecordSet::columnIndex(const QString& columna) const
{
    // Names are kept in lower case; callers mostly pass them so.
    const auto it = m_posiciones.constFind(columna);
    const int i = it != m_posiciones.cend() ? it.value() : m_posiciones.value(columna.toLower(), -1);
    if (i < 0)
        throw UserError(QStringLiteral("La columna «%1» no está en %2.").arg(columna, m_tabla));
    return i;
}

QVariant RecordSet::value(const QString& columna) const
{
    const int i = columnIndex(columna);
    if (!m_enLista) {
        const Celda* c = celdaActual(i);
        return c ? decodificar(*c) : QVariant();
    }
    return i < m_actual.size() ? m_actual[i] : QVariant();
}

QString RecordSet::text(const QString& columna) const
{
    const QVariant v = value(columna);
    return v.isNull() ? QStringLiteral("") : v.toString();
}

qint64 RecordSet::integer(const QString& columna) const
{
    return value(columna).toLongLong();
}

Moneda RecordSet::money(const QString& columna) const
{
    return Moneda::DeDiezmilesimas(integer(columna));
}

bool RecordSet::boolean(const QString& columna) const
{
    return integer(columna) != 0;
}

QDateTime RecordSet::dateTime(const QString& columna) const
{
    const QVariant v = value(columna);
    return v.isNull() ? QDateTime() : SqlToDateTime(v.toString());
}

int ContarRegistros(RecordSet* rs)
{
    if (!rs || !rs->isOpen())
        return 0;
    const int n = rs->rowCount();
    if (n > 0)
        rs->moveFirst();
    else
        rs->moveLast();
    return n;
}
