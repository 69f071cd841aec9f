#pragma once
#include <QDialog>

#include "documents/datos_documento.h"
#include "documents/documentos_dlg.h"

class QPlainTextEdit;
class QPushButton;

// What a letter opens with: property `ref` and its owner, or why there is no letter (a
// missing owner: "propietario erroneo no encontrado = " under "Error en propietario del piso").
struct AperturaCarta {
    DatosPlantilla datos;
    QString error, titulo;
    bool Preparada() const { return error.isEmpty(); }
    // Shows why there is no letter; false then.
    bool Avisar(QWidget* padre) const;
};
AperturaCarta AbrirCarta(Database& db, qint64 ref, const QDate& hoy, const QString& titulo);

// The form of a letter to the tenant of property `ref`: opened with its property and owner,
// titled `titulo`, with its buttons found by caption.
class CCartaDlg : public QDialog {
    Q_OBJECT
public:
    // Shows why the letter cannot be made (no property, no owner) and returns at once.
    int exec() override;
    bool Preparado() const { return m_preparado; }
    QPushButton* Boton(const QString& texto) const;

protected:
    CCartaDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno, const QString& titulo);

    EntornoDocumentos m_entorno;
    AperturaCarta m_apertura;
    bool m_preparado;
    QList<QPushButton*> m_botones;
};

// The window of a rescission text, "Documento" (the notice) or "Carta Rescisión" (the
// agreement): the text, which may be corrected, "Imprimir" and "Salir".
class CCartaRescisionDlg : public QDialog {
    Q_OBJECT
public:
    CCartaRescisionDlg(QWidget* parent, const QString& titulo, const QString& texto, EntornoDocumentos entorno);
    QPlainTextEdit* Editor() const { return m_editor; }
    // Prints the text as it stands, titled "Carta rescisión ".
    void Imprimir();

private:
    EntornoDocumentos m_entorno;
    QPlainTextEdit* m_editor;
};
