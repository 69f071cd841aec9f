#pragma once
#include <QDialog>

class CImpresorTexto;
class QPlainTextEdit;
class QPrinter;

// Prints with the plain-text printer after the print dialog on `impresora` (a new printer
// when none is given); a cancelled dialog prints nothing, an empty text is told and printed
// nowhere, a failure is told.
void ImprimirTexto(QWidget* padre, const CImpresorTexto& impresor, QPrinter* impresora = nullptr);

// "Contrato": a plain-text document to read, edit, print or save as a text file. Edits are
// not handed back to the caller.
class CTextoDocumentoDlg : public QDialog {
    Q_OBJECT
public:
    // The font height comes from the settings (Contrato/AltoLetra, 10 when absent); a caller
    // may replace it before showing the window.
    explicit CTextoDocumentoDlg(const QString& texto, QWidget* parent = nullptr);

    void PonerAltoLetra(int puntos) { m_alto = puntos; }
    int AltoLetra() const { return m_alto; }
    QPlainTextEdit* Editor() const { return m_editor; }
    // The printer "Imprimir" sets up; none asks for a new one each time.
    void PonerImpresora(QPrinter* impresora) { m_impresora = impresora; }

    // Prints the text as it stands in the window, after the print dialog.
    void Imprimir();
    // Asks for a file and saves the text into it.
    void GuardarComo();
    // Saves the text as UTF-8 into `ruta`; a failure is told and keeps the window (and the
    // old file) as they were. True when saved.
    bool Guardar(const QString& ruta);

private:
    QPlainTextEdit* m_editor;
    QPrinter* m_impresora = nullptr;
    int m_alto;
};
