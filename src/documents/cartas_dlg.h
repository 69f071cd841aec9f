#pragma once
#include <QDialog>

#include "documents/datos_documento.h"
#include "documents/documentos_dlg.h"

class QPlainTextEdit;

// Reads property `ref` and its owner for a letter. A missing property or owner is shown
// ("propietario erroneo no encontrado = " under "Error en propietario del piso") and gives false.
bool AbrirDatosCarta(QWidget* padre, Database& db, qint64 ref, const QDate& hoy, DatosPlantilla& datos);

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
