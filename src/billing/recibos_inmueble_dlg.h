#pragma once
#include <QDialog>
#include <vector>

#include "billing/emision_facturacion.h"

class Database;
class QPrinter;
class QTableWidget;

// The staged receipts list of the property form's "Facturado": one row per staged receipt
// with "Borrar" and "Modificar", its month, tenant and total. The caller stages and writes back.
class CRecibosInmuebleDlg : public QDialog {
    Q_OBJECT
public:
    CRecibosInmuebleDlg(Database& db, QWidget* parent = nullptr);

    QTableWidget* Tabla() const { return m_tabla; }
    // "Borrar" of row `fila`, after "¿Quiere borrar este recibo?".
    void Borrar(int fila);
    // "Modificar" of row `fila`: the staged row edited in place (staging again would empty
    // the list).
    void Modificar(int fila);
    // "Imprimir": the listing of the staged rows.
    void Imprimir();
    void PonerImpresora(QPrinter* impresora) { m_impresora = impresora; }

private:
    void Rellenar();

    Database& m_db;
    std::vector<FilaEmitido> m_filas;
    QTableWidget* m_tabla;
    QPrinter* m_impresora = nullptr;
};

// "Facturado": stages the property's receipts, shows the list and, when it closes, writes
// the staged rows back. Tells the user when the property has none.
void VerFacturado(QWidget* parent, Database& db, const QString& direccion, const QString& piso);
