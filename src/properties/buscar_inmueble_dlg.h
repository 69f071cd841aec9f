#pragma once
// "Buscador": the property search by text or by contract month, its result rows and what
// choosing one opens.
#include <QDialog>
#include <QList>
#include <QPushButton>
#include <functional>

#include "properties/busqueda_inmuebles.h"

class Database;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;

// The select button of one result row: it carries the property's ref.
class CButtonSeleccionar : public QPushButton {
    Q_OBJECT
public:
    CButtonSeleccionar(qint64 ref, QWidget* parent);
    qint64 Ref() const { return m_ref; }

private:
    qint64 m_ref;
};

class CBuscarInmuebleDlg : public QDialog {
    Q_OBJECT
public:
    enum class Modo { Texto, MesContrato };
    CBuscarInmuebleDlg(QWidget* parent, Database& db, Modo modo);

    void Buscar();
    // The select action of a row. Text mode: remembers the ref and closes (Accepted).
    // Contract-month mode: the rent revision of that property, the search staying open.
    void Elegir(qint64 ref);

    qint64 Elegido() const { return m_elegido; }
    // Every match of the last search, the rows not shown too, in entry order.
    QList<qint64> Coincidencias() const;
    QLineEdit* Texto() const { return m_texto; }
    QComboBox* Mes() const { return m_mes; }
    QList<CButtonSeleccionar*> Botones() const { return m_filas; }
    QLabel* Aviso() const { return m_aviso; }

    // The rent revision of a property (contract-month mode); tests replace it.
    static std::function<void(QWidget*, Database&, qint64)> s_abrirCarta;

    // How many rows a batch of the list makes.
    static constexpr int kLoteResultados = 200;

private:
    void Limpiar();
    void AnadirLote();
    void AlDesplazar(int valor);

    Database& m_db;
    Modo m_modo;
    CondicionBusqueda m_condicion;
    bool m_buscado = false;
    qint64 m_elegido = 0;
    QLineEdit* m_texto = nullptr;
    QComboBox* m_mes = nullptr;
    QLabel* m_aviso;
    QScrollArea* m_area;
    QWidget* m_panel;
    QVBoxLayout* m_lista;
    QList<ResultadoBusqueda> m_resultados;   // every match; m_filas shows the first ones
    QList<CButtonSeleccionar*> m_filas;
};

// The main window's search: results open the property form on one property; "Buscar" there
// opens it over every match; "Buscar" of that form starts a new search.
void AbrirBusquedaInmuebles(QWidget* parent, Database& db);
// "Rentas a  Actualizar": the search by contract month leading to the rent revision letter.
void AbrirRentasActualizar(QWidget* parent, Database& db);
