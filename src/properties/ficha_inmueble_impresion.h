#pragma once
// The property card "FICHA INMUEBLE": one page of ruled boxes drawn in tenths of a
// millimetre from the top left corner of the printable area.
#include <QString>

#include "properties/inmuebles.h"

class QPainter;

inline const QString kDocumentoFicha = QStringLiteral("Rentiva: Imprimiendo Ficha");

// The captions of the two tax lines, as the form's tax buttons show them.
struct RotulosFicha {
    QString impuesto1, impuesto2;
};

// Draws the card on the painter, which is open on its device; sets its own mapping.
void DibujarFichaInmueble(QPainter& p, const FichaInmueble& d, const RotulosFicha& rotulos);

// The card as an A4 PDF without margins, written whole or not at all.
void FichaInmuebleAPdf(const QString& ruta, const FichaInmueble& d, const RotulosFicha& rotulos);
