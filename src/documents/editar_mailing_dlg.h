#pragma once
#include <QDate>
#include <QDialog>
#include <QTextEdit>
#include <functional>

class CPanelCamposWidget;
class Database;
class QComboBox;
class QFontComboBox;
class QScrollArea;
class RecordSet;

// The editor's text: a rich-text control that shows where a page starts.
class CMiRichEditCtrl : public QTextEdit {
    Q_OBJECT
public:
    explicit CMiRichEditCtrl(QWidget* parent = nullptr);
    // A new paragraph at the caret that starts a new page.
    void InsertarSaltoPagina();

signals:
    void FocoPerdido();

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// "Editor de Texto": opens, edits, prints and saves RTF files and inserts template fields.
// Given a connection and a property set with `componer` 1, it composes once after it is
// first shown: one filled copy of the loaded template per row, each on its own page; then the
// path is forgotten, so the template is never saved over.
class CDialogEditarMailing : public QDialog {
    Q_OBJECT
public:
    CDialogEditarMailing(QWidget* parent, const QString& ruta, Database* db = nullptr, RecordSet* filas = nullptr,
                         int componer = 0, const QDate& hoy = QDate::currentDate());

    // Asks for a file: to open (false) or to save (true). Empty when cancelled. The file
    // dialog unless replaced.
    void PonerPedirArchivo(std::function<QString(bool guardar)> pedir) { m_pedirArchivo = std::move(pedir); }

    CMiRichEditCtrl* Texto() const { return m_texto; }
    CPanelCamposWidget* Panel() const { return m_panel; }
    QFontComboBox* Caras() const { return m_caras; }
    QComboBox* Tamanos() const { return m_tamanos; }
    QString Ruta() const { return m_ruta; }
    int EstadoRelleno() const { return m_estado; }

    void Nuevo();
    void Abrir();
    bool Guardar();
    bool GuardarComo();
    void Imprimir();
    void Negrita();
    void Cursiva();
    void Subrayado();
    void Alinear(Qt::Alignment a);
    void ElegirColor();
    void AplicarColor(const QColor& c);
    void AplicarCara(const QString& cara);
    void AplicarTamano(const QString& texto);
    void MostrarOcultar();
    // Inserts the name of field k between two plain spaces, in the fields' format.
    void InsertarCampo(int k);
    // The template in the text composed for every row of the set.
    void ComponerDocumento();
    // Loads the file as the document; a failure is told and false returned.
    bool Cargar(const QString& ruta);
    // True when the text may go: unchanged, saved, or the user lets it go.
    bool PuedeDescartar();

    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void CrearBarra(class QToolBar* barra);
    void Arrancar();
    bool Escribir(const QString& ruta);
    // The format applied to the stored selection (or the word at the caret).
    void AplicarARecordada(const QTextCharFormat& f);
    void Alternar(const std::function<bool(const QTextCharFormat&)>& activo,
                  const std::function<void(QTextCharFormat&, bool)>& poner);
    void SeguirFormato(const QTextCharFormat& f);

    QString m_ruta;
    int m_componer;
    int m_estado = 0;
    Database* m_db;
    RecordSet* m_filas;
    QDate m_hoy;
    QString m_avisoLectura;
    bool m_cargada = true;
    int m_inicioSeleccion = 0, m_finSeleccion = 0;
    CMiRichEditCtrl* m_texto;
    QFontComboBox* m_caras;
    QComboBox* m_tamanos;
    CPanelCamposWidget* m_panel;
    QScrollArea* m_zonaPanel;
    std::function<QString(bool)> m_pedirArchivo;
};
