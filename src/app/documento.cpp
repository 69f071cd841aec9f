#include "app/documento.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/ajustes.h"
#include "data/archivo_atomico.h"
#include "data/copia_segura.h"
#include "data/rutas_salida.h"
#include "data/esquema.h"
#include "data/workspace.h"
#include "util/errores.h"

namespace {

const QString kNoHayBase = QStringLiteral("No hay base abierta");
const QString kErrorGuardar = QStringLiteral("Error al guardar");
const QString kErrorCrear = QStringLiteral("Error al crear ");
const QString kPreguntaCrear = QStringLiteral(
    "No hay una base de datos abierta, \u00BFDesea crear una?\n\rSi no está seguro pulse Sí");
const QString kPreguntaRestaurar = QStringLiteral(
    "Si importa o restaura una copia de seguridad. Perder\u00E1 sus datos actuales,\r\n"
    "\u00BFDesea continuar?\n\rSi no está seguro pulse No");

// The file and the side files SQLite may have left beside it.
void BorrarArchivo(const QString& ruta)
{
    for (const char* sufijo : {"", "-journal", "-wal", "-shm"})
        QFile::remove(ruta + QLatin1String(sufijo));
}

QString Detalle(const QString& cabecera, const std::exception& e)
{
    const QString t = TextoError(e);
    return t == cabecera ? cabecera : cabecera + u'\n' + t;
}

}  // namespace

const QString CRentivaDoc::kTituloSinBase = QStringLiteral("Rentiva - Abra o Cree un archivo");
const QString CRentivaDoc::kTituloCerrado = QStringLiteral("No hay archivo abierto");

CRentivaDoc::CRentivaDoc(QObject* parent)
    : QObject(parent), m_carpetaNueva(QDir::currentPath())
{
}

CRentivaDoc::~CRentivaDoc() = default;

QString CRentivaDoc::TituloDe(const QString& ruta)
{
    return QStringLiteral("Rentiva - ") + ruta;
}

bool CRentivaDoc::EstaAbierta() const
{
    return m_db.isOpen();
}

Database& CRentivaDoc::Base()
{
    if (!m_db.isOpen())
        throw UserError(kNoHayBase);
    return m_db;
}

void CRentivaDoc::Avisar(const QString& texto)
{
    if (m_dialogos)
        m_dialogos->Avisar(texto);
    else
        m_mensajes << texto;
}

bool CRentivaDoc::Preguntar(const QString& texto, bool siPorDefecto)
{
    if (m_dialogos)
        return m_dialogos->Preguntar(texto, siPorDefecto);
    m_mensajes << texto;
    return false;
}

void CRentivaDoc::Cerrar()
{
    if (m_db.isOpen())
        emit BaseCerrando();
    m_db.close();
}

void CRentivaDoc::Fallo(const QString& texto)
{
    Avisar(texto);
    Cerrar();
    m_ruta.clear();
    m_titulo = kTituloSinBase;
    Cambiado();
}

bool CRentivaDoc::Reabrir(const QString& ruta)
{
    try {
        Cerrar();
        m_db = AbrirWorkspace(ruta);
    } catch (const std::exception& e) {
        Fallo(TextoError(e));
        return false;
    }
    m_ruta = ruta;
    m_titulo = TituloDe(ruta);
    Cambiado();
    return true;
}

bool CRentivaDoc::AbrirBase(const QString& ruta)
{
    Database nueva;
    try {
        if (ruta.isEmpty())
            throw UserError(QStringLiteral("No se ha indicado ning\u00FAn archivo."));
        nueva = AbrirWorkspace(ruta);   // runs the layout upgrade
    } catch (const std::exception& e) {
        // A refused file leaves the workspace that was open as it was.
        if (m_db.isOpen()) {
            Avisar(TextoError(e));
            return false;
        }
        // The path goes too: a file that does not open must not become the last workspace.
        Fallo(TextoError(e));
        return false;
    }
    Cerrar();
    m_db = std::move(nueva);
    m_ruta = ruta;
    m_titulo = TituloDe(ruta);
    AnotarArchivoReciente(ruta);
    Cambiado();
    emit BaseAbierta();
    return true;
}

void CRentivaDoc::AbrirReciente(const QString& ruta)
{
    if (!QFileInfo::exists(ruta)) {
        Avisar(QStringLiteral("El archivo %1 ya no existe (se ha movido o borrado); se quita de la "
                              "lista. Ábralo con Archivo > Abrir desde donde esté ahora.").arg(ruta));
        QuitarArchivoReciente(ruta);
        Cambiado();
        return;
    }
    AbrirBase(ruta);
}

bool CRentivaDoc::CerrarBase()
{
    Cerrar();
    if (!m_ruta.isEmpty())
        EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, m_ruta);
    m_ruta.clear();
    m_titulo = kTituloCerrado;
    Cambiado();
    return true;
}

bool CRentivaDoc::CrearBase(const QString& ruta)
{
    m_ruta = ruta;
    return CrearBase();
}

