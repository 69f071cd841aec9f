#include "update/descarga_http.h"

#include <QFileDevice>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

QString MotivoDireccionNoPermitida(const QUrl& url)
{
    const QString esquema = url.scheme().toLower();
    if (url.isValid() && !url.host().isEmpty()) {
        if (esquema == QLatin1String("https"))
            return {};
        if (esquema == QLatin1String("http") && QHostAddress(url.host()).isLoopback())
            return {};
    }
    return QStringLiteral("Solo se admiten direcciones https:// para las actualizaciones, y %1 no lo es. "
                          "Corrija la dirección del servidor (por ejemplo https://servidor.es).")
        .arg(url.toString());
}

CDescargaHttp::CDescargaHttp(QNetworkAccessManager& red, QObject* parent) : QObject(parent), m_red(red) {}

CDescargaHttp::~CDescargaHttp()
{
    if (m_respuesta) {
        m_terminada = true;   // no signal from a dying object
        m_respuesta->abort();
        delete m_respuesta;
    }
}

void CDescargaHttp::Iniciar(const QUrl& url, QIODevice* destino, const LimitesDescarga& limites)
{
    m_url = url;
    m_destino = destino;
    m_limites = limites;
    m_hash.reset();
    m_recibidos = 0;
    m_descartados = 0;
    m_motivo.clear();
    m_terminada = false;

    const QString prohibida = MotivoDireccionNoPermitida(url);
    if (!prohibida.isEmpty()) {
        m_terminada = true;
        QMetaObject::invokeMethod(this, [this, prohibida] { emit Terminada(prohibida); }, Qt::QueuedConnection);
        return;
    }

    QNetworkRequest peticion(url);
    peticion.setTransferTimeout(limites.esperaMs);
    // Each redirect is checked against the same rule as the first address.
    peticion.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    peticion.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // No transparent decompression: the length compared is that of the file itself.
    peticion.setRawHeader("Accept-Encoding", "identity");
    peticion.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Rentiva"));
    if (!limites.autoridades.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(limites.autoridades);
        peticion.setSslConfiguration(ssl);
    }
    m_respuesta = m_red.get(peticion);
    connect(m_respuesta, &QNetworkReply::metaDataChanged, this, &CDescargaHttp::Cabeceras);
    connect(m_respuesta, &QNetworkReply::readyRead, this, &CDescargaHttp::Leer);
    connect(m_respuesta, &QNetworkReply::redirected, this, &CDescargaHttp::Redirigida);
    connect(m_respuesta, &QNetworkReply::finished, this, &CDescargaHttp::Fin);
    connect(m_respuesta, &QNetworkReply::downloadProgress, this, &CDescargaHttp::Progreso);
}

void CDescargaHttp::Cancelar()
{
    Abortar(QStringLiteral("Descarga cancelada."));
}

void CDescargaHttp::Abortar(const QString& motivo)
{
    if (m_terminada || !m_motivo.isEmpty())
        return;
    m_motivo = motivo;
    // abort() finishes the reply at once, which runs Fin().
    if (m_respuesta && !m_respuesta->isFinished())
        m_respuesta->abort();
}

