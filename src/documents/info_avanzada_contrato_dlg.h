#pragma once
#include <QDialog>
#include <array>

#include "documents/contrato.h"

class QComboBox;
class QLineEdit;

// "Información avanzada del contrato": the owner's representative and up to three co-tenants.
// The rows are returned as typed; the contract dialog compacts them.
class CInfoAvanzadaContratoDlg : public QDialog {
    Q_OBJECT
public:
    CInfoAvanzadaContratoDlg(QWidget* parent, const QStringList& propietarios, const QString& representante,
                             const std::array<Coarrendatario, 3>& coarrendatarios);
    QString Representante() const;   // empty: none
    std::array<Coarrendatario, 3> Coarrendatarios() const;

private:
    QComboBox* m_representante;
    struct Fila {
        QLineEdit* nombre;
        QComboBox* tipo;
        QLineEdit* numero;
        QLineEdit* nacionalidad;
    };
    std::array<Fila, 3> m_filas{};
};
