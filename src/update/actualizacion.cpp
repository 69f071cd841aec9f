#include "update/actualizacion.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>
#include <utility>

namespace {

constexpr qint64 kMaxTexto = 64 * 1024;   // the version and checksum files are a line each

QUrl UrlRecurso(const QString& servidor, const QString& recurso)
{
    QUrl url(servidor.trimmed());
    QString ruta = url.path();
    if (!ruta.endsWith(u'/'))
        ruta += u'/';
    url.setPath(ruta + QStringLiteral("actualizacion/") + recurso);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

}  // namespace

bool LanzarDesacoplado(const QString& programa, const QStringList& argumentos)
{
    return QProcess::startDetached(programa, argumentos, QFileInfo(programa).absolutePath());
}

QString MotivoServidorNoValido(const QString& servidor)
{
    if (servidor.trimmed().isEmpty())
        return QStringLiteral("No hay ningún servidor de actualizaciones configurado. Escriba su dirección "
                              "(https://...) en el campo Servidor.");
    return MotivoDireccionNoPermitida(QUrl(servidor.trimmed(), QUrl::StrictMode));
}

QString MotivoNombreNoValido(const QString& nombre)
{
    static const QRegularExpression kValido(QStringLiteral("^[A-Za-z0-9._-]+$"));
    static const QRegularExpression kSoloPuntos(QStringLiteral("^\\.+$"));
    if (!kValido.match(nombre).hasMatch() || kSoloPuntos.match(nombre).hasMatch())
        return QStringLiteral("El nombre de fichero \"%1\" no es válido: use solo letras sin acento, cifras, "
                              "'.', '_' y '-'.")
            .arg(nombre);
    return {};
}

CActualizador::CActualizador(QObject* parent) : QObject(parent), m_descarga(m_red)
{
    m_bufferTexto.setBuffer(&m_texto);
    connect(&m_descarga, &CDescargaHttp::Progreso, this, &CActualizador::Progreso);
    connect(&m_descarga, &CDescargaHttp::Terminada, this, [this](const QString& motivo) {
        if (auto siguiente = std::exchange(m_siguiente, nullptr))
            siguiente(motivo);
    });
}

CActualizador::~CActualizador() = default;

void CActualizador::Comprobar(const OpcionesActualizacion& opciones, const QString& nombre)
{
    m_resultado = {};
    m_etiqueta.clear();
    m_cancelado = false;
    // A refusal before any request does not count as a check: the user corrects and retries.
    QString motivo = MotivoServidorNoValido(opciones.servidor);
    if (!motivo.isEmpty()) {
        Terminar(kSinVersion, motivo);
        return;
    }
    if (!nombre.isEmpty() && !(motivo = MotivoNombreNoValido(nombre)).isEmpty()) {
        Terminar(kDescargaFallida, motivo);
        return;
    }
    if (m_comprobado) {
        Terminar(kYaComprobado, QStringLiteral("Ya se buscó una actualización en esta sesión. Cierre Rentiva y "
                                               "vuelva a abrirlo para buscar de nuevo."));
        return;
    }
    m_comprobado = true;
    m_enCurso = true;
    m_opciones = opciones;
    if (nombre.isEmpty()) {
        PedirTexto(QStringLiteral("RENTIVA"), [this](const QString& m) { VersionRecibida(m); });
    } else {
        m_recurso = m_etiqueta = nombre;
        PrepararDescarga();
    }
}

ResultadoActualizacion CActualizador::ComprobarYEsperar(const OpcionesActualizacion& opciones, const QString& nombre)
{
    QEventLoop bucle;
    connect(this, &CActualizador::Terminada, &bucle, &QEventLoop::quit);
    Comprobar(opciones, nombre);
    if (m_enCurso)
        bucle.exec();
    return m_resultado;
}

void CActualizador::Cancelar()
{
    if (!m_enCurso)
        return;
    m_cancelado = true;
    m_descarga.Cancelar();
}

void CActualizador::Pedir(const QString& recurso, QIODevice* destino, const LimitesDescarga& limites,
                          std::function<void(const QString&)> siguiente)
{
    m_siguiente = std::move(siguiente);
    m_descarga.Iniciar(UrlRecurso(m_opciones.servidor, recurso), destino, limites);
}

void CActualizador::PedirTexto(const QString& recurso, std::function<void(const QString&)> siguiente)
{
    m_texto.clear();
    m_bufferTexto.close();
    m_bufferTexto.open(QIODevice::WriteOnly);
    LimitesDescarga limites = m_opciones.limites;
    limites.maxBytes = qMin(limites.maxBytes, kMaxTexto);
    emit Fase(QStringLiteral("Consultando %1").arg(recurso));
    Pedir(recurso, &m_bufferTexto, limites, std::move(siguiente));
}

void CActualizador::VersionRecibida(const QString& motivo)
{
    if (!motivo.isEmpty()) {
        Terminar(kSinVersion, motivo);
        return;
    }
    // Only the bare number (a line end allowed): an HTML page is not a version.
    static const QRegularExpression kNumero(QStringLiteral("^[0-9]{1,9}$"));
    const QString texto = QString::fromUtf8(m_texto).trimmed();
    if (!kNumero.match(texto).hasMatch()) {
        Terminar(kSinVersion, QStringLiteral("La respuesta de %1 no es un número de versión. Compruebe la "
                                             "dirección del servidor de actualizaciones.")
                                  .arg(UrlRecurso(m_opciones.servidor, QStringLiteral("RENTIVA")).toString()));
        return;
    }
    const int version = texto.toInt();
    if (version == m_opciones.versionLocal) {
        Terminar(kAlDia, QStringLiteral("Rentiva está al día: no hay una versión más nueva que la %1.")
                             .arg(m_opciones.versionLocal));
        return;
    }
    if (version < m_opciones.versionLocal) {
        Terminar(kVersionAnterior, QStringLiteral("El servidor ofrece la versión %1, anterior a la instalada (%2); "
                                                  "no se descarga nada.")
                                       .arg(version)
                                       .arg(m_opciones.versionLocal));
        return;
    }
    m_etiqueta = QString::number(version);
    m_recurso = QStringLiteral("RENTIVA") + m_etiqueta;   // the parsed number, never the raw text
    PrepararDescarga();
}

void CActualizador::PrepararDescarga()
{
    // A system install (a folder the user cannot write) is updated by the package manager.
    QTemporaryFile prueba(QDir(m_opciones.carpeta).filePath(QStringLiteral(".rentiva_prueba_XXXXXX")));
    if (m_opciones.carpeta.isEmpty() || !prueba.open()) {
        Terminar(kDescargaFallida, QStringLiteral("Hay una actualización (%1), pero la carpeta del programa %2 "
                                                  "no admite escritura: actualice Rentiva con el gestor de "
                                                  "paquetes del sistema.")
                                       .arg(m_etiqueta, m_opciones.carpeta));
        return;
    }
    prueba.remove();
    const QString utilidad = Utilidad();
    if (m_opciones.lanzar && !QFileInfo(utilidad).isExecutable()) {
        Terminar(kDescargaFallida, QStringLiteral("No se encuentra el programa de actualización %1. "
                                                  "Reinstale Rentiva.")
                                       .arg(utilidad));
        return;
    }
    // No checksum, no hand-over: the small file is fetched before the large one.
    PedirTexto(m_recurso + QStringLiteral(".sha256"), [this](const QString& m) { SumaRecibida(m); });
}

void CActualizador::SumaRecibida(const QString& motivo)
{
    if (!motivo.isEmpty()) {
        Terminar(kDescargaFallida, motivo);
        return;
    }
    // As sha256sum writes it: 64 hex digits, then the file name.
    static const QRegularExpression kSuma(QStringLiteral("^\\s*([0-9A-Fa-f]{64})(\\s|$)"));
    const auto m = kSuma.match(QString::fromLatin1(m_texto));
    if (!m.hasMatch()) {
        Terminar(kDescargaFallida, QStringLiteral("La suma SHA-256 publicada en %1 no es válida; no se instala "
                                                  "nada. Inténtelo más tarde.")
                                       .arg(UrlRecurso(m_opciones.servidor, m_recurso + QStringLiteral(".sha256"))
                                                .toString()));
        return;
    }
    m_sumaEsperada = m.captured(1).toLower().toLatin1();

    const QString destino = QDir(m_opciones.carpeta).filePath(kFicheroDescarga);
    m_fichero = std::make_unique<QSaveFile>(destino);
    if (!m_fichero->open(QIODevice::WriteOnly)) {
        m_fichero.reset();
        Terminar(kDescargaFallida, QStringLiteral("No se puede escribir %1. Compruebe los permisos de la carpeta "
                                                  "del programa.")
                                       .arg(destino));
        return;
    }
    emit Fase(QStringLiteral("Descargando %1").arg(m_recurso));
    Pedir(m_recurso, m_fichero.get(), m_opciones.limites, [this](const QString& m) { FicheroRecibido(m); });
}

void CActualizador::FicheroRecibido(const QString& motivo)
{
    const QString destino = m_fichero->fileName();
    QString fallo = motivo;
    if (fallo.isEmpty() && m_descarga.Sha256Hex() != m_sumaEsperada)
        fallo = QStringLiteral("La descarga de %1 no coincide con su suma SHA-256; se ha descartado. "
                               "Inténtelo más tarde.")
                    .arg(m_recurso);
    if (!fallo.isEmpty())
        m_fichero->cancelWriting();
    // Unless committed, QSaveFile removes its temporary file: nothing half-written stays.
    if (fallo.isEmpty() && !m_fichero->commit())
        fallo = QStringLiteral("No se pudo guardar %1. Compruebe el espacio libre en el disco.").arg(destino);
    m_fichero.reset();
    if (!fallo.isEmpty()) {
        Terminar(kDescargaFallida, fallo);
        return;
    }
    m_resultado.fichero = destino;
    m_resultado.sha256 = m_sumaEsperada;
    Entregar(destino);
}

void CActualizador::Entregar(const QString& fichero)
{
    if (!m_opciones.lanzar) {
        Terminar(kDescargado, QStringLiteral("Se ha descargado %1 en %2.").arg(m_etiqueta, fichero));
        return;
    }
    const QString utilidad = Utilidad();
    const qint64 pid = m_opciones.pid ? m_opciones.pid : QCoreApplication::applicationPid();
    const QStringList argumentos = {QStringLiteral("--carpeta"), m_opciones.carpeta,
                                    QStringLiteral("--nuevo"),   fichero,
                                    QStringLiteral("--pid"),     QString::number(pid),
                                    QStringLiteral("--sha256"),  QString::fromLatin1(m_sumaEsperada)};
    if (!m_opciones.lanzar(utilidad, argumentos)) {
        QFile::remove(fichero);
        Terminar(kDescargaFallida, QStringLiteral("No se pudo iniciar el programa de actualización %1; la "
                                                  "descarga se ha descartado. Reinstale Rentiva.")
                                       .arg(utilidad));
        return;
    }
    Terminar(kDescargado, QStringLiteral("Se ha descargado la actualización %1. Rentiva se cerrará ahora y "
                                         "la instalará; después vuelva a abrirlo.")
                              .arg(m_etiqueta));
}

QString CActualizador::Utilidad() const
{
    return m_opciones.utilidad.isEmpty() ? QDir(m_opciones.carpeta).filePath(kProgramaUtilidad) : m_opciones.utilidad;
}

void CActualizador::Terminar(int codigo, const QString& motivo)
{
    m_enCurso = false;
    m_resultado.codigo = codigo;
    m_resultado.etiqueta = m_etiqueta;
    m_resultado.motivo = m_cancelado && codigo < 0
                             ? QStringLiteral("Actualización cancelada; no se ha cambiado nada.")
                             : motivo;
    if (codigo != kDescargado) {
        m_resultado.fichero.clear();
        m_resultado.sha256.clear();
    }
    emit Terminada(m_resultado);
}
