#pragma once
#include "widgets/ajuste_dlg.h"

// "Texto cuadro Recibo / Factura": the caption of the receipt's number box,
// 0 "Recibo", 1 "Factura", 2 "Factura" when numbered else "Recibo", 3 "Factura / Recibo número".
class CTextoCuadroReciboFactura : public CAjusteDlg {
    Q_OBJECT
public:
    explicit CTextoCuadroReciboFactura(QWidget* parent = nullptr);
    QButtonGroup* Opciones() const { return m_opciones; }

private:
    bool Guardar() override;

    QButtonGroup* m_opciones;
};
