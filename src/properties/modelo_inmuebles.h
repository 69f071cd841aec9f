#pragma once
// The properties of the open workspace as a table for the main window: street, floor,
// tenant, owner, total rent and last billed month, in browsing order. Rows are read from
// the property record class a page at a time, only as the view shows them.
#include <QAbstractTableModel>
#include <QHash>
#include <memory>

class Database;
class CInmuebleSet;
class Statement;

class CModeloInmuebles : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Columna { Direccion, Piso, Inquilino, Arrendador, Total, UltimoMes, kColumnas };

    explicit CModeloInmuebles(Database& db, QObject* parent = nullptr);
    ~CModeloInmuebles() override;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

    // Only the properties the search dialog would find for `texto`; all when it is empty.
    // Throws DbError when the statement fails (the rows are then empty).
    void Filtrar(const QString& texto);
    // Reads the rows again in the current browsing order: after a form or a run wrote.
    void Recargar();
    qint64 Ref(int fila) const;

private:
    bool Situar(int fila) const;
    QString UltimoMesDe() const;   // of the current row

    Database& m_db;
    QString m_filtro;
    std::unique_ptr<CInmuebleSet> m_rs;
    int m_filas = 0;
    mutable std::unique_ptr<Statement> m_ultimoMes;
    mutable QHash<qint64, QString> m_meses;   // row id -> "MM/AAAA", read once per load
};
