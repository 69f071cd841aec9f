#pragma once
#include <QDate>
#include <QDialog>
#include <functional>

#include "settings/valores.h"

class CImpresorTexto;
class Database;
class RecordSet;

// What the document dialogs take from outside: the settings as values, today, where new
// files go, how a written file is opened, and the plain-text window with its printer.
struct EntornoDocumentos {
    AjustesContrato ajustes;
    QDate hoy;
    QString carpeta;   // the user's documents folder: new files are written here
    std::function<bool(const QString& ruta)> abrir;
    // Opens a web address in the browser (the statistics institute's rent-update page).
    std::function<bool(const QString& direccion)> abrirDireccion;
    // Shows the text for editing, printing and saving; true when accepted. None: the
    // buttons that show a text ("Ver/Modificar Contrato", "Ver Carta Aumento"...) are disabled.
    std::function<bool(QWidget* padre, QString& texto)> editarTexto;
    // Prints directly, after the print dialog. None: the print buttons are disabled.
    std::function<void(QWidget* padre, const CImpresorTexto& impresor)> imprimirTexto;
    // Asks for a template file to open; empty when cancelled.
    std::function<QString(QWidget* padre)> elegirPlantilla;
    // The template editor composing `plantilla` for the rows of `filas`.
    std::function<void(QWidget* padre, const QString& plantilla, Database& db, RecordSet& filas)> editarPlantilla;
};

// The program's environment: settings read now, today's date, the user's documents folder and
// the desktop's opener. The text window and its printer are plugged in here.
EntornoDocumentos EntornoDocumentosPorDefecto();

// "Documentos": the documents of one property (borrowed database, property by ref).
class CDocumentosDlg : public QDialog {
    Q_OBJECT
public:
    CDocumentosDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno);
    // "Contratos viviendas, locales y plazas ": the contract dialog for this property.
    void Contratos();
    // "Carta Aumento" and "Requerimiento renta": the letters' dialogs.
    void CartaAumento();
    void Requerimiento();
    // "Aviso rescisión" and "Rescisión Contrato": the texts in their windows.
    void AvisoRescision();
    void RescisionContrato();
    // "Documentos Personalizados": a template filled for this property in the editor.
    void DocumentosPersonalizados();

private:
    Database& m_db;
    qint64 m_ref;
    EntornoDocumentos m_entorno;
};
