#pragma once
#include <QtGlobal>

class Database;
class QWidget;

// Individual billing from the property form ("Facturar"): one extra receipt of the
// stored property `refInmueble` for a month the user picks, then its modification form.
// Messages are shown here; returns the new receipt's ref, or 0 when nothing was written.
qint64 FacturarInmuebleConDialogo(QWidget* parent, Database& db, qint64 refInmueble);
