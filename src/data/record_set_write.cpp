#include "data/record_set.h"

#include <QRegularExpression>
#include <algorithm>

#include "data/database.h"
#include "data/esquema.h"

// Changing rows: the values set, and their storage.

namespace {

// Whether a value set equals the one read: a number set as an integer matches the same
// number read back, a null matches only a null.
bool MismoValor(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const bool textoA = a.typeId() == QMetaType::QString, textoB = b.typeId() == QMetaType::QString;
    if (textoA || textoB)
        return textoA && textoB && a.toString() == b.toString();
    if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double)
        return a.toDouble() == b.toDouble();
    return a.toLongLong() == b.toLongLong();
}

}  // namespace

void RecordSet::setValue(const QString& columna, const QVariant& v)
{
    const int i = columnIndex(columna);
    if (m_modo == EditMode::None)
        edit();
    if (v.typeId() == QMetaType::Bool)
        m_actual[i] = qint64(v.toBool() ? 1 : 0);
    else if (v.typeId() == QMetaType::Int)
        m_actual[i] = qint64(v.toInt());
    else
        m_actual[i] = v;
}

void RecordSet::setValues(const QVariantHash& valores)
{
    for (auto it = valores.cbegin(); it != valores.cend(); ++it)
        setValue(it.key(), it.value());
}

void RecordSet::setDateTime(const QString& columna, const QDateTime& v)
{
    setValue(columna, v.isValid() ? QVariant(DateTimeToSql(v)) : QVariant());
}

void RecordSet::setDate(const QString& columna, const QDate& v)
{
    setValue(columna, v.isValid() ? QVariant(DateToSql(v)) : QVariant());
}

void RecordSet::checkCurrent() const
{
    if (!m_db)
        throw UserError(QStringLiteral("No hay base abierta"));
    if (m_consulta)
        throw UserError(QStringLiteral("Los datos de esta consulta no se pueden modificar."));
}

void RecordSet::addNew()
{
    checkCurrent();
    const Tabla* t = BuscarTabla(m_tabla);
    m_actual = QVariantList(m_columnas.size());
    m_enLista = true;
    for (int i = 0; i < m_columnas.size(); ++i) {
        TipoColumna tipo = TipoColumna::Texto;
        if (t)
            for (const Columna& c : t->columnas)
                if (m_columnas[i].compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0)
                    tipo = c.tipo;
        if (tipo == TipoColumna::Texto || tipo == TipoColumna::TextoLargo)
            m_actual[i] = QStringLiteral("");
        else if (tipo != TipoColumna::FechaHora)
            m_actual[i] = qint64(0);
    }
    m_modo = EditMode::Add;
}

void RecordSet::edit()
{
    checkCurrent();
    seeOtherConnections();
    resync();
    if (!hasCurrent())
        throw UserError(QStringLiteral("No hay ningún registro actual que modificar."));
    readCurrent();
    materializar();
    m_leido = m_actual;
    m_modo = EditMode::Edit;
}

void RecordSet::revertEdit()
{
    if (m_modo == EditMode::Edit)
        m_actual = m_leido;
}

void RecordSet::cancelUpdate()
{
    m_modo = EditMode::None;
    m_leido.clear();
    readCurrent();
}

// After our own write: when the keys were current before it, they still are (an edit or a
// deletion we track ourselves); otherwise the next move reloads them.
void RecordSet::noteOwnWrite()
{
    m_inicioPagina = -1;
}

void RecordSet::update()
{
    if (m_modo == EditMode::None)
        return;
    checkCurrent();
    const bool alDia = m_db->totalChanges() == m_cambios;
    if (m_modo == EditMode::Add) {
        insertNew();
    } else {
        std::vector<int> cambiadas;
        for (int i = 0; i < m_columnas.size(); ++i)
            if (!MismoValor(m_actual[i], m_leido.value(i)))
                cambiadas.push_back(i);
        if (!cambiadas.empty())
            updateColumns(cambiadas);
        // A change of an ordering column moves the row: the next move reloads the keys.
        if (alDia && !orderUses(cambiadas))
            m_cambios = m_db->totalChanges();
    }
    m_modo = EditMode::None;
    m_leido.clear();
    readCurrent();
}

