#pragma once
// Pieces of the plain-text documents (contract, letters): indents and amount tables.
#include <QString>
#include <QStringList>

#include "util/moneda.h"

// The indent that starts a paragraph.
inline const QString kSangria = QStringLiteral("     ");

// One line of an amount table, ended by "\n": two spaces, the label in 40 columns and the
// amount right-aligned in the next 20. A label is cut at 40; an amount never is.
QString LineaTabla(const QString& etiqueta, const QString& importe);
// The same with the amount as "1.234,56 €".
QString LineaTablaImporte(const QString& etiqueta, Moneda importe);

// "A", "A y B", "A, B y C".
QString Enumerar(const QStringList& lista);

// Every "\n" as CR LF, the line end of the documents.
QString FinesCrLf(QString texto);
