#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QFileDevice>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// What utilidad is asked to do: put `nuevo` in place of <carpeta>/rentiva once process `pid`
// has ended, provided its SHA-256 is `sha256`.
struct PeticionReemplazo {
    QString carpeta;
    QString nuevo;            // relative paths are taken from carpeta
    qint64 pid = 0;
    QByteArray sha256;        // 64 hex digits, lower case
    int esperaSegundos = 60;  // then it gives up, changing nothing
    bool sinVentana = false;  // messages to standard error, no window
};

extern const QString kUsoUtilidad;

// The command line without the program name. False on misuse, with the reason in *error.
bool LeerArgumentos(const QStringList& argumentos, PeticionReemplazo* peticion, QString* error);

// True while `pid` runs the program file `programa` (read from /proc/PID/exe): a pid that
// ended, or that the system gave to another program since, does not.
bool EjecutaPrograma(qint64 pid, const QString& programa);

// SHA-256 of a file in lower-case hex; empty when it cannot be read.
QByteArray Sha256DeFichero(const QString& ruta);

// The file operations, apart so that tests can make one fail. Each returns an empty text on
// success, else the Spanish reason.
class OperacionesArchivo {
public:
    virtual ~OperacionesArchivo() = default;
    // Writes `destino` anew from `origen` with those permissions, synced to disk.
    virtual QString Copiar(const QString& origen, const QString& destino, QFileDevice::Permissions permisos);
    // Renames over `a` (atomic within one folder) and syncs the folder.
    virtual QString Renombrar(const QString& de, const QString& a);
};

struct ResultadoReemplazo {
    bool ok = false;
    QString mensaje;
};

// The replacement itself, once the program has ended: checks the download, keeps
// rentiva.anterior, writes the new program beside it and renames it over, checks it, and
// on any failure puts the old program back exactly. The download is removed on success.
ResultadoReemplazo Reemplazar(const PeticionReemplazo& peticion, OperacionesArchivo& ops);

// Waits (without blocking the event loop) for the program to end, then replaces it.
class CReemplazo : public QObject {
    Q_OBJECT
public:
    CReemplazo(const PeticionReemplazo& peticion, OperacionesArchivo& ops, QObject* parent = nullptr);
    void Iniciar();

signals:
    void Estado(const QString& texto, int porcentaje);   // porcentaje -1: waiting, no measure
    void Terminado(bool ok, const QString& mensaje);

private:
    void Comprobar();

    PeticionReemplazo m_peticion;
    OperacionesArchivo& m_ops;
    QTimer m_reloj;
    QElapsedTimer m_transcurrido;
};
