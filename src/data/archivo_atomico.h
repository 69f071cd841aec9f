#pragma once
// Files written whole or not at all: into a hidden file beside the target, synced, then
// renamed over it. A failure or a kill leaves the old file as it was; a part file left by a
// killed run is removed by the next write of the same target.
#include <QIODevice>
#include <QString>
#include <initializer_list>

// The hidden name beside ruta used while it is written: ".NOMBRE.rentiva-PID.tmp".
QString RutaTemporal(const QString& ruta);
// Removes the temporaries beside ruta whose process is gone (killed runs).
void BorrarTemporalesHuerfanos(const QString& ruta);
// Gives the complete file `temporal` the name ruta, which must not exist (a file made there
// meanwhile is never replaced): UserError "ya existe" then. `temporal` is gone either way.
void PublicarNuevo(const QString& temporal, const QString& ruta);
// Syncs `temporal` (written by someone else, e.g. SQLite), renames it over ruta and syncs the
// folder. On failure removes it and throws UserError naming ruta and the cause.
void PublicarTemporal(const QString& temporal, const QString& ruta);

// A device for writers that take a QIODevice (QPdfWriter, plain bytes). Every write is
// checked; the first failure is kept and reported by Terminar or Publicar.
class ArchivoAtomico : public QIODevice {
public:
    // Opens the temporary for writing; throws UserError when the folder does not allow it.
    explicit ArchivoAtomico(const QString& ruta);
    // Unless published, the temporary goes and the target stays as it was.
    ~ArchivoAtomico() override;
    ArchivoAtomico(const ArchivoAtomico&) = delete;
    ArchivoAtomico& operator=(const ArchivoAtomico&) = delete;

    QString ruta() const { return m_ruta; }
    // Every byte reached the disk (synced); throws UserError naming the target and the cause.
    void Terminar();
    // Renames over the target (after Terminar).
    void Publicar();
    // Finishes every file before renaming any, so that a failure writing one leaves all
    // targets as they were.
    static void PublicarJuntos(std::initializer_list<ArchivoAtomico*> archivos);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* datos, qint64 largo) override;

private:
    [[noreturn]] void Fallar(int errnum);
    void Descartar();

    QString m_ruta;
    QString m_temporal;
    int m_fd = -1;
    int m_error = 0;
    bool m_terminado = false;
    bool m_publicado = false;
};

// contenido to ruta, atomically.
void EscribirArchivoAtomico(const QString& ruta, const QByteArray& contenido);
