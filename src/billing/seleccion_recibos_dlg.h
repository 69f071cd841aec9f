#pragma once
#include <QDateTime>
#include <QDialog>

#include "receipts/seleccion_recibos.h"

class Database;
class QPrinter;
class QPushButton;
class QTableView;

// The untitled, maximised form on which the staged receipts of an issue are reviewed: each
// row can be switched between "Si" and "No", corrected ("Modificar") and listed on paper;
// the rows at "Si" can be printed as full-page invoices. Confirming stores every row's
// selection and the collection date; the caller does the rest (write-back, printing, bank file).
class CSeleccionRecibosDlg : public QDialog {
    Q_OBJECT
public:
    // The rows must be staged already. A closed workspace or an empty staging is told when
    // the form runs, which then ends as cancelled.
    CSeleccionRecibosDlg(Database& db, ModoSeleccion modo, const QDateTime& fechaCobro,
                         QWidget* parent = nullptr);

    // 1: "Imprimir Recibos/Facturas Standard" (paper and review); 0: "Generar Archivo/Disco
    // Banco" (bank). The constructor sets it from the mode.
    void PonerTituloBoton(int paraImprimir);
    int exec() override;
    void accept() override;

    CSeleccionRecibos* Modelo() const { return m_modelo; }
    QTableView* Tabla() const { return m_tabla; }
    // The printer the listing and invoice jobs set up; none asks for a new one each time.
    void PonerImpresora(QPrinter* impresora) { m_impresora = impresora; }

    // "Modificar" of row `fila`: the receipt modification form, then the row is read again.
    void Modificar(int fila);
    // "Imprimir Informe": the selection listing, one copy.
    void ImprimirInforme();
    // "Imprimir Factura Tamaño Folio": the rows at "Si" as invoices.
    void ImprimirFacturas();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void AjustarColumnas();
    void Pulsada(const QModelIndex& indice);

    Database& m_db;
    CSeleccionRecibos* m_modelo = nullptr;
    QString m_error;   // why the form cannot open
    QTableView* m_tabla = nullptr;
    QPushButton* m_confirmar = nullptr;
    QPrinter* m_impresora = nullptr;
};
