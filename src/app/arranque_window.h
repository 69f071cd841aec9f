#pragma once
#include <QStringList>

class CRentivaDoc;
class QWidget;
class CMainFrame;
class DialogosDocumentoVentana;

// Start-up after the single-copy check, in order: the first start for this user (receipt
// colours, welcome, "Para comenzar:"), the workspace named on the command line, the window
// and its caption, the start-up opening. False when the named workspace did not open: the
// document has reported why and the program ends.
bool ArrancarPrograma(CRentivaDoc& doc, CMainFrame& frame, DialogosDocumentoVentana& dialogos,
                      const QStringList& argumentos);

// The one argument the program takes: the workspace to open, as an absolute path; empty
// when none was given.
QString ArchivoDeLaLineaDeOrdenes(const QStringList& argumentos);

// What the running copy does when the program is started again: its window comes to the
// front and, when the new start named a file, opens it as "Archivo > Abrir" would. While a
// form of the running copy is open the file is not opened (the form works on the open
// workspace); the user is told to close the form first.
void AtenderSegundoInicio(CRentivaDoc& doc, QWidget& ventana, const QString& ruta);
