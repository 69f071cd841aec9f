#pragma once
// The browsing order of the properties: the key columns of the index InmueblesIndex, which
// the property form, the billing run and the property listing follow.
#include <QString>

class Database;

inline const QString kTextoOrdenar =
    QStringLiteral("Selecione el concepto por el que quiere ordenar los inmuebles.");

struct OrdenInmuebles {
    int numero;             // 1 to 6, kept in the settings
    const char* rotulo;     // the button's caption
    const char* columnas;   // the index's key columns
};

// The six choices in the dialog's order.
const OrdenInmuebles (&OrdenesInmuebles())[6];
// Choice 1 to 6; nullptr for any other number.
const OrdenInmuebles* BuscarOrdenInmuebles(int numero);

// Replaces InmueblesIndex by the index of choice `numero` in one transaction: on any failure
// the previous index stays and DbError is thrown. A number outside 1..6 is refused
// (UserError). The caller then stores the number in the settings.
void AplicarOrdenInmuebles(Database& db, int numero);

// The choice InmueblesIndex stands for now; 0 when the index matches none of them.
int OrdenInmueblesActual(Database& db);
