#pragma once
// The staged receipts of an issue as the selection form shows them: one row per row of
// emision_recibo, each with its on-screen "Si"/"No", which is stored only on confirmation.
#include <QAbstractTableModel>
#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <vector>

#include "util/moneda.h"

class Database;

// The three issue flows the selection form serves.
enum class ModoSeleccion {
    Banco,      // the owner's direct-debit file
    Papel,      // the paper receipts of one owner or of all
    Revision,   // the review of a whole billing run
};

// One staged receipt as the form lists it.
struct FilaSeleccion {
    qint64 fila = 0;   // the staged row (rowid)
    qint64 ref = 0;    // the receipt
    QString arrendador, direccion, piso, nom_arrendatario, doc_arrendatario_num;
    QString banco, sucursal, dc, ccc;
    Moneda total;
    bool seleccionado = true;
};

// A table model over every staged row in staged order, with no limit on their number.
// Columns: the selection ("Si"/"No"), the modify button, then "Via", "Piso",
// "Arrendatario", "DNI" and "Importe" (the receipt total).
class CSeleccionRecibos : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Columna { kSeleccion, kModificar, kVia, kPiso, kArrendatario, kDni, kImporte, kColumnas };

    // Reads the staged rows. Refuses a closed workspace ("No hay base abierta") and an
    // empty staging ("No existen recibos para esta selección.").
    // `fechaCobro` is what confirmation writes into every row's fecha_cobro.
    CSeleccionRecibos(Database& db, ModoSeleccion modo, const QDateTime& fechaCobro,
                      QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Pictures of the first two columns: "Si", "No" and the modify button.
    void PonerIconos(const QIcon& si, const QIcon& no, const QIcon& modificar);

    ModoSeleccion Modo() const { return m_modo; }
    const FilaSeleccion& Fila(int i) const { return m_filas[size_t(i)]; }
    // "Si" becomes "No" and "No" becomes "Si".
    void Alternar(int fila);
    void Todos() { PonerTodas(true); }
    void Ninguno() { PonerTodas(false); }
    // Puts the receipts `refs` at "No"; refuses a receipt that is not staged.
    void MarcarNo(const QList<qint64>& refs);
    // Reads row `fila` again from the staging table (after the modification form).
    void Refrescar(int fila);

    int Seleccionados() const;
    // The receipts at "Si", in row order.
    QList<qint64> RefsSeleccionados() const;

    // The selection listing: a header line, one line per row at "Si" and the total line,
    // laid out for the mode (bank, or paper and review).
    QStringList LineasListado() const;

    // Stores every row's selection and the collection date, all rows or none.
    void Confirmar();

private:
    void PonerTodas(bool si);

    Database& m_db;
    ModoSeleccion m_modo;
    QDateTime m_fechaCobro;
    std::vector<FilaSeleccion> m_filas;
    QIcon m_si, m_no, m_modificar;
};

// The title under which the selection listing is printed.
inline QString TituloListadoSeleccion() { return QStringLiteral("Informe Facturación"); }