bool RecordSet::orderUses(const std::vector<int>& columnas) const
{
    for (int i : columnas) {
        const QRegularExpression palabra(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(m_columnas[i])),
                                         QRegularExpression::CaseInsensitiveOption);
        if (m_orden.contains(palabra))
            return true;
    }
    return false;
}

void RecordSet::insertNew()
{
    // Texts longer than their column are refused, never cut.
    for (int i = 0; i < m_columnas.size(); ++i)
        if (m_actual[i].typeId() == QMetaType::QString)
            ComprobarAncho(m_tabla, m_columnas[i], m_actual[i].toString());
    const Tabla* t = BuscarTabla(m_tabla);
    QStringList cols, marcas;
    QVariantList valores;
    for (int i = 0; i < m_columnas.size(); ++i) {
        if (m_columnas[i] == QLatin1String("ref") && t && t->refEsFila && m_actual[i].toLongLong() == 0)
            continue;   // the row id numbers it
        QVariant v = m_actual[i];
        if (m_columnas[i] == QLatin1String("ref") && v.isNull())
            v = qint64(0);
        cols << QuoteIdentifier(m_columnas[i]);
        valores << v;
        marcas << QStringLiteral("?%1").arg(valores.size());
    }
    Statement ins(*m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(QuoteIdentifier(m_tabla), cols.join(QStringLiteral(", ")),
                                  marcas.join(QStringLiteral(", "))));
    for (int i = 0; i < valores.size(); ++i)
        ins.bind(i + 1, valores[i]);
    ins.run();
    const qint64 nueva = m_db->lastInsertId();
    loadKeys();
    const auto it = std::find(m_claves.begin(), m_claves.end(), nueva);
    m_pos = it != m_claves.end() ? int(it - m_claves.begin()) : int(m_claves.size());
}

// Writes the changed columns only while they still hold what edit() read: another
// program's change of the same row is never overwritten unseen.
void RecordSet::updateColumns(const std::vector<int>& cambiadas)
{
    for (int i : cambiadas)
        if (m_actual[i].typeId() == QMetaType::QString)
            ComprobarAncho(m_tabla, m_columnas[i], m_actual[i].toString());
    QStringList sets, condiciones;
    const int n = int(cambiadas.size());
    for (int k = 0; k < n; ++k) {
        const QString col = QuoteIdentifier(m_columnas[cambiadas[size_t(k)]]);
        sets << QStringLiteral("%1 = ?%2").arg(col).arg(k + 1);
        condiciones << QStringLiteral("%1 IS ?%2 COLLATE BINARY").arg(col).arg(n + k + 2);
    }
    Statement upd(*m_db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3 AND %4")
                             .arg(QuoteIdentifier(m_tabla), sets.join(QStringLiteral(", ")))
                             .arg(n + 1)
                             .arg(condiciones.join(QStringLiteral(" AND "))));
    for (int k = 0; k < n; ++k) {
        upd.bind(k + 1, m_actual[cambiadas[size_t(k)]]);
        upd.bind(n + k + 2, m_leido.value(cambiadas[size_t(k)]));
    }
    upd.bind(n + 1, m_claves[size_t(m_pos)]);
    upd.run();
    noteOwnWrite();
    if (m_db->changes() == 0)
        throw RowChangedError(QStringLiteral(
            "Otro programa ha cambiado o borrado estos datos desde que se leyeron: no se ha "
            "guardado nada. Vuelva a mostrarlos y repita el cambio."));
}

void RecordSet::remove()
{
    checkCurrent();
    resync();
    if (!hasCurrent())
        throw UserError(QStringLiteral("No hay ningún registro actual que borrar."));
    const bool alDia = m_db->totalChanges() == m_cambios;
    Statement(*m_db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(QuoteIdentifier(m_tabla)))
        .bind(1, m_claves[m_pos]).run();
    m_claves.erase(m_claves.begin() + m_pos);
    m_pos -= 1;
    m_borrada = true;
    m_modo = EditMode::None;
    noteOwnWrite();
    if (alDia)
        m_cambios = m_db->totalChanges();
    m_actual = QVariantList(m_columnas.size());
    m_enLista = true;
}

