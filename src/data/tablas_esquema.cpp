// The workspace's tables column by column, and what the rest of the program asks of them.
#include "data/esquema.h"

#include "data/database.h"
#include "util/errores.h"

namespace {

using enum TipoColumna;

constexpr Columna kPropietario[] = {
    {"ref", Contador, 0, true},
    {"via", Texto, 20},
    {"direccion", Texto, 50},
    {"piso", Texto, 50},
    {"cp", Texto, 5},
    {"localidad", Texto, 30},
    {"nombre", Texto, 50, true, true},
    {"documento_tipo", Texto, 20},
    {"documento_numero", Texto, 20},
    {"banco", Texto, 4},
    {"sucursal", Texto, 4},
    {"dc", Texto, 2},
    {"ccc", Texto, 10},
    {"sufijo", Entero},
    {"numero_recibo", Entero},
    {"telefono_casa", Texto, kLongitudTelefono},
    {"telefono_movil", Texto, kLongitudTelefono},
    {"notas", TextoLargo},
    {"datos_banco", Texto, 80},
    {"iban", Texto, kLongitudIban},
    {"bic", Texto, kLongitudBic},
    {"id_acreedor", Texto, kLongitudMandato},
};

constexpr Columna kInmueble[] = {
    {"ref", Contador, 0, true},
    {"codref", Texto, 12},
    {"via", Texto, 20},
    {"direccion", Texto, 50, true, true},
    {"piso", Texto, 50, false, true},
    {"cp", Texto, 5},
    {"localidad", Texto, 30},
    {"arrendador", Texto, 50, false, true},
    {"nom_arrendatario", Texto, 50},
    {"doc_arrendatario_tipo", Texto, 30},
    {"doc_arrendatario_num", Texto, 35},
    {"nacionalidad_arrendatario", Texto, 35},
    {"fecha", FechaHora},
    {"renta", Moneda},
    {"iva", Moneda},
    {"irpf", Moneda},
    {"otro_importe1", Moneda},
    {"otro_importe2", Moneda},
    {"otro_importe3", Moneda},
    {"otro_concepto1", Texto, 50},
    {"otro_concepto2", Texto, 50},
    {"otro_concepto3", Texto, 50},
    {"is_recibo_banco", Bit},
    {"is_recibo_fisico", Bit},
    {"is_recibo_numerar", Bit},
    {"banco", Texto, 4},
    {"sucursal", Texto, 4},
    {"dc", Texto, 2},
    {"ccc", Texto, 10},
    {"telefono_casa", Texto, kLongitudTelefono},
    {"telefono_movil", Texto, kLongitudTelefono},
    {"notas", TextoLargo},
    {"metros", Entero},
    {"habitaciones", Entero},
    {"cocina_ind", Entero},
    {"refcatastral", Texto, 23},
    {"email", Texto, 40},
    {"direccioninquilino", Texto, 50},
    {"is_seleccionado", Bit},
    {"tipo_inmueble", Entero},
    {"equipamiento", TextoLargo},
    {"nota_recibo", Texto, 80},
    {"iban", Texto, kLongitudIban},
    {"bic", Texto, kLongitudBic},
    {"mandato_ref", Texto, kLongitudMandato},
    {"mandato_fecha", FechaHora},
    {"mandato_tipo", Texto, 4},
    {"mandato_ultimo", Bit},
};

// The receipt columns from codref to numero_recibo, shared by recibo and emision_recibo.
#define RENTIVA_COLUMNAS_RECIBO                                                               \
    {"codref", Texto, 12}, {"direccion", Texto, 50, true},                                   \
        {"piso", Texto, 50}, {"localidad", Texto, 30}, {"arrendador", Texto, 50, false, true}, \
        {"nom_arrendatario", Texto, 50}, {"doc_arrendatario_tipo", Texto, 30},                 \
        {"doc_arrendatario_num", Texto, 35}, {"fecha_facturacion", FechaHora},                 \
        {"fecha_cobro", FechaHora}, {"renta", Moneda}, {"iva", Moneda}, {"irpf", Moneda},      \
        {"otro_importe1", Moneda}, {"otro_importe2", Moneda}, {"otro_importe3", Moneda},       \
        {"otro_concepto1", Texto, 50}, {"otro_concepto2", Texto, 50},                          \
        {"otro_concepto3", Texto, 50}, {"is_recibo_banco", Bit}, {"is_recibo_fisico", Bit},    \
        {"is_recibo_numerar", Bit}, {"banco", Texto, 4}, {"sucursal", Texto, 4},               \
        {"dc", Texto, 2}, {"ccc", Texto, 10}, {"notas", TextoLargo}, {"numero_recibo", Entero}

// The direct-debit columns a receipt copies from its property, and the sequence type it
// was sent with; last in both tables.
#define RENTIVA_COLUMNAS_SEPA_RECIBO                                                          \
    {"iban", Texto, kLongitudIban}, {"bic", Texto, kLongitudBic},                             \
        {"mandato_ref", Texto, kLongitudMandato}, {"mandato_fecha", FechaHora},               \
        {"sepa_secuencia", Texto, 4}

constexpr Columna kRecibo[] = {
    {"ref", Contador, 0, true},
    RENTIVA_COLUMNAS_RECIBO,
    {"estado", Entero},
    {"nota_recibo", Texto, 80},
    {"refcatastral", Texto, 23},
    {"direccioninquilino", Texto, 50},
    {"num_alquiler", Entero},
    RENTIVA_COLUMNAS_SEPA_RECIBO,
};

// Staged rows keep the ref of the receipt they copy: no numbering of their own.
constexpr Columna kEmisionRecibo[] = {
    {"ref", Entero, 0, true},
    RENTIVA_COLUMNAS_RECIBO,
    {"is_recibo_seleccionado", Bit},
    {"nota_recibo", Texto, 80},
    {"estado", Entero},
    {"refcatastral", Texto, 23},
    {"direccioninquilino", Texto, 50},
    {"num_alquiler", Entero},
    RENTIVA_COLUMNAS_SEPA_RECIBO,
};
#undef RENTIVA_COLUMNAS_RECIBO
#undef RENTIVA_COLUMNAS_SEPA_RECIBO

constexpr Columna kFacturacion[] = {
    {"ref", Contador, 0, true},
    {"fecha", FechaHora},
    {"notas", TextoLargo},
};

constexpr Columna kDireccion[] = {{"direccion", Texto, 50, false, true}};
constexpr Columna kLocalidad[] = {{"localidad", Texto, 30, false, true}};

constexpr Columna kGastos[] = {
    {"ref", Contador, 0, true},
    {"ref_concepto", Entero},
    {"descripcion", Texto, 30},
    {"otro", Texto, 20},
    {"importe", Moneda},
    {"impuesto", Moneda},
    {"fecha", FechaHora},
    {"ref_propietario", Entero},
    {"ref_inmueble", Entero},
    {"ref_recibo", Entero},
};

constexpr Columna kConceptos[] = {
    {"ref", Contador, 0, true},
    {"descripcion", Texto, 65, false, true},
    {"tipo", Entero},
};

// emision_recibo is created without a key: rows are copies and the same receipt may be
// staged twice by a flow; older layouts that had pk_emision_recibo lose it in the upgrade.
const Tabla kTablas[] = {
    {"propietario", kPropietario, "CONSTRAINT pk_propietario PRIMARY KEY (nombre)"},
    {"inmueble", kInmueble, "CONSTRAINT pk_imueble PRIMARY KEY (direccion, piso)"},
    {"recibo", kRecibo, "CONSTRAINT pk_recibo PRIMARY KEY (ref)", true},
    {"facturacion", kFacturacion, "CONSTRAINT pk_fecha PRIMARY KEY (fecha)"},
    {"emision_recibo", kEmisionRecibo, nullptr},
    {"direccion", kDireccion, "CONSTRAINT pk_direccion PRIMARY KEY (direccion)"},
    {"localidad", kLocalidad, "CONSTRAINT pk_localidad PRIMARY KEY (localidad)"},
    {"gastos", kGastos, nullptr},
    {"conceptos_recibos", kConceptos, "CONSTRAINT pk_conceptos_recibos PRIMARY KEY (descripcion)"},
};

}  // namespace

