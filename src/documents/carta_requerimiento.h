#pragma once
// The rent claim: up to six unpaid months and four other amounts, and the letter that
// claims them.
#include <QDate>
#include <QString>
#include <array>

#include "documents/datos_documento.h"

struct MesReclamado {
    QDate mes;   // its first day
    bool marcado = false;
    Moneda importe;
};

struct ConceptoReclamado {
    QString concepto;
    Moneda importe;
};

struct Requerimiento {
    std::array<MesReclamado, 6> meses;   // the current month first, then backwards
    std::array<ConceptoReclamado, 4> conceptos;
};

// Six unticked months ending with today's.
Requerimiento AbrirRequerimiento(const QDate& hoy);
// "ENERO del 2024".
QString RotuloMes(const QDate& mes);
// Ticking a month at 0 claims the property's monthly amount; clearing it claims nothing.
void MarcarMes(Requerimiento& r, int i, bool marcado, Moneda mensual);
// The ticked months and the four other amounts.
Moneda TotalRequerimiento(const Requerimiento& r);

// The claim letter, CR LF line ends. The months phrase appears only with a month ticked.
QString TextoCartaRequerimiento(const DatosPlantilla& d, const Requerimiento& r);
