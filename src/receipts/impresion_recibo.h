#pragma once
#include <QDate>
#include <QString>
#include <QVector>

#include "reports/dibujo_texto.h"   // page mapping and fonts, used by other printed pages too
#include "settings/valores.h"        // the types only: the caller reads the store
#include "util/moneda.h"

class Database;
class QPainter;

// One line of the concepts area: its label and amount.
struct LineaImporte {
    QString etiqueta;
    Moneda importe;
};

// The texts and amounts of one receipt, filled by an entry point and drawn by a layout.
// Texts start empty and amounts at 0; fields an entry point does not fill keep those.
// The design, due-date rule, caption mode, tax names and currency come in `ajustes`,
// read by the caller once per job.
class CImpresionRecibo {
public:
    explicit CImpresionRecibo(const AjustesRecibo& ajustes, Database* db = nullptr)
        : ajustes(ajustes), m_db(db) {}
    virtual ~CImpresionRecibo() = default;

    // The 203 x 86 mm receipt band at the top of the page.
    void DibujarRecibo(QPainter& p) const;
    // The full-page invoice. Fills the owner address parts and `doc_arrendador` from the
    // owner record first; draws nothing when the owner is not found.
    void DibujarFactura(QPainter& p);

    // Derived texts.
    QString TextoFechaEmision() const;      // "1 DE MARZO DEL 2.005"
    QString TextoVencimiento() const;       // by ajustes.vencimiento
    QString TituloNumero() const;           // by ajustes.recibo_factura
    QString CabeceraImporte() const;        // "IMPORTE EUROS", by the currency name
    QString PeriodoFactura() const;         // "MARZO del 2.005"
    // Street type (looked up) + direccion + " " + piso.
    QString LineaDireccion() const;
    // One line per amount that is not 0, in print order; `factura` picks the invoice's
    // rent label ("Renta ..." instead of "    Renta ...").
    QVector<LineaImporte> LineasImporte(bool factura = false) const;
    Moneda Total() const;
    // Owner's street, town and postcode as the receipt prints them; empty without a
    // database or an owner row.
    void DireccionArrendador(QString& calle, QString& localidad, QString& cp) const;

    Database* Base() const { return m_db; }

    AjustesRecibo ajustes;
    QString texto_domiciliacion;
    int en_color = 0;
    QString arrendador, doc_arrendador, direccion, piso, localidad;
    QString nom_arrendatario, doc_arrendatario, refcatastral, direccioninquilino;
    QString texto_numero, nota_recibo, telefono_arrendador;
    QDate fecha_emision;
    Moneda renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
    int modelo_impresion = 1;
    // The owner's address, written by the invoice layout from the owner record.
    QString via_arrendador, direccion_arrendador, piso_arrendador, cp_arrendador,
        localidad_arrendador;

private:
    Database* m_db;   // borrowed; none for the manual receipt form
};
