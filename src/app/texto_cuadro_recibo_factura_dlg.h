#pragma once
#include <QDialog>

class QButtonGroup;

// "Texto cuadro Recibo / Factura": the caption of the receipt's number box,
// 0 "Recibo", 1 "Factura", 2 "Factura" when numbered else "Recibo", 3 "Factura / Recibo número".
class CTextoCuadroReciboFactura : public QDialog {
    Q_OBJECT
public:
    explicit CTextoCuadroReciboFactura(QWidget* parent = nullptr);
    QButtonGroup* Opciones() const { return m_opciones; }
    void accept() override;

private:
    QButtonGroup* m_opciones;
};
