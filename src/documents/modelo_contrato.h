#pragma once
// Contract models: any file (RTF as a rule) in which "&" and a six-byte name stand for a text
// of the contract.
#include <QByteArray>
#include <QList>
#include <QString>

#include "documents/contrato.h"

// The field names, in table order ("Locali", "Nombre", ... "Interv").
const QList<QByteArray>& CamposModelo();

// The plain text of one field (line breaks as "\n"); a null QString for an unknown name.
QString ValorCampoModelo(const QByteArray& campo, const DatosContrato& d);

// The model with every known field replaced by its text as RTF (one group per value); an
// unknown name and an "&" with fewer than six bytes after it stay as they are. Any size.
QByteArray RellenarModelo(const QByteArray& modelo, const DatosContrato& d);
