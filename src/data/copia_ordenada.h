#pragma once
// Copying rows from one table into another in a chosen order.
#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;

// Inserts into `destino` (columns `columnas`) the values `valoresOrigen` (SQL over the source
// row, named `t`) of each row of `origen` meeting `donde` ("" or " WHERE ...", its values
// bound as ?1, ?2... from `valores`), in the order of `orden` (ORDER BY terms). Sorting whole
// rows would carry every column (notes, equipment) through the sorter: the row ids are sorted
// alone, then the rows copied in their order. Returns the rows copied. Run it in a transaction.
int CopiarEnOrden(Database& db, const QString& origen, const QString& destino, const QStringList& columnas,
                  const QStringList& valoresOrigen, const QString& donde, const QVariantList& valores,
                  const QString& orden);
