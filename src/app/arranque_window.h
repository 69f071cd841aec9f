#pragma once
#include <QStringList>

class CRentivaDoc;
class CMainFrame;
class DialogosDocumentoVentana;

// Start-up after the single-copy check, in order: the first start for this user (receipt
// colours, welcome, "Para comenzar:"), the workspace named on the command line, the window
// and its caption, the start-up opening. False when the named workspace did not open: the
// document has reported why and the program ends.
bool ArrancarPrograma(CRentivaDoc& doc, CMainFrame& frame, DialogosDocumentoVentana& dialogos,
                      const QStringList& argumentos);
