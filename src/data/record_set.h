#pragma once
// A record set over one table or one query with a current row: the base of the record classes.
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

#include "util/errores.h"
#include "util/moneda.h"

class Database;
class Statement;

// The row being stored was changed by another connection since this record set read it:
// nothing was written. The caller shows the row again as it is now.
class RowChangedError : public UserError {
public:
    using UserError::UserError;
};

// Keyset cursor: the ordered row ids are read when the set opens, the current row is read
// on demand (a page at a time). When any row of the connection changes, the next move
// reloads the keys, so each record set sees what the others stored; edit() also sees what
// other connections committed.
// Opened over a SELECT, it holds a read-only copy of the query's rows in the query's order.
// Errors are thrown: UserError for the user's mistakes (a text too long, no current row),
// RowChangedError for a row changed elsewhere meanwhile, DbError for the engine's.
class RecordSet {
public:
    enum class EditMode { None, Edit, Add };

    virtual ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    bool isOpen() const { return m_db != nullptr; }
    void close();
    bool isTable() const { return !m_consulta; }
    QString table() const { return m_tabla; }
    const QStringList& columns() const { return m_columnas; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrev();
    void move(int n);
    // Moves n rows; past the end it goes to the first row, before the beginning to the last
    // (one step wraps around, a longer one stops at the wrapped end).
    void moveWrapping(int n);
    bool isBOF() const;
    bool isEOF() const;
    bool hasCurrent() const;
    qint64 currentRowId() const { return hasCurrent() ? m_claves[size_t(m_pos)] : -1; }
    int position() const { return m_pos; }   // 0 for the first row
    int rowCount();

    // Values of the current row (or of the row being edited).
    QVariant value(const QString& columna) const;
    QString text(const QString& columna) const;
    qint64 integer(const QString& columna) const;
    Moneda money(const QString& columna) const;
    bool boolean(const QString& columna) const;
    QDateTime dateTime(const QString& columna) const;

    // Setting a value starts editing the current row when no edit is pending.
    void setValue(const QString& columna, const QVariant& v);
    void setText(const QString& columna, const QString& v) { setValue(columna, v); }
    void setInteger(const QString& columna, qint64 v) { setValue(columna, v); }
    void setMoney(const QString& columna, Moneda v) { setValue(columna, v.Diezmilesimas()); }
    void setBoolean(const QString& columna, bool v) { setValue(columna, qint64(v ? 1 : 0)); }
    void setDateTime(const QString& columna, const QDateTime& v);
    void setDate(const QString& columna, const QDate& v);
    void setValues(const QVariantHash& valores);   // column name -> value

    void addNew();        // a new row: texts empty, numbers and flags 0, dates empty
    // Edits the current row as stored now, other connections' commits included; the values
    // read after it are the ones update() checks against.
    void edit();
    // Stores the pending row; a new row becomes the current one. An edited row writes only
    // the columns whose value changed, and only while those columns still hold what edit()
    // read: otherwise nothing is written and RowChangedError is thrown.
    void update();
    void cancelUpdate();
    void revertEdit();    // the values edit() read, still editing
    void remove();        // deletes the current row; the next move goes on from it
    EditMode editMode() const { return m_modo; }

    // Orders the rows by the columns of the named index of this table; false when the index
    // does not exist (the rows then come in stored order).
    bool setCurrentIndex(const QString& indice);
    // Orders the rows by these ORDER BY terms (the program's own, never user text).
    void setOrder(const QString& terminos);
    // Only the rows of a table that meet `condicion` (the program's own SQL, its values bound
    // from `valores` as ?1, ?2...), on every reload; empty for all rows. Back on the first row.
    void setFilter(const QString& condicion, const QVariantList& valores = {});
    void requery();
    Database& database() const;

protected:
    // fuente: empty for `tabla`, "[name]" for another table, anything else a SELECT.
    // A table is read in the order of `orden` (ORDER BY terms) when given, else of the index
    // `indice` when it exists (selecting it never fails the open), else in stored order.
    RecordSet(Database* db, const QString& tabla, const QStringList& columnas,
              const QString& fuente = QString(), const QString& indice = QString(),
              const QString& orden = QString());
    int columnIndex(const QString& columna) const;
    QString m_fuente;

private:
    void loadKeys();
    QString orderOfIndex(const QString& indice) const;
    void seeOtherConnections();
    void resync();
    void readCurrent();
    void checkCurrent() const;
    void insertNew();
    void updateColumns(const std::vector<int>& cambiadas);
    bool orderUses(const std::vector<int>& columnas) const;
    void noteOwnWrite();

    Database* m_db = nullptr;
    QString m_tabla;
    QStringList m_columnas;
    QHash<QString, int> m_posiciones;
    bool m_consulta = false;
    QString m_orden = QStringLiteral("rowid");
    QString m_filtro;
    QVariantList m_valoresFiltro;

    std::vector<qint64> m_claves;           // row ids, or indexes into m_filasConsulta
    std::vector<QVariantList> m_filasConsulta;
    int m_pos = -1;                         // -1 before the first row, size() after the last
    bool m_borrada = false;
    qint64 m_cambios = 0;                   // the connection's change count the keys reflect
    qint64 m_versionDatos = -1;             // PRAGMA data_version when the keys were read

    // One stored value as read: numbers as they are, texts as UTF-8 bytes in the page's
    // buffer. Texts become QStrings only when asked for.
    struct Celda {
        enum Tipo : quint8 { Nulo, Entero, Real, Texto };
        qint64 numero = 0;      // the integer, or the bits of the real
        int inicio = 0;         // text: offset in the buffer
        int largo = 0;
        Tipo tipo = Nulo;
    };
    QVariant decodificar(const Celda& c) const;
    const Celda* celdaActual(int columna) const;
    void leerPagina(int columna) const;
    Statement& lecturaDe(const std::vector<int>& columnas) const;
    void materializar();

    // The page of kPagina rows around the current one, read a column at a time: a walk that
    // looks at two columns reads only those. A page that is asked for more reads them all;
    // the next page reads the columns asked for so far in one statement.
    // Valid while m_cambiosPagina holds when it needs another column.
    mutable std::vector<Celda> m_pagina;            // kPagina rows of m_columnas.size() cells
    mutable std::vector<char> m_hayFila;            // per slot: the row was found
    mutable std::vector<char> m_columnaLeida;       // per column
    mutable QByteArray m_textosPagina;
    mutable int m_inicioPagina = -1;
    mutable qint64 m_cambiosPagina = -1;
    mutable int m_lecturasPagina = 0;
    std::unique_ptr<Statement> m_lectura;           // every column
    mutable std::map<std::vector<int>, std::unique_ptr<Statement>> m_lecturas;   // by columns read
    mutable std::vector<char> m_columnaUsada;       // per column: asked for since the set opened

    QVariantList m_actual;
    QVariantList m_leido;                   // the edited row as edit() read it
    bool m_enLista = true;                  // m_actual holds the row (edited, new, or a query's)
    EditMode m_modo = EditMode::None;
};

// The ORDER BY terms of the named index of the table (texts by es_orden, ties by rowid);
// empty when there is no such index or it has no plain columns to follow.
QString OrdenIndice(Database& db, const QString& tabla, const QString& indice);

// Rows of a record set: 0 for none or a closed one. Leaves the set on its first row.
int ContarRegistros(RecordSet* rs);