namespace {

QString MotivoEstado(int estado, const QUrl& url)
{
    return QStringLiteral("El servidor respondió con el código %1 al pedir %2: el fichero no está disponible. "
                          "Compruebe la dirección del servidor o inténtelo más tarde.")
        .arg(estado)
        .arg(url.toString());
}

int Estado(QNetworkReply* r)
{
    return r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

}  // namespace

void CDescargaHttp::Cabeceras()
{
    bool hay = false;
    const qint64 anunciado = m_respuesta->header(QNetworkRequest::ContentLengthHeader).toLongLong(&hay);
    if (hay && anunciado > m_limites.maxBytes)
        Abortar(QStringLiteral("El fichero %1 ocupa %2 bytes, más de los %3 admitidos; no se descarga.")
                    .arg(m_url.toString())
                    .arg(anunciado)
                    .arg(m_limites.maxBytes));
}

void CDescargaHttp::Redirigida(const QUrl& url)
{
    const QString prohibida = MotivoDireccionNoPermitida(url);
    if (prohibida.isEmpty())
        emit m_respuesta->redirectAllowed();
    else
        Abortar(prohibida);
}

void CDescargaHttp::Leer()
{
    if (m_terminada || !m_motivo.isEmpty() || !m_respuesta)
        return;
    const QByteArray trozo = m_respuesta->readAll();
    const bool paginaDeError = Estado(m_respuesta) != 200;
    if (m_recibidos + m_descartados + trozo.size() > m_limites.maxBytes) {
        Abortar(QStringLiteral("El fichero %1 supera los %2 bytes admitidos; no se descarga.")
                    .arg(m_url.toString())
                    .arg(m_limites.maxBytes));
        return;
    }
    if (paginaDeError) {
        // An error page is never stored as the file; Fin() reports the status.
        m_descartados += trozo.size();
        return;
    }
    if (m_destino->write(trozo) != trozo.size()) {
        const auto* f = qobject_cast<QFileDevice*>(m_destino);
        Abortar(QStringLiteral("No se puede escribir la descarga en %1. Compruebe que queda espacio en el disco.")
                    .arg(f ? f->fileName() : QStringLiteral("memoria")));
        return;
    }
    m_hash.addData(trozo);
    m_recibidos += trozo.size();
}

QString CDescargaHttp::MotivoDeRed() const
{
    QString detalle;
    switch (m_respuesta->error()) {
    case QNetworkReply::ConnectionRefusedError:
        detalle = QStringLiteral("el servidor rechazó la conexión");
        break;
    case QNetworkReply::HostNotFoundError:
        detalle = QStringLiteral("no se encuentra el servidor %1").arg(m_url.host());
        break;
    case QNetworkReply::RemoteHostClosedError:
        detalle = QStringLiteral("el servidor cerró la conexión antes de terminar");
        break;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:   // the inactivity timeout aborts the reply
        detalle = QStringLiteral("el servidor dejó de responder durante %1 s").arg(m_limites.esperaMs / 1000.0);
        break;
    case QNetworkReply::SslHandshakeFailedError:
        detalle = QStringLiteral("el certificado del servidor no es válido o no es de confianza");
        break;
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        detalle = QStringLiteral("el servidor redirige a una dirección no permitida");
        break;
    default:
        detalle = QStringLiteral("error de red %1").arg(int(m_respuesta->error()));
        break;
    }
    return QStringLiteral("No se pudo descargar %1: %2. Compruebe la conexión a Internet y la dirección del "
                          "servidor de actualizaciones.")
        .arg(m_url.toString(), detalle);
}

void CDescargaHttp::Fin()
{
    if (m_terminada || !m_respuesta)
        return;
    if (m_motivo.isEmpty() && m_respuesta->error() == QNetworkReply::NoError && m_respuesta->bytesAvailable() > 0)
        Leer();
    m_terminada = true;

    QString motivo = m_motivo;
    const int estado = Estado(m_respuesta);
    bool anunciado = false;
    const qint64 longitud = m_respuesta->header(QNetworkRequest::ContentLengthHeader).toLongLong(&anunciado);
    if (motivo.isEmpty() && estado != 0 && estado != 200)
        motivo = MotivoEstado(estado, m_url);
    else if (motivo.isEmpty() && m_respuesta->error() != QNetworkReply::NoError)
        motivo = MotivoDeRed();
    else if (motivo.isEmpty() && anunciado && longitud != m_recibidos)
        motivo = QStringLiteral("La descarga de %1 quedó incompleta (%2 de %3 bytes). Inténtelo más tarde.")
                     .arg(m_url.toString())
                     .arg(m_recibidos)
                     .arg(longitud);
    else if (motivo.isEmpty() && m_recibidos == 0)
        motivo = QStringLiteral("El servidor envió %1 vacío. Inténtelo más tarde.").arg(m_url.toString());
    m_respuesta->deleteLater();
    m_respuesta = nullptr;
    emit Terminada(motivo);
}
