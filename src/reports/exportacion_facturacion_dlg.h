#pragma once
// "Exportación Facturación": the receipts of a range of months, optionally of one owner,
// town, street and floor, written to a CSV file the user names.
#include <QDialog>
#include <functional>

class CFiltroFacturacionWidget;
class Database;

class CExportacionFacturacionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CExportacionFacturacionDlg(Database& db, QWidget* parent = nullptr);
    // A workspace whose lists cannot be read shows the database's message and does not open.
    int exec() override;

    // The save dialog ("Text CSV (*.csv)", asks before overwriting); empty when cancelled.
    // Tests replace it.
    static std::function<QString(QWidget*)> s_elegirArchivo;

    // "OK": stages the receipts, asks for the file and writes it; the form closes once written.
    void Aceptar();
    void accept() override { Aceptar(); }
    CFiltroFacturacionWidget* Filtro() const { return m_filtro; }

private:
    Database& m_db;
    CFiltroFacturacionWidget* m_filtro;
    QString m_falloApertura;
};
