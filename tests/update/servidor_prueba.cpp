#include "servidor_prueba.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>

ServidorPrueba::ServidorPrueba(bool tls)
{
    if (tls) {
        auto* ssl = new QSslServer;
        QSslConfiguration c = QSslConfiguration::defaultConfiguration();
        QFile cert(Datos("servidor.pem")), clave(Datos("servidor.key"));
        cert.open(QIODevice::ReadOnly);
        clave.open(QIODevice::ReadOnly);
        c.setLocalCertificate(QSslCertificate(&cert));
        c.setPrivateKey(QSslKey(&clave, QSsl::Rsa));
        ssl->setSslConfiguration(c);
        m_servidor.reset(ssl);
    } else {
        m_servidor = std::make_unique<QTcpServer>();
    }
    m_servidor->listen(QHostAddress::LocalHost);
    connect(m_servidor.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* s = m_servidor->nextPendingConnection())
            Atender(s);
    });
}

ServidorPrueba::~ServidorPrueba() = default;

QString ServidorPrueba::Direccion() const
{
    const bool tls = qobject_cast<QSslServer*>(m_servidor.get());
    return QStringLiteral("%1://127.0.0.1:%2").arg(tls ? "https" : "http").arg(m_servidor->serverPort());
}

void ServidorPrueba::Responder(const QByteArray& ruta, const QByteArray& bruto, bool atascar)
{
    m_respuestas[ruta] = bruto;
    m_atascar[ruta] = atascar;
}

void ServidorPrueba::Atender(QTcpSocket* s)
{
    s->setParent(this);
    connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    connect(s, &QTcpSocket::readyRead, s, [this, s] {
        const QByteArray pedido = s->property("pedido").toByteArray() + s->readAll();
        s->setProperty("pedido", pedido);
        if (!pedido.contains("\r\n\r\n") || s->property("atendido").toBool())
            return;
        s->setProperty("atendido", true);
        const QByteArray ruta = pedido.split(' ').value(1);
        m_pedidos << QString::fromLatin1(ruta);
        s->write(m_respuestas.value(ruta, Respuesta("no encontrado", 404)));
        if (!m_atascar.value(ruta))
            s->disconnectFromHost();
    });
}

QByteArray ServidorPrueba::Respuesta(const QByteArray& cuerpo, int estado)
{
    return "HTTP/1.1 " + QByteArray::number(estado) + (estado == 200 ? " OK" : " Error") +
           "\r\nContent-Length: " + QByteArray::number(cuerpo.size()) + "\r\nConnection: close\r\n\r\n" + cuerpo;
}

QByteArray ServidorPrueba::Troceada(const QByteArray& cuerpo)
{
    QByteArray r = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    for (qsizetype i = 0; i < cuerpo.size(); i += 7) {
        const QByteArray trozo = cuerpo.mid(i, 7);
        r += QByteArray::number(trozo.size(), 16) + "\r\n" + trozo + "\r\n";
    }
    return r + "0\r\n\r\n";
}

QByteArray ServidorPrueba::Suma(const QByteArray& cuerpo, const QByteArray& nombre)
{
    return QCryptographicHash::hash(cuerpo, QCryptographicHash::Sha256).toHex() + "  " + nombre + "\n";
}

QString ServidorPrueba::Datos(const char* fichero)
{
    return QStringLiteral(RENTIVA_SOURCE_DIR "/tests/update/datos/") + QLatin1String(fichero);
}
