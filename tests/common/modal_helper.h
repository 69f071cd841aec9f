#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

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
