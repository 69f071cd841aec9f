#pragma once
// The owner and property commands of the main window and the first-owner step run when a
// workspace without owners is opened.

#include <QtGlobal>

class Database;
class QWidget;

// "Propietarios": the owner form on the open workspace.
void AbrirPropietarios(QWidget* parent, Database& db);
// "Inmuebles": the property form (the main window checks for an owner first); returns
// true when the user asked for the search.
bool AbrirInmuebles(QWidget* parent, Database& db);
// A row of the main window's list: the property form on that ref, browsing off; its
// "Buscar" goes on to the search.
void AbrirInmuebleElegido(QWidget* parent, Database& db, qint64 ref);
// A workspace with no owner leads the user through the owner form, then the property
// form for a first property. Does nothing when there are owners already.
void PasoPrimerPropietario(QWidget* parent, Database& db);
