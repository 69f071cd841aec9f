#pragma once
// The collections list and the receipt search apart from their widgets: which receipts a
// statement takes, their 96-character lines fifty to a page (newest first), and the
// storing of a receipt's collection state.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "util/moneda.h"

class Database;

// Which receipts the list shows. Empty texts are no condition; the texts are compared
// without regard to case or Spanish accents, the street and the tenant as beginnings.
struct FiltroRecibos {
    bool todos = false;        // every receipt ("Todos"): the rest is ignored
    QDate desde, hasta;        // billing dates, both days included
    QList<int> estados;        // states to include, 0..5
    QString propietario, direccion, piso, inquilino;
};

// What the list opens on: a year back from `hoy` (same day) to the last day of the month
// twelve months ahead, every state but "COBRADO".
FiltroRecibos FiltroApertura(const QDate& hoy);
FiltroRecibos FiltroTodos();
// The search form's defaults for `hoy`: today's month last year to today's month, every
// state but "COBRADO", everything else "TODOS"/"TODAS".
struct BusquedaRecibos {
    QString propietario = QStringLiteral("TODOS"), direccion = QStringLiteral("TODAS"),
            piso = QStringLiteral("TODOS"), inquilino = QStringLiteral("TODOS");
    QList<int> estados{0, 2, 3, 4, 5};
    int mesDesde = 1, anioDesde = 2000, mesHasta = 1, anioHasta = 2000;
};
BusquedaRecibos BusquedaPorDefecto(const QDate& hoy);
// The statement of a search: "TODOS", "TODAS" and empty texts are no condition; the period
// runs from day 1 of the first month to the last day of the last. Refuses no state checked
// ("Marque al menos un estado de recibo.") and a period that cannot be read.
FiltroRecibos FiltroDeBusqueda(const BusquedaRecibos& b);

// The list line of a receipt: billing date (9, right), state (17), collection date (8,
// blank without one), address and floor (47), total (11, right, never cut).
QString LineaCobro(const QDate& facturacion, int estado, const QDate& cobro, const QString& direccion,
                   const QString& piso, Moneda total);

struct FilaCobro {
    qint64 ref = 0;
    QString linea;
};

// The receipts of a filter, a page at a time: only the count and the page shown are read.
class ConsultaCobros {
public:
    static constexpr int kPorPagina = 50;

    ConsultaCobros(Database& db, const FiltroRecibos& filtro);

    int Total() const { return m_total; }
    int Pagina() const { return m_pagina; }       // from 0
    int Paginas() const;                          // at least 1
    bool HayAnterior() const { return m_pagina > 0; }
    bool HaySiguiente() const { return qint64(m_pagina + 1) * kPorPagina < m_total; }
    // Goes to page `p`, kept within the pages there are.
    void IrAPagina(int p);
    // Counts again (after a receipt changed) and keeps the page within the pages left.
    void Recontar();
    // The lines of the current page, newest billing date first.
    std::vector<FilaCobro> Lineas() const;

private:
    QString Donde() const;
    void Enlazar(class Statement& st) const;

    Database& m_db;
    FiltroRecibos m_filtro;
    int m_total = 0;
    int m_pagina = 0;
};

// The line of receipt `ref` as the list shows it; UserError for a receipt that does not exist.
QString LineaCobroDe(Database& db, qint64 ref);
// Stores the collection state and date of receipt `ref` (an invalid date clears it).
// Refuses a state outside 0..5 and a receipt that does not exist.
void GuardarCobro(Database& db, qint64 ref, int estado, const QDateTime& fecha);
// The state and collection date of receipt `ref`, for the collection-state form.
std::pair<int, QDateTime> LeerCobro(Database& db, qint64 ref);

// The lists of the receipt search, refilled from the properties as the owner and street
// change: each ends in its "TODAS"/"TODOS" item; the owners begin with "TODOS".
struct ListasBusqueda {
    QStringList propietarios, direcciones, pisos, inquilinos;
};
ListasBusqueda ListasBuscarRecibos(Database& db, const QString& propietario, const QString& direccion);
