#pragma once

#include "update/actualizacion.h"

// The program's one update checker, for its whole run: the manual check and the one at
// exit share it, so at most one check runs per run.
CActualizador& ActualizadorDelPrograma();

// This program's folder and pid, utilidad started detached, and the server from the settings.
OpcionesActualizacion OpcionesDelPrograma();

// The exit step's check: silent, it waits for its end (the window is already gone).
void ComprobarAlSalir();
