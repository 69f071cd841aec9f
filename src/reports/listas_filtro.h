#pragma once
// What the filter lists of the report and export dialogs offer, read straight from the
// owners and properties (the shared lookup tables are left alone).
#include <QString>
#include <QStringList>

class Database;

// Owners' names, ignoring case in alphabetical order.
QStringList PropietariosFiltro(Database& db);
// Towns of the properties, neither NULL nor empty, once each, in alphabetical order.
QStringList LocalidadesFiltro(Database& db);
// Streets of the properties, once each, in alphabetical order; only those of the town and
// owner when they are chosen (FiltroElegido).
QStringList DireccionesFiltro(Database& db, const QString& localidad = QString(),
                              const QString& propietario = QString());
// Floors of the properties of the street (none when no street is chosen), of the town and
// owner when chosen, in the properties' order, once each.
QStringList PisosFiltro(Database& db, const QString& direccion, const QString& localidad = QString(),
                        const QString& propietario = QString());
