#pragma once
#include <QDialog>
#include <QHash>
#include <QSet>
#include <QString>
#include <exception>

class QComboBox;
class QGroupBox;
class QLineEdit;

// The bank account fields of a card: bank, branch, check digits (which may show "**"),
// account number.
struct CamposCuenta {
    QLineEdit* banco = nullptr;
    QLineEdit* sucursal = nullptr;
    QLineEdit* dc = nullptr;
    QLineEdit* ccc = nullptr;
};

// The base of the cards over one table (owner, property): Enter does nothing, failures
// show in a box, fields are named by their column and limited to its width, and the form
// tells which fields the user changed since a row was shown.
class CFichaDlg : public QDialog {
    Q_OBJECT
protected:
    CFichaDlg(QWidget* parent, const QString& titulo, const QString& tabla);

    void keyPressEvent(QKeyEvent* e) override;
    void Error(const std::exception& e);

    // Fields named after `columna`, accepting at most its width in the workspace layout.
    QLineEdit* Texto(const char* columna);
    QLineEdit* Digitos(const char* columna);
    QLineEdit* Mayusculas(const char* columna, bool minusculas = false);
    QComboBox* Lista(const char* columna, const QStringList& items, bool editable = true);

    // "Documento": a type list and a number in upper case.
    QGroupBox* GrupoDocumento(QComboBox* tipo, QLineEdit* numero);
    // "Datos Bancarios": the account fields; with `datosBanco`, the row "Código Cuenta" and
    // the line "Datos Banco" of the owner's card.
    CamposCuenta CrearCamposCuenta();
    QGroupBox* GrupoDatosBancarios(const CamposCuenta& c, QLineEdit* datosBanco = nullptr);

    // Call once a row is on the form; Cambiados() then names the fields edited since.
    void RecordarMostrado();
    QSet<QString> Cambiados() const;

private:
    QHash<QString, QString> Contenido() const;

    QString m_tabla;
    QHash<QString, QString> m_mostrado;
};