bool CRentivaDoc::CrearBase()
{
    const QString ruta = m_ruta;
    try {
        if (ruta.isEmpty())
            throw UserError(QStringLiteral("No se ha indicado ning\u00FAn archivo."));
        ComprobarSalidas({}, {ruta});
        // Built beside the path and put there only when complete: a failed or killed creation
        // never costs a file already there (confirmed in the save dialog) nor leaves half a one.
        BorrarTemporalesHuerfanos(ruta);
        const QString temporal = RutaTemporal(ruta);
        BorrarArchivo(temporal);
        try {
            CrearWorkspace(temporal).close();
        } catch (...) {
            BorrarArchivo(temporal);
            throw;
        }
        SustituirBase(temporal, ruta);
        Database nueva = AbrirWorkspace(ruta);
        Cerrar();
        m_db = std::move(nueva);
    } catch (const std::exception& e) {
        Avisar(TextoError(e));
        // The workspace that was open stays open; the last one is forgotten only when gone.
        m_ruta = m_db.isOpen() ? m_db.path() : QString();
        m_titulo = m_db.isOpen() ? TituloDe(m_ruta) : kTituloSinBase;
        const QString ultimo = LeerTexto(ajustes::kArchivosRecientes, ajustes::kUltimo);
        if (!ultimo.isEmpty() && !QFileInfo::exists(ultimo))
            EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, QString());
        Cambiado();
        return false;
    }
    EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, ruta);
    AnotarArchivoReciente(ruta);
    m_titulo = TituloDe(ruta);
    Cambiado();
    return true;
}

void CRentivaDoc::AbrirUltimo()
{
    QString ruta = LeerTexto(ajustes::kArchivosRecientes, ajustes::kUltimo);
    if (!ruta.isEmpty() && !QFileInfo::exists(ruta))
        ruta.clear();
    if (!ruta.isEmpty()) {
        AbrirBase(ruta);
        return;
    }
    if (!Preguntar(kPreguntaCrear, true))
        return;
    ruta = NombreLibre(m_carpetaNueva);
    // A failed creation is reported once and leaves nothing behind; no second attempt.
    if (!CrearBase(ruta)) {
        Avisar(kErrorCrear + ruta);
        return;
    }
    AbrirBase(ruta);
}

void CRentivaDoc::ArchivoNuevo()
{
    const QString ruta = m_dialogos ? m_dialogos->ElegirGuardar() : QString();
    if (ruta.isEmpty())
        return;
    // The open workspace is never wiped by a new one chosen over it.
    if (m_db.isOpen()) {
        try {
            ComprobarSalidas({m_db.path()}, {ruta});
        } catch (const std::exception& e) {
            Avisar(TextoError(e));
            return;
        }
    }
    if (CrearBase(ruta))
        AbrirBase(ruta);
}

void CRentivaDoc::ArchivoAbrir()
{
    const QString ruta = m_dialogos ? m_dialogos->ElegirAbrir() : QString();
    if (!ruta.isEmpty())
        AbrirBase(ruta);
}

// The online backup copies a consistent state while the connection stays open; on any
// failure the open workspace simply stays as it was.
bool CRentivaDoc::CopiarA(const QString& ruta)
{
    try {
        CopiarBaseA(Base(), ruta);
    } catch (const std::exception& e) {
        Avisar(Detalle(kErrorGuardar, e));
        return false;
    }
    return true;
}

void CRentivaDoc::GuardarComo()
{
    const QString ruta = m_dialogos ? m_dialogos->ElegirGuardar() : QString();
    if (ruta.isEmpty())
        return;
    if (CopiarA(ruta) && Reabrir(ruta)) {
        AnotarArchivoReciente(ruta);
        Avisar(QStringLiteral("El archivo de trabajo se ha guardado como %1; a partir de ahora se "
                              "trabaja en esa copia.").arg(ruta));
    }
}

void CRentivaDoc::CrearCopia()
{
    const QString ruta = m_dialogos ? m_dialogos->ElegirGuardar() : QString();
    if (ruta.isEmpty())
        return;
    if (!CopiarA(ruta))
        return;
    m_titulo = TituloDe(m_ruta);
    Cambiado();
    Avisar(QStringLiteral("Copia de seguridad terminada: %1.").arg(ruta));
}

void CRentivaDoc::RestaurarCopia()
{
    if (!Preguntar(kPreguntaRestaurar, false))
        return;
    const QString copia = m_dialogos ? m_dialogos->ElegirCopia() : QString();
    if (copia.isEmpty())
        return;
    const QString ruta = m_ruta;
    try {
        Base();
        // The copy is checked (ours, intact, opens and upgrades) before it replaces anything;
        // the connection is closed so the replaced file is not written through it.
        Cerrar();
        RestaurarArchivo(copia, ruta, kAplicacionId, [](const QString& tmp) { AbrirWorkspace(tmp).close(); });
    } catch (const std::exception& e) {
        Avisar(Detalle(kErrorGuardar, e));
        if (!ruta.isEmpty() && !m_db.isOpen())
            Reabrir(ruta);
        return;
    }
    // Through the normal open: a copy of an earlier layout is upgraded before use.
    if (AbrirBase(ruta))
        Avisar(QStringLiteral("Se ha restaurado la copia %1 en %2.").arg(copia, ruta));
}

void CRentivaDoc::EjecutarPasoDeSalida()
{
    if (LeerEntero(ajustes::kActualizaciones, ajustes::kActualizacionAutomatica, 0) == 1)
        emit ComprobarActualizaciones();
}
