#pragma once
#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// How far one download may go.
struct LimitesDescarga {
    int esperaMs = 30'000;                   // inactivity timeout
    qint64 maxBytes = 256LL * 1024 * 1024;   // a larger body is refused
    QList<QSslCertificate> autoridades;      // trusted besides the system's (tests)
};

// Only https is accepted, and http to a loopback address (the tests' own server). The
// reason is empty when the address may be used.
QString MotivoDireccionNoPermitida(const QUrl& url);

// One GET whose body is written to `destino` as it arrives and hashed (SHA-256) on the way.
// It succeeds only on status 200 with a non-empty body of exactly the announced length
// (when one is announced) under the size limit; redirects must lead to allowed addresses.
// Certificates are checked by Qt and SSL errors are never ignored.
class CDescargaHttp : public QObject {
    Q_OBJECT
public:
    CDescargaHttp(QNetworkAccessManager& red, QObject* parent = nullptr);
    ~CDescargaHttp() override;

    // `destino` is borrowed and must be open for writing.
    void Iniciar(const QUrl& url, QIODevice* destino, const LimitesDescarga& limites);
    void Cancelar();

    QByteArray Sha256Hex() const { return m_hash.result().toHex(); }
    qint64 Recibidos() const { return m_recibidos; }

signals:
    void Progreso(qint64 recibidos, qint64 total);   // total -1 when not announced
    // Empty reason: the body is whole in `destino`.
    void Terminada(const QString& motivo);

private:
    void Leer();
    void Cabeceras();
    void Redirigida(const QUrl& url);
    void Fin();
    void Abortar(const QString& motivo);
    QString MotivoDeRed() const;

    QNetworkAccessManager& m_red;
    QPointer<QNetworkReply> m_respuesta;
    QIODevice* m_destino = nullptr;
    LimitesDescarga m_limites;
    QUrl m_url;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_recibidos = 0;
    qint64 m_descartados = 0;   // bytes of an error page
    QString m_motivo;   // set when we stop the transfer ourselves
    bool m_terminada = true;
};
