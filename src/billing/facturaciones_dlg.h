#pragma once
#include <QDate>
#include <QDialog>
#include <QList>
#include <functional>

class Database;
class QPushButton;
class QTreeWidget;

// The billing runs list ("Facturaciones"): the recorded runs, newest first, "Nueva", the
// deletion of the newest run and the issue flows of the selected one.
class CFacturacionesDlg : public QDialog {
    Q_OBJECT
public:
    CFacturacionesDlg(Database& db, QWidget* parent = nullptr);

    // Runs the month dialog and bills the chosen month; true when a run was written.
    static bool NuevaFacturacion(QWidget* parent, Database& db);

    // The run of the selected line; null when none.
    QDate Seleccionada() const;
    QTreeWidget* Lista() const { return m_lista; }
    // "Eliminar Ultima", "Modificar", "Ver", "Fichero Recibos Banco", "Imprimir Recibos Fisicos".
    const QList<QPushButton*>& BotonesRun() const { return m_botonesRun; }
    // Adds a button acting on the selected run (after the run buttons), disabled with them:
    // "Seleccione una Facturación" is told when no run is selected.
    QPushButton* AnadirBotonRun(const QString& texto, std::function<void(const QDate& mes)> accion);

    void EliminarUltima();

private:
    void Rellenar();

    Database& m_db;
    QTreeWidget* m_lista;
    class QDialogButtonBox* m_botones;
    QList<QPushButton*> m_botonesRun;
};
