#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

#include "widgets/aviso_dlg.h"

// Answers every message box and notice that a step opens: records its text and closes it, so that a
// refused confirmation does not block the test. Stays active for the helper's lifetime.
class CerrarMensajes {
public:
    CerrarMensajes()
    {
        m_reloj.setInterval(5);
        QObject::connect(&m_reloj, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                m_textos << box->text();
                box->done(QMessageBox::Ok);
            } else if (auto* aviso = qobject_cast<CAvisoDlg*>(w)) {
                m_textos << aviso->Texto();
                aviso->reject();
            }
        });
        m_reloj.start();
    }
    const QStringList& Textos() const { return m_textos; }
    QString Ultimo() const { return m_textos.isEmpty() ? QString() : m_textos.last(); }
    void Limpiar() { m_textos.clear(); }

private:
    QTimer m_reloj;
    QStringList m_textos;
};

// Answers the modal dialogs a flow opens, one answer per dialog, in order. Each answer gets
// the dialog and closes it (or leaves it open for the nested dialogs it starts). Dialogs left
// over once the answers run out are rejected, so a flow that opens more than expected fails
// the test instead of hanging it.
class Respuestas {
public:
    using Respuesta = std::function<void(QWidget*)>;
    explicit Respuestas(std::initializer_list<Respuesta> r) : m_pendientes(r)
    {
        QObject::connect(&m_reloj, &QTimer::timeout, [this] { Mirar(); });
        m_reloj.start(10);
    }
    QStringList vistos;    // window titles, in the order the dialogs appeared
    bool Agotadas() const { return m_pendientes.empty(); }

private:
    void Mirar()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        if (w == m_ultimo) {
            // An answer that failed half way must not leave the flow waiting for ever.
            if (m_desde.elapsed() > 3000)
                w->close();
            return;
        }
        m_ultimo = w;
        m_desde.start();
        vistos << w->windowTitle();
        if (m_pendientes.empty()) {
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
            return;
        }
        Respuesta r = m_pendientes.front();
        m_pendientes.pop_front();
        r(w);
    }
    std::deque<Respuesta> m_pendientes;
    QTimer m_reloj;
    QPointer<QWidget> m_ultimo;
    QElapsedTimer m_desde;    // cleared when it goes: the next may reuse its address
};

inline void Aceptar(QWidget* w) { qobject_cast<QDialog*>(w)->accept(); }
inline void Rechazar(QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }
