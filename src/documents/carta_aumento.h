#pragma once
// The rent revision by the consumer price index: the index as typed, the revised amounts,
// the letter, and the revision stored in the property.
#include <QDate>
#include <QString>
#include <vector>

#include "documents/datos_documento.h"
#include "settings/valores.h"

class Database;

// The index in hundredths of a percent (3,45 % is 345) and the text the field shows.
struct IndiceIpc {
    qint64 centesimas = 0;
    QString texto = QStringLiteral("0,00 %");
};
// Digits before the first "." or "," are the whole part, the digits after it the decimals
// (two kept, no rounding); a "-" before any digit makes the index negative; any other
// character is dropped. "3,456" reads 3,45 %, "-1,5" -1,50 %, "1.5" 1,50 %, "abc" and "" 0,00 %.
// A whole part longer than six digits keeps its first six.
IndiceIpc LeerIndiceIpc(const QString& texto);

// The old and the revised amounts, and the two tax boxes.
struct Aumento {
    ImportesRecibo antiguo, nuevo;
    IndiceIpc indice;
    bool conIva = false, conIrpf = false;   // boxes ticked where the property has that tax
};

// As the form opens: the revised column equal to the old one, index 0.
Aumento AbrirAumento(const DatosPlantilla& d);
// Base of both taxes: the revised rent plus the three revised other amounts.
Moneda BaseAumento(const Aumento& a);
// The index applied to the old rent and other amounts (each rounded to cents as computed),
// then the ticked taxes recomputed on the revised base. Refuses amounts out of range.
void AplicarIndice(Aumento& a, const IndiceIpc& indice, const AjustesImpuestos& impuestos);
// A tax box (1 or 2) ticked or cleared: the tax from the revised base, or 0.
void MarcarImpuesto(Aumento& a, int tipo, bool marcado, const AjustesImpuestos& impuestos);
// Every revised amount to whole cents (after the user typed some).
void RedondearNuevos(Aumento& a);

// The rows of the form, in order: "Renta", the three concepts, the two taxes (by their
// names); those zero in both columns left out when `soloConImporte`.
struct FilaAumento {
    QString concepto;
    Moneda antiguo, nuevo;
};
std::vector<FilaAumento> FilasAumento(const DatosPlantilla& d, const Aumento& a,
                                      const AjustesImpuestos& impuestos, bool soloConImporte);

// The revision letter, CR LF line ends.
QString TextoCartaAumento(const DatosPlantilla& d, const Aumento& a, const AjustesImpuestos& impuestos);

// The line appended to the property's notes: "- D/M/AAAA CARTA DE AUMENTO DE OLD A NEW."
QString NotaAumento(const Aumento& a, const QDate& hoy);
// Stores the revised amounts in property `ref` and appends the note (CR LF first) to its
// notes, whole. Refuses a property that no longer exists.
void ConfirmarAumento(Database& db, qint64 ref, const Aumento& a, const QDate& hoy);
