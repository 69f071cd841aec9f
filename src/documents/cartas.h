#pragma once
// The letters to the tenant of one property: their common pieces and the two rescission
// texts. The pieces end their lines with "\n"; each letter is returned with CR LF.
#include <QString>

#include "documents/datos_documento.h"

// The act every letter cites, in typographic quotation marks.
inline const QString kLeyArrendamientos =
    QStringLiteral("\u201CLey 29/1994, de 24 de noviembre, de Arrendamientos Urbanos\u201D");

// The sender: name; document; address; floor and town; "Teléfono: " and the telephone. Each
// line ends with "." and is written only when its value holds more than spaces.
QString BloquePropietario(const DatosPlantilla& d);
// "En TOWN a DATE." (", a " with `coma`) with today's date in words; "A DATE." when the
// property has no town. No line end.
QString LineaFecha(const DatosPlantilla& d, bool coma);
// "D. TENANT." and "ADDRESS FLOOR.", each line after `sangria`.
QString BloqueInquilino(const DatosPlantilla& d, const QString& sangria);
// "del piso FLOOR, sito en ADDRESS de TOWN": floor and town only when the property has them,
// the comma after the floor only with `coma`.
QString SituacionPiso(const DatosPlantilla& d, bool coma);
// The property's street type and street.
QString DireccionInmueble(const DatosPlantilla& d);

// "Aviso rescisión": the contract ends at its term.
QString TextoAvisoRescision(const DatosPlantilla& d);
// "Rescisión Contrato": both parties end the contract, dated today.
QString TextoRescisionContrato(const DatosPlantilla& d);
