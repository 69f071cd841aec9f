#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The "Actualizando" window: what utilidad is doing, a bar, and at the end how it went.
class CUtilidadWindow : public QDialog {
    Q_OBJECT
public:
    explicit CUtilidadWindow(QWidget* parent = nullptr);

    void MostrarEstado(const QString& texto, int porcentaje);   // -1: busy, no measure
    // On success the window closes itself after a few seconds; a failure stays to be read.
    void MostrarFin(bool ok, const QString& mensaje);

    // Closing while the work runs is refused: the program file must not be left half-done.
    void reject() override;

private:
    QLabel* m_texto;
    QProgressBar* m_barra;
    QPushButton* m_cerrar;
    bool m_terminado = false;
};
