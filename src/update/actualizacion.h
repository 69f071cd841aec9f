#pragma once
#include <QBuffer>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "update/descarga_http.h"

// Set once in CMakeLists.txt, beside the project's version.
constexpr int kVersionPrograma = RENTIVA_VERSION_NUMERO;
inline const QString kServidorActualizacionesPorDefecto = QStringLiteral(RENTIVA_SERVIDOR_ACTUALIZACIONES);

// The download's name in the program's folder, and the updater beside the program.
inline const QString kFicheroDescarga = QStringLiteral("new_rentiva");
inline const QString kProgramaUtilidad = QStringLiteral("utilidad");

// Results of a check.
enum CodigoActualizacion : int {
    kYaComprobado = 2,       // a check already ran in this program run: nothing was done
    kDescargado = 1,         // the new release is downloaded (and utilidad started, when asked)
    kAlDia = 0,              // the server's number equals ours
    kVersionAnterior = -1,   // the server's number is below ours
    kSinVersion = -3,        // no valid version number from the server
    kDescargaFallida = -4,   // the download failed, or cannot be done here
};

// Starts a program detached from this one; false when it could not be started.
using LanzarPrograma = std::function<bool(const QString& programa, const QStringList& argumentos)>;
bool LanzarDesacoplado(const QString& programa, const QStringList& argumentos);

struct OpcionesActualizacion {
    QString servidor;                     // https://host[:port][/folder]
    QString carpeta;                      // the program's folder: the download goes there
    int versionLocal = kVersionPrograma;
    LimitesDescarga limites;
    LanzarPrograma lanzar;                // starts utilidad; empty: no hand-over
    QString utilidad;                     // the updater; empty: <carpeta>/utilidad
    qint64 pid = 0;                       // the process utilidad waits for; 0: this one
};

struct ResultadoActualizacion {
    int codigo = kSinVersion;
    QString motivo;        // what happened and what to do, in Spanish
    QString etiqueta;      // the version number or the custom name downloaded
    QString fichero;       // the download (code 1)
    QByteArray sha256;     // its SHA-256 in hex (code 1)
};

// Checked before any request; empty when the text may be used.
QString MotivoServidorNoValido(const QString& servidor);
// A custom file name: letters, digits, ".", "_" and "-" only.
QString MotivoNombreNoValido(const QString& nombre);

// The update check: the version number under <servidor>/actualizacion/RENTIVA, then the
// release RENTIVA<n> (or the custom file <nombre>) with its <file>.sha256, written through
// a QSaveFile to <carpeta>/new_rentiva only when whole and matching, then utilidad started.
// It runs once per object: the program keeps one for its whole run, so a second check
// (the one at program end after a manual one) does nothing and gives 2.
class CActualizador : public QObject {
    Q_OBJECT
public:
    explicit CActualizador(QObject* parent = nullptr);
    ~CActualizador() override;

    // Finishes with Terminada (at once for a refusal before any request).
    void Comprobar(const OpcionesActualizacion& opciones, const QString& nombre);
    // The same, waiting in a local event loop (windows stay live).
    ResultadoActualizacion ComprobarYEsperar(const OpcionesActualizacion& opciones, const QString& nombre);
    void Cancelar();

    bool Comprobado() const { return m_comprobado; }
    bool EnCurso() const { return m_enCurso; }

signals:
    void Fase(const QString& texto);
    void Progreso(qint64 recibidos, qint64 total);
    void Terminada(const ResultadoActualizacion& resultado);

private:
    void Pedir(const QString& recurso, QIODevice* destino, const LimitesDescarga& limites,
               std::function<void(const QString&)> siguiente);
    void PedirTexto(const QString& recurso, std::function<void(const QString&)> siguiente);
    void VersionRecibida(const QString& motivo);
    void PrepararDescarga();
    void SumaRecibida(const QString& motivo);
    void FicheroRecibido(const QString& motivo);
    void Entregar(const QString& fichero);
    void Terminar(int codigo, const QString& motivo);
    QString Utilidad() const;

    QNetworkAccessManager m_red;
    CDescargaHttp m_descarga;
    OpcionesActualizacion m_opciones;
    std::function<void(const QString&)> m_siguiente;
    QString m_recurso;
    QString m_etiqueta;
    QByteArray m_texto;
    QBuffer m_bufferTexto;
    QByteArray m_sumaEsperada;
    std::unique_ptr<QSaveFile> m_fichero;
    ResultadoActualizacion m_resultado;
    bool m_comprobado = false;
    bool m_enCurso = false;
    bool m_cancelado = false;
};
