#pragma once
#include <QString>
#include <QStringList>

#include "settings/claves.h"
#include "settings/valores.h"

// The per-user settings store. Each value keeps its kind: an integer read as text (or a
// text read as integer) gives the default. Defaults are never written back. The file is
// JSON at $RENTIVA_SETTINGS, else $XDG_CONFIG_HOME/rentiva/rentiva.conf (~/.config when
// XDG_CONFIG_HOME is unset). Every read sees the file as it is now (the parsed file is kept
// only while the file on disk is unchanged).

QString RutaAjustes();

int LeerEntero(const QString& seccion, const QString& clave, int porDefecto);
bool EscribirEntero(const QString& seccion, const QString& clave, int valor);
QString LeerTexto(const QString& seccion, const QString& clave, const QString& porDefecto = QString());
// Stores at most the first 4999 characters.
bool EscribirTexto(const QString& seccion, const QString& clave, const QString& texto);

// Tax kinds 1 (added to the rent) and 2 (withheld); any other kind reads "" / 0 and writes nothing.
QString NombreImpuesto(int tipo);
int PorcentajeImpuesto(int tipo);
void PonerNombreImpuesto(int tipo, const QString& nombre);
void PonerPorcentajeImpuesto(int tipo, int porcentaje);
inline QString NombreImpuesto1() { return NombreImpuesto(1); }
inline QString NombreImpuesto2() { return NombreImpuesto(2); }
inline int PorcentajeImpuesto1() { return PorcentajeImpuesto(1); }
inline int PorcentajeImpuesto2() { return PorcentajeImpuesto(2); }

QString NombreMoneda();
QString SimboloMoneda();
void PonerNombreMoneda(const QString& nombre);
void PonerSimboloMoneda(const QString& simbolo);

// The workspaces opened last, newest first, at most four (the Archivo menu's list).
QStringList ArchivosRecientes();
// Puts ruta first in the list (once); the oldest beyond four goes.
void AnotarArchivoReciente(const QString& ruta);
void QuitarArchivoReciente(const QString& ruta);

// What a receipt print job or a bank file needs, each read once from the store.
AjustesRecibo LeerAjustesRecibo();
AjustesBanco LeerAjustesBanco();
AjustesContrato LeerAjustesContrato();
