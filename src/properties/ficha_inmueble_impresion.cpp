#include "properties/ficha_inmueble_impresion.h"

#include <QPainter>

#include "reports/dibujo_texto.h"
#include "reports/salida_pdf.h"
#include "util/formato.h"

namespace {

constexpr int kAltoSlot = 50;   // 5 mm
constexpr int kSangria = 20;    // 2 mm

// One box in millimetres, drawn over what lies under it, with its one or two slots.
class Ficha {
public:
    explicit Ficha(QPainter& p) : m_p(p) {}

    void Caja(int x1, int y1, int x2, int y2)
    {
        m_caja = ::Caja(x1 * 10, y1 * 10, x2 * 10, y2 * 10);
        m_p.setPen(QPen(Qt::black, 0));
        m_p.setBrush(Qt::white);
        m_p.drawRect(m_caja);
    }
    // Slot `fila` (0 upper, 1 lower) of the last box.
    void Texto(int fila, const QString& texto, Qt::Alignment a = Qt::AlignLeft)
    {
        const QRect slot(m_caja.left() + kSangria, m_caja.top() + fila * kAltoSlot,
                         m_caja.width() - kSangria, kAltoSlot);
        TextoLinea(m_p, slot, texto, a | Qt::AlignTop);
    }
    void Etiquetada(int x1, int y1, int x2, int y2, const QString& etiqueta, const QString& valor)
    {
        Caja(x1, y1, x2, y2);
        Texto(0, etiqueta);
        Texto(1, valor);
    }
    void Simple(int x1, int y1, int x2, int y2, const QString& texto, Qt::Alignment a = Qt::AlignLeft)
    {
        Caja(x1, y1, x2, y2);
        Texto(0, texto, a);
    }
    void Notas(int x1, int y1, int x2, int y2, const QString& notas)
    {
        Caja(x1, y1, x2, y2);
        TextoLineas(m_p, QRect(m_caja.left() + kSangria, m_caja.top(), m_caja.width() - kSangria, m_caja.height()),
                    notas);
    }

private:
    QPainter& m_p;
    QRect m_caja;
};

}  // namespace

void DibujarFichaInmueble(QPainter& p, const FichaInmueble& d, const RotulosFicha& rotulos)
{
    p.save();
    PrepararPaginaDecimasMm(p);
    p.setFont(FuenteDecimas(kAltoSlot));
    Ficha f(p);
    f.Caja(80, 20, 140, 25);
    f.Texto(0, QStringLiteral("FICHA INMUEBLE"), Qt::AlignHCenter);
    f.Simple(20, 30, 50, 35, QStringLiteral("Referencia"));
    f.Simple(50, 30, 100, 35, d.codref);
    f.Etiquetada(20, 35, 60, 45, QStringLiteral("Vía"), d.via);
    f.Etiquetada(60, 35, 200, 45, QStringLiteral("Dirección"), d.direccion);
    // Type and floor share the row side by side, so that neither hides the other.
    f.Simple(20, 45, 70, 50, NombreTipoInmueble(d.tipo_inmueble));
    f.Simple(70, 45, 200, 50, d.piso);
    f.Etiquetada(50, 50, 200, 60, QStringLiteral("Localidad"), d.localidad);
    f.Etiquetada(20, 50, 50, 60, QStringLiteral("Código Postal"), d.cp);
    f.Simple(20, 65, 60, 70, QStringLiteral("Propietario"));
    f.Simple(60, 65, 200, 70, d.arrendador);

    const QString conceptos[7] = {QStringLiteral("Renta"), d.otro_concepto1, d.otro_concepto2, d.otro_concepto3,
                                  rotulos.impuesto1, rotulos.impuesto2, QStringLiteral("Total")};
    const Moneda importes[7] = {d.renta, d.otro_importe1, d.otro_importe2, d.otro_importe3, d.iva, d.irpf,
                                TotalInmueble(d)};
    for (int i = 0; i < 7; ++i) {
        const int y = 75 + 5 * i;
        f.Simple(40, y, 140, y + 5, conceptos[i]);
        f.Simple(140, y, 180, y + 5, MonedaATexto(importes[i]), Qt::AlignRight);
    }

    f.Simple(20, 115, 60, 120, QStringLiteral("Fecha Contrato"));
    f.Simple(60, 115, 110, 120, d.fecha.isValid() ? FechaCorta(d.fecha.date()) : QString());
    f.Etiquetada(20, 120, 110, 130, QStringLiteral("Nombre Inquilino"), d.nom_arrendatario);
    f.Etiquetada(110, 120, 155, 130, QStringLiteral("Nacionalidad"), d.nacionalidad_arrendatario);
    f.Etiquetada(155, 120, 200, 130, QStringLiteral("Documento"), d.doc_arrendatario_tipo + d.doc_arrendatario_num);
    f.Etiquetada(20, 130, 110, 140, QStringLiteral("Domiciliación bancaria"), d.banco + d.sucursal + d.dc + d.ccc);
    f.Etiquetada(110, 130, 155, 140, QStringLiteral("Teléfono"), d.telefono_casa);
    f.Etiquetada(155, 130, 200, 140, QStringLiteral("Móvil"), d.telefono_movil);
    f.Simple(20, 145, 50, 150, QStringLiteral("Notas"));
    f.Notas(20, 150, 200, 275, QString(d.notas).remove(u'\r'));
    p.restore();
}

void FichaInmuebleAPdf(const QString& ruta, const FichaInmueble& d, const RotulosFicha& rotulos)
{
    EscribirPdf(ruta, kDocumentoFicha,
                [&](QPainter& p, QPagedPaintDevice&) { DibujarFichaInmueble(p, d, rotulos); });
}
