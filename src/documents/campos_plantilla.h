#pragma once
// Template documents: field names between underscores ("_Nombre_Inquilino_") stand for data
// of a property, its tenant and its owner.
#include <QString>

#include "documents/datos_documento.h"

class Database;
class QTextDocument;

constexpr int kNumCampos = 43;

// The name of field k (1 to 43); "_error_" for any other k.
QString NombreCampo(int k);
// The value of field k for one property; empty for an unknown k.
QString ValorCampo(int k, const DatosPlantilla& d);

// Replaces every field name in the document by its value, in one forward pass: at each
// place the longest name that matches (ignoring case) wins, and the search goes on after the
// inserted value, so a value that holds a field name is left as it is. Each value takes the
// character format of the first character of its field. Returns the fields replaced.
int RellenarCampos(QTextDocument& documento, const DatosPlantilla& d);

// The staging table of template filling: `informe_inmueble` holding exactly property `ref`,
// in one transaction. Refuses a property that does not exist, leaving the table as it was.
void PrepararInformeInmueble(Database& db, qint64 ref);