std::span<const Tabla> TablasEsquema()
{
    return kTablas;
}

const Tabla* BuscarTabla(const QString& nombre)
{
    for (const Tabla& t : kTablas)
        if (nombre.compare(QLatin1String(t.nombre), Qt::CaseInsensitive) == 0)
            return &t;
    if (nombre.compare(QLatin1String("informe_inmueble"), Qt::CaseInsensitive) == 0)
        return &kTablas[1];   // same columns and widths as inmueble
    return nullptr;
}

QStringList NombresColumnas(const QString& tabla)
{
    QStringList r;
    if (const Tabla* t = BuscarTabla(tabla))
        for (const Columna& c : t->columnas)
            r << QString::fromLatin1(c.nombre);
    return r;
}

QString ExpresionOrden(const QString& tabla, const QString& columna)
{
    const QString nombre = QuoteIdentifier(columna);
    if (const Tabla* t = BuscarTabla(tabla))
        for (const Columna& c : t->columnas)
            if ((c.tipo == TipoColumna::Texto || c.tipo == TipoColumna::TextoLargo) &&
                columna.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0)
                return QStringLiteral("es_orden(%1)").arg(nombre);
    return nombre;
}

int AnchoColumna(const QString& tabla, const QString& columna)
{
    if (const Tabla* t = BuscarTabla(tabla))
        for (const Columna& c : t->columnas)
            if (columna.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0)
                return c.tipo == Texto ? c.ancho : 0;
    return 0;
}

QString ErrorAncho(const QString& tabla, const QString& columna, const QString& valor)
{
    const int ancho = AnchoColumna(tabla, columna);
    if (ancho == 0 || valor.size() <= ancho)
        return QString();
    return QStringLiteral("El campo «%1» admite como máximo %2 caracteres.").arg(columna).arg(ancho);
}

void ComprobarAncho(const QString& tabla, const QString& columna, const QString& valor)
{
    const QString e = ErrorAncho(tabla, columna, valor);
    if (!e.isEmpty())
        throw UserError(e);
}
