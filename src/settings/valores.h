#pragma once
// What a print or bank job takes from the settings, as plain values. Logic includes this
// header for the types only and never reads the store: app/, cli/ and dialogs fill these
// once per job with LeerAjustesRecibo / LeerAjustesBanco (settings/ajustes.h) and pass
// them in. A value built here with no changes is what an empty settings file reads.
#include <QString>
#include <array>

#include "settings/claves.h"

// The two tax kinds: 1 is added to the rent, 2 is withheld.
struct AjustesImpuestos {
    QString nombre1 = ajustes::kImpuesto1NombrePorDefecto;
    QString nombre2 = ajustes::kImpuesto2NombrePorDefecto;
    int porcentaje1 = ajustes::kImpuesto1PorcentajePorDefecto;
    int porcentaje2 = ajustes::kImpuesto2PorcentajePorDefecto;
    bool operator==(const AjustesImpuestos&) const = default;
};

struct AjustesMoneda {
    QString nombre = ajustes::kMonedaNombrePorDefecto;     // "Euros"
    QString simbolo = ajustes::kMonedaSimboloPorDefecto;   // "€"
    bool operator==(const AjustesMoneda&) const = default;
};

// The look of the receipt band.
struct DisenoRecibo {
    QString color;   // "TRANSPARENTE": no coloured band
    QString fondo;   // "SOLIDO": a solid fill; anything else: a hatch
    // The band's colour as stored; the renderer keeps each part within 0..255.
    int rojo = ajustes::kColorRPorDefecto;
    int verde = ajustes::kColorGPorDefecto;
    int azul = ajustes::kColorBPorDefecto;
    int tipo_cuadro_izquierdo = 0;    // left stub: 0 empty, 1 the three texts, 2 the logo
    std::array<QString, 3> textos;    // the stub's three vertical lines
    QString logo;                     // picture file of the stub
    bool operator==(const DisenoRecibo&) const = default;
};

// What the receipt prints under "VENCIMIENTO".
struct ReglaVencimiento {
    int tipo = 0;   // 0 "A LA VISTA", 1 day `dia` of the issue month, 2 the text `otro`
    int dia = ajustes::kVencimientoDiaPorDefecto;
    QString otro;
    bool operator==(const ReglaVencimiento&) const = default;
};

// Everything the receipt and invoice layouts read.
struct AjustesRecibo {
    DisenoRecibo diseno;
    ReglaVencimiento vencimiento;
    // Caption of the number box: 0 receipt, 1 invoice, 2 both, 3 invoice when numbered.
    int recibo_factura = 0;
    AjustesImpuestos impuestos;
    AjustesMoneda moneda;
    bool operator==(const AjustesRecibo&) const = default;
};

// What the bank file and its listing read.
struct AjustesBanco {
    int sufijo = ajustes::kSufijoPorDefecto;   // as stored; the writer turns one outside 0..999 into 1
    AjustesImpuestos impuestos;
    bool operator==(const AjustesBanco&) const = default;
};

// What the contract texts take: the font of the plain-text contract and the tax names of the
// monthly table.
struct AjustesContrato {
    int alto_letra = ajustes::kAltoLetraPorDefecto;   // points
    AjustesImpuestos impuestos;
    bool operator==(const AjustesContrato&) const = default;
};
