#pragma once
#include <QDialog>
#include <QHash>
#include <QLineEdit>
#include <QSet>
#include <QString>
#include <exception>
#include <functional>

class QComboBox;
class QGroupBox;

// The bank account fields of a card: bank, branch, check digits (which may show "**"),
// account number.
struct CamposCuenta {
    QLineEdit* banco = nullptr;
    QLineEdit* sucursal = nullptr;
    QLineEdit* dc = nullptr;
    QLineEdit* ccc = nullptr;
};

// The account as `c` holds it, into the banco, sucursal, dc and ccc of a card or receipt.
template <class Ficha>
void LeerCuenta(const CamposCuenta& c, Ficha& d)
{
    d.banco = c.banco->text();
    d.sucursal = c.sucursal->text();
    d.dc = c.dc->text();
    d.ccc = c.ccc->text();
}

// The base of the cards over one table (owner, property): Enter does nothing, failures
// show in a box, fields are named by their column and limited to its width, and the form
// tells which fields the user changed since a row was shown.
class CFichaDlg : public QDialog {
    Q_OBJECT
protected:
    CFichaDlg(QWidget* parent, const QString& titulo, const QString& tabla);

    void keyPressEvent(QKeyEvent* e) override;
    void Error(const std::exception& e);
    // Asks `pregunta` and, once confirmed, deletes with `borrar`, showing what it threw.
    // False when the user declined.
    bool BorrarConfirmado(const QString& pregunta, const std::function<void()>& borrar);

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

    // Checks of what the user typed. A wrong DNI, NIE or CIF (the right letter or digit
    // named) or wrong account check digits (the right ones named) are shown with the choice
    // to correct them or keep them. True when the value is right, not checked (a passport,
    // an account without number) or kept; false when the user goes back to correct it (the
    // field then has the focus). A value once kept is not asked about again on this row.
    bool ConfirmarDocumento(QComboBox* tipo, QLineEdit* numero);
    bool ConfirmarCuenta(const CamposCuenta& c);
    // Both, as a save runs them: the document when its type or number is among the fields
    // `cambiados` names, the account when any of its four fields is.
    bool ConfirmarCambiados(const QSet<QString>& cambiados, QComboBox* tipo, QLineEdit* numero,
                            const CamposCuenta& c);
    // The same checks as soon as the user leaves the number field (for the account, its
    // last field "Cuenta") for another field, each typed value asked about once.
    void ComprobarAlSalir(QComboBox* tipo, QLineEdit* numero);
    void ComprobarAlSalir(const CamposCuenta& c);

    // Stores what the user changed: false when the card has no table or the row was not
    // stored (the user has been told why); true, without storing, on a stored row with no
    // field edited.
    bool Guardar();
    virtual bool Abierta() const = 0;
    // Stores the row with the fields `cambiados` names.
    virtual bool GuardarCambios(const QSet<QString>& cambiados) = 0;

    bool m_esNuevo = false;   // the form holds a row not yet stored

private:
    QHash<QString, QString> Contenido() const;
    // Asks `mensaje` about `valor` of `campo` unless that value was kept already.
    // `valor` identifies what was asked about (all account fields for the account).
    bool Confirmar(QLineEdit* campo, const QString& valor, const QString& mensaje, const QString& pregunta);

    QString m_tabla;
    QHash<QString, QString> m_mostrado;
    QHash<const QObject*, QString> m_aceptado;   // per field, the wrong value the user kept
    QHash<const QObject*, QString> m_avisado;    // per field, the value asked about on leaving
};
