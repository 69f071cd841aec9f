#pragma once
#include <QDialog>

class Database;
class QTreeWidget;

// The billing runs list ("Facturaciones"): the recorded runs, newest first, and "Nueva".
class CFacturacionesDlg : public QDialog {
    Q_OBJECT
public:
    CFacturacionesDlg(Database& db, QWidget* parent = nullptr);

    // Runs the month dialog and bills the chosen month; true when a run was written.
    static bool NuevaFacturacion(QWidget* parent, Database& db);

private:
    void Rellenar();

    Database& m_db;
    QTreeWidget* m_lista;
};
