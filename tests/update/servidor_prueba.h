#pragma once
#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <memory>

class QTcpServer;
class QTcpSocket;

// A web server for the tests on 127.0.0.1: each path answers with fixed raw bytes (status
// line, headers, body) and the connection is closed, unless the answer is marked to stall.
// Unknown paths answer 404. With TLS it serves the test certificate of tests/update/datos.
class ServidorPrueba : public QObject {
    Q_OBJECT
public:
    explicit ServidorPrueba(bool tls = false);
    ~ServidorPrueba() override;

    QString Direccion() const;   // http(s)://127.0.0.1:PORT
    void Responder(const QByteArray& ruta, const QByteArray& bruto, bool atascar = false);
    QStringList Pedidos() const { return m_pedidos; }   // the paths asked, in order

    static QByteArray Respuesta(const QByteArray& cuerpo, int estado = 200);
    static QByteArray Troceada(const QByteArray& cuerpo);   // Transfer-Encoding: chunked
    static QByteArray Suma(const QByteArray& cuerpo, const QByteArray& nombre);   // as sha256sum writes
    static QString Datos(const char* fichero);

private:
    void Atender(QTcpSocket* s);

    std::unique_ptr<QTcpServer> m_servidor;
    QMap<QByteArray, QByteArray> m_respuestas;
    QMap<QByteArray, bool> m_atascar;
    QStringList m_pedidos;
};
