#pragma once
#include <QObject>
#include <QString>

#include "data/database.h"

// What the document asks of the user. The program shows message boxes and file dialogs
// (DialogosDocumentoVentana); tests answer from a script. An empty path means Cancel.
class DialogosDocumento {
public:
    virtual ~DialogosDocumento() = default;
    virtual void Avisar(const QString& texto) = 0;      // message box, OK button
    // Yes / No; siPorDefecto picks the button Enter presses.
    virtual bool Preguntar(const QString& texto, bool siPorDefecto) = 0;
    virtual QString ElegirGuardar() = 0;                // save dialog: new, save-as, backup
    virtual QString ElegirAbrir() = 0;                  // open dialog, no default extension
    virtual QString ElegirCopia() = 0;                  // open dialog of the restore, default "rtv"
};

// The one open workspace: its path, the only connection to it and the caption the main
// window shows. Every command that needs data takes the connection from Base().
class CRentivaDoc : public QObject {
    Q_OBJECT
public:
    explicit CRentivaDoc(QObject* parent = nullptr);
    ~CRentivaDoc() override;

    // Without dialogs every message is kept in Mensajes(), questions answer No, file
    // dialogs cancel. The dialogs object is borrowed.
    void PonerDialogos(DialogosDocumento* dialogos) { m_dialogos = dialogos; }
    // Folder of the first new workspace at start-up (the current folder by default).
    void PonerCarpetaNueva(const QString& carpeta) { m_carpetaNueva = carpeta; }

    bool EstaAbierta() const;
    // Throws UserError "No hay base abierta" when no workspace is open.
    Database& Base();
    QString Ruta() const { return m_ruta; }
    QString Titulo() const { return m_titulo; }
    // Messages shown while no dialogs object was set (tests, batch use).
    QStringList Mensajes() const { return m_mensajes; }

    // Opens the workspace at ruta, upgrading its layout. On failure the path is emptied,
    // so an unopenable file is never recorded as the last workspace.
    bool AbrirBase(const QString& ruta);
    // Closes the workspace and records it as the last one. False when closing failed.
    bool CerrarBase();
    // Creates a workspace at the current path (ruta when given). On failure nothing is left
    // at the path, the path is emptied and the last workspace is cleared.
    bool CrearBase();
    bool CrearBase(const QString& ruta);
    // The start-up opening: the last workspace, else an offer to create one.
    void AbrirUltimo();

    // A workspace of the Archivo menu's list; one that is gone is said and leaves the list.
    void AbrirReciente(const QString& ruta);
    void ArchivoNuevo();
    void ArchivoAbrir();
    void GuardarComo();
    void CrearCopia();
    void RestaurarCopia();

    // The exit step, run once the main window has closed.
    void EjecutarPasoDeSalida();

    static QString TituloDe(const QString& ruta);
    static const QString kTituloSinBase;       // "Rentiva - Abra o Cree un archivo"
    static const QString kTituloCerrado;       // "No hay archivo abierto"

signals:
    // Just before the connection closes: whatever reads through it lets it go.
    void BaseCerrando();
    // After every open, close, create, copy and restore: the caption or the connection changed.
    void BaseCambiada();
    // After a workspace opened through AbrirBase. The first-owner step connects here
    // (with a direct connection it runs before AbrirBase returns).
    void BaseAbierta();
    // The exit step found automatic updating switched on.
    void ComprobarActualizaciones();

private:
    bool CopiarA(const QString& ruta);
    void Avisar(const QString& texto);
    bool Preguntar(const QString& texto, bool siPorDefecto);
    void Cerrar();
    // Reopens ruta without the first-owner step; on failure the workspace is left closed.
    bool Reabrir(const QString& ruta);
    void Fallo(const QString& texto);
    void Cambiado() { emit BaseCambiada(); }

    DialogosDocumento* m_dialogos = nullptr;
    Database m_db;
    QString m_ruta;
    QString m_titulo;
    QString m_carpetaNueva;
    QStringList m_mensajes;
};
