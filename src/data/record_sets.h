#pragma once
// One record class per table that dialogs browse or edit row by row, and the lookup lists.
// Each is built on the document's connection, which it borrows and never closes.
#include "data/record_set.h"

class CPropietarioSet : public RecordSet {
public:
    explicit CPropietarioSet(Database* db);
    // Positions on the first owner whose name equals nombre ignoring case (Spanish letters too).
    bool BuscarPropietario(const QString& nombre);
    // A new row: texts empty, numero_recibo and sufijo 0.
    void NuevoPropietario();
    // Stores the row being edited. Refuses an empty name ("El propietario debe tener un
    // nombre") and a name another owner already has ("Ya existe un propietario con ese
    // nombre") with a UserError, storing nothing. Returns true once stored.
    bool GuardarPropietario();
};

class CInmuebleSet : public RecordSet {
public:
    // fuente: empty for inmueble, "[tabla]" for another table, or a SELECT (read-only).
    // orden: ORDER BY terms of the program's choosing; empty for the index InmueblesIndex.
    explicit CInmuebleSet(Database* db, const QString& fuente = QString(), const QString& orden = QString());
    bool BuscarInmueble(qint64 ref);
    // Stores the row being edited and stays on it.
    bool GuardarInmueble();
    void Cerrar() { close(); }
};

class CReciboSet : public RecordSet {
public:
    explicit CReciboSet(Database* db, const QString& fuente = QString());
};

class CEmisionReciboSet : public RecordSet {
public:
    explicit CEmisionReciboSet(Database* db);
    void Actualizar() { update(); }
    void Cerrar() { close(); }
};

class CFacturacionSet : public RecordSet {
public:
    explicit CFacturacionSet(Database* db);
};

class CInformeInmuebleSet : public RecordSet {
public:
    explicit CInformeInmuebleSet(Database* db);
};

class CDireccionSet : public RecordSet {
public:
    explicit CDireccionSet(Database* db);
};

class CLocalidadSet : public RecordSet {
public:
    explicit CLocalidadSet(Database* db);
};

// Columns each class binds, in binding order.
QStringList ColumnasPropietarioSet();
QStringList ColumnasInmuebleSet();
QStringList ColumnasReciboSet();
QStringList ColumnasEmisionReciboSet();
