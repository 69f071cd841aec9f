#pragma once
#include <QDate>
#include <QString>
#include <QVector>
#include "util/moneda.h"

class Database;
class QPainter;

// One line of the concepts area: its label and amount.
struct LineaImporte {
    QString etiqueta;
    Moneda importe;
};

// The texts and amounts of one receipt, filled by an entry point and drawn by a layout.
class CImpresionRecibo {
public:
    explicit CImpresionRecibo(Database* db = nullptr) : m_db(db) {}
    virtual ~CImpresionRecibo() = default;

    // The 203 x 86 mm receipt band at the top of the page.
    void DibujarRecibo(QPainter& p) const;
    // The full-page invoice; draws nothing when the owner is not found.
    void DibujarFactura(QPainter& p) const;
    // Invoice texts (the owner and property look-ups are made by the caller).
    QString PeriodoFactura() const;

    // Derived texts; settings are read afresh on each call.
    QString TextoFechaEmision() const;
    QString TextoVencimiento() const;
    QString TituloNumero() const;
    QString CabeceraImporte() const;
    QString LineaDireccion() const;          // street type + direccion + " " + piso
    QVector<LineaImporte> LineasImporte() const;
    Moneda Total() const;

    QString texto_domiciliacion;
    int en_color = 1;
    QString arrendador, doc_arrendador, direccion, piso, localidad;
    QString nom_arrendatario, doc_arrendatario, refcatastral, direccioninquilino;
    QString texto_numero, nota_recibo, telefono_arrendador;
    QDate fecha_emision;
    Moneda renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
    int modelo_impresion = 1;

private:
    Database* m_db;   // borrowed; none for the manual receipt form
};

// Sets the painter to tenths of a millimetre over the device's page.
void PrepararPaginaDecimasMm(QPainter& p);
// A "Times New Roman" font whose height is in logical units (tenths of a mm).
class QFont;
QFont FuenteDecimas(double alto);
