#pragma once
// The property listing: the staged properties of informe_inmueble with their totals, the
// selection criteria and the title, as the report viewer shows them.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

#include "util/moneda.h"

class Database;

inline const QString kTodos = QStringLiteral("TODOS");

// The fields of "Filtro Inmuebles" as the user left them. A field counts as chosen when it
// is neither empty nor "TODOS".
struct CriteriosInmuebles {
    QString mes;   // "ENERO" ... "DICIEMBRE", or "TODOS"
    QString direccion, piso, localidad, referencia, propietario, inquilino;
    struct Recibo {
        QString flag;   // "TODOS", "RECIBO BANCO", "RECIBO FÍSICO" or "NUMERAR RECIBO"
        bool marcado = false;
    };
    std::array<Recibo, 3> recibos;
};

bool Elegido(const QString& campo);
// The column of a receipt flag as the lists name it; nullptr for "TODOS" or another text.
const char* ColumnaFlagRecibo(const QString& flag);
// The flags' list, "TODOS" first.
QStringList ListaFlagsRecibo();

struct ListadoInmuebles {
    QStringList lineas;   // line 0 is the column header
    QString titulo;
    int inmuebles = 0;
    Moneda total;
};

// " Mes contrato= ENERO  Arrendador= ANA ..." for the chosen fields; empty when none is.
QString TextoCriterios(const CriteriosInmuebles& c);
// " Criterio de selección: " and the criteria in lines of 116 characters (none when empty).
QStringList LineasCriterios(const QString& criterios);
// "Informe Inmuebles ENERO del 2024." for a date in January 2024.
QString TituloListadoInmuebles(const QDate& hoy);

// Header, one line per staged property in staged order, "TOTAL" when there was any, then
// an empty line and the criteria lines. Amounts are never cut. Throws DbError on failure.
ListadoInmuebles ListadoDeInmuebles(Database& db, const CriteriosInmuebles& c,
                                    const QDate& hoy = QDate::currentDate());
