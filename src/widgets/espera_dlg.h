#pragma once
#include <QDialog>

class QProgressBar;
class QTimer;

// The busy window: a bar that fills in about a second next to "Ejecutando tarea".
// Run modally; it closes by itself after ten ticks of 100 ms unless SeguirEjecutando(true),
// in which case the bar starts over until Terminar() is called (also safe to queue from
// another thread with QMetaObject::invokeMethod).
class CEsperaDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEsperaDlg(QWidget* parent = nullptr);

    void SeguirEjecutando(bool seguir) { m_seguir = seguir; }
    int Contador() const { return m_contador; }
    QProgressBar* Barra() const { return m_barra; }

    // Escape does not stop a task that keeps running.
    void reject() override;

public slots:
    void Terminar();

private:
    void Tic();

    QProgressBar* m_barra;
    QTimer* m_reloj;
    int m_contador = 0;
    bool m_seguir = false;
};
