#pragma once
#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `accion` on each modal window that opens while the object lives, and records the
// class of each one.
class Modales {
public:
    explicit Modales(std::function<void(QWidget*)> accion) : m_accion(std::move(accion))
    {
        QObject::connect(&m_reloj, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || w == m_ultimo)
                return;
            m_ultimo = w;
            vistos << QString::fromLatin1(w->metaObject()->className());
            m_accion(w);
        });
        m_reloj.start(20);
    }
    QStringList vistos;

    static void Aceptar(QWidget* w) { QMetaObject::invokeMethod(w, "accept", Qt::QueuedConnection); }

private:
    std::function<void(QWidget*)> m_accion;
    QTimer m_reloj;
    // Cleared when that window is destroyed: the next one may take its address.
    QPointer<QWidget> m_ultimo;
};
