#pragma once
#include <QDate>
#include <QDialog>
#include <functional>

#include "settings/valores.h"

class Database;

// What the document dialogs take from outside: the settings as values, today, where new
// files go, how a written file is opened, and the plain-text window with its printer.
struct EntornoDocumentos {
    AjustesContrato ajustes;
    QDate hoy;
    QString carpeta;   // the user's documents folder: new files are written here
    std::function<bool(const QString& ruta)> abrir;
    // Shows the text for editing, printing and saving; true when accepted. None: the
    // "Ver/Modificar Contrato" button is disabled.
    std::function<bool(QWidget* padre, QString& texto)> editarTexto;
    // Prints the text directly with the given font height. None: nothing to print with.
    std::function<void(QWidget* padre, const QString& texto, int alto)> imprimirTexto;
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

private:
    Database& m_db;
    qint64 m_ref;
    EntornoDocumentos m_entorno;
};
