#pragma once
#include <QDialog>

#include "documents/datos_documento.h"
#include "documents/documentos_dlg.h"

class QPlainTextEdit;

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
