#pragma once
// The lease contract of a property's current tenancy: what the dialog "Contratos" holds, the
// rules of its controls, and the money handed over at signing. No widgets: the dialog and
// rentiva-cli drive the same functions.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

#include "data/emision.h"
#include "settings/valores.h"
#include "util/moneda.h"

class Database;

struct Coarrendatario {
    QString nombre, tipo, numero, nacionalidad;
};

// A party as the clauses name it: texts already joined ("via direccion", "tipo numero").
struct ParteContrato {
    QString nombre, direccion, piso, localidad, documento;
};

struct DatosContrato {
    qint64 refInmueble = 0;
    QDate fecha;   // the contract date: every month and day below is taken from it

    // The tenancy, copied from the property (single-space texts read as empty).
    QString inquilino, direccion, piso, localidad, cp, nacionalidad, documento;
    QString telefonoCasa, telefonoMovil;
    QString banco, sucursal, dc, ccc;
    ImportesRecibo importes;
    QString concepto1, concepto2, concepto3;
    AjustesImpuestos impuestos;   // names of the two taxes in the monthly table

    ParteContrato propietario;
    QString cuentaPropietario;    // "banco sucursal dc ccc", empty unless all four are set
    ParteContrato representante;  // no name: the owner signs for himself
    std::array<Coarrendatario, 3> coarrendatarios;
    int numCoarrendatarios = 0;

    // Options of the wording.
    bool amueblado = true, lavadora = true, nevera = true, cocina = true, television = false;
    QString otroEquipamiento;
    int meses = 12;
    int ocupantes = 0;
    int formaPago = 0;   // 0 bank charge, 1 at the owner's address, 2 paid into the owner's account
    QString avalBanco, avalNumero;
    bool otrosConceptos = true;   // the monthly amount includes taxes and other concepts
    Moneda otroImporte;           // other concepts received at signing (no control sets them)
    QString otroTexto;

    // Money handed over at signing. Ticked rows always run unbroken from row 1.
    int mesesFianza = 1;
    Moneda fianza;
    std::array<bool, 4> marcadas{};
    std::array<Moneda, 4> filas{};
};

// Reads the property and its owner. Refuses a missing property, a missing owner ("propietario
// erroneo no encontrado = " + name) and a property without a valid contract date.
DatosContrato AbrirContrato(Database& db, qint64 refInmueble, const AjustesImpuestos& impuestos);

// Days of the date's month (February 2024 has 29) and the days left from the date on.
int DiasMes(const QDate& fecha);
int DiasRestantes(const QDate& fecha);
// importe x dias / largo, the fraction of the ten-thousandth dropped, then to whole cents.
Moneda Prorratear(Moneda importe, int dias, int largo);

// The rent alone, or the six amounts when the other concepts go into the contract.
Moneda ImporteMensual(const DatosContrato& d);
// What row 1..4 holds when ticked: row 1 is prorated unless the contract starts on day 1.
Moneda ImporteFila(const DatosContrato& d, int fila);
// Ticking row k ticks and fills rows 1..k; clearing it clears rows k..4.
void MarcarFila(DatosContrato& d, int fila, bool marcada);
// Rows 1..n ticked, the rest cleared (0 <= n <= 4).
void MarcarFilas(DatosContrato& d, int n);
// Toggles the deposit between one and two months of rent.
void CambiarMesesFianza(DatosContrato& d);
void PonerMesesFianza(DatosContrato& d, int meses);
// Ticked rows follow the new monthly amount.
void PonerOtrosConceptos(DatosContrato& d, bool conOtros);
Moneda TotalContrato(const DatosContrato& d);
// Rows 1 to 4 added up.
Moneda SumaFilas(const DatosContrato& d);

// "Fianza, un mes" or "Fianza, dos meses".
QString EtiquetaFianza(const DatosContrato& d);
// "Renta 16 días restantes mes ABRIL", "Renta adelantada de MAYO"...
QString EtiquetaFila(const DatosContrato& d, int fila);
// The upper-case name of the contract month plus k months.
QString MesContrato(const DatosContrato& d, int k);

// "+" and "-" of the duration (steps of 6 months, never below 6) and of the occupants.
int CambiarMeses(int meses, bool mas);
int CambiarOcupantes(int ocupantes, bool mas);
QString DuracionEnLetras(int meses);
// Empty for 0, else the number with thousands points.
QString TextoOcupantes(int ocupantes);
// 1 washing machine + 10 fridge + 100 kitchen + 1000 television.
int CodigoEquipamiento(const DatosContrato& d);

// Filled names first, in the order the rows were given; returns how many rows have a name.
int CompactarCoarrendatarios(std::array<Coarrendatario, 3>& filas);
// The named owner as representative (empty name: none). Refuses a name no owner has.
void PonerRepresentante(Database& db, DatosContrato& d, const QString& nombre);
// Every owner's name, in table order.
QStringList NombresPropietariosEnTabla(Database& db);

// The first-payment question of "Aceptar".
QString PreguntaPrimerPago(const DatosContrato& d);
struct PrimerPago {
    qint64 ref = 0;           // the new receipt
    qint64 numeroRecibo = 0;  // 0 when the property's receipts are not numbered
    Moneda importe;
};
// Stores row 1 as a new receipt of the contract date and, when numbered, the owner's new
// counter: both or neither. Refuses when row 1 is 0 or the owner is missing.
PrimerPago GrabarPrimerPago(Database& db, const DatosContrato& d);
