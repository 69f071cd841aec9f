#include "data/record_sets.h"

#include "data/database.h"
#include "util/errores.h"

namespace {

QStringList Lista(const char* texto)
{
    return QString::fromLatin1(texto).split(u' ', Qt::SkipEmptyParts);
}

const char* const kInmueble =
    "ref codref via direccion piso cp localidad arrendador nom_arrendatario doc_arrendatario_tipo "
    "doc_arrendatario_num nacionalidad_arrendatario fecha renta iva irpf otro_importe1 otro_importe2 "
    "otro_importe3 otro_concepto1 otro_concepto2 otro_concepto3 is_recibo_banco is_recibo_fisico "
    "is_recibo_numerar banco sucursal dc ccc telefono_casa telefono_movil notas metros habitaciones "
    "cocina_ind refcatastral email direccioninquilino is_seleccionado tipo_inmueble equipamiento "
    "nota_recibo iban bic mandato_ref mandato_fecha mandato_tipo mandato_ultimo";

const char* const kReciboComun =
    "ref codref direccion piso localidad arrendador nom_arrendatario doc_arrendatario_tipo "
    "doc_arrendatario_num fecha_facturacion fecha_cobro renta iva irpf otro_importe1 otro_importe2 "
    "otro_importe3 otro_concepto1 otro_concepto2 otro_concepto3 is_recibo_banco is_recibo_fisico "
    "is_recibo_numerar banco sucursal dc ccc notas numero_recibo";

const char* const kReciboSepa = "iban bic mandato_ref mandato_fecha sepa_secuencia";

}  // namespace

QStringList ColumnasPropietarioSet()
{
    return Lista("ref via direccion piso cp localidad nombre documento_tipo documento_numero banco "
                 "sucursal dc ccc telefono_casa telefono_movil notas numero_recibo sufijo datos_banco iban "
                 "bic id_acreedor");
}

QStringList ColumnasInmuebleSet()
{
    return Lista(kInmueble);
}

QStringList ColumnasReciboSet()
{
    return Lista(kReciboComun) + Lista("refcatastral direccioninquilino estado nota_recibo num_alquiler") +
           Lista(kReciboSepa);
}

QStringList ColumnasEmisionReciboSet()
{
    return Lista(kReciboComun) +
           Lista("is_recibo_seleccionado refcatastral direccioninquilino nota_recibo num_alquiler") +
           Lista(kReciboSepa);
}

CPropietarioSet::CPropietarioSet(Database* db)
    : RecordSet(db, QStringLiteral("propietario"), ColumnasPropietarioSet())
{
}

bool CPropietarioSet::BuscarPropietario(const QString& nombre)
{
    for (moveFirst(); !isEOF(); moveNext())
        if (CompareSinCaso(text(QStringLiteral("nombre")), nombre) == 0)
            return true;
    return false;
}

void CPropietarioSet::NuevoPropietario()
{
    addNew();
}

bool CPropietarioSet::GuardarPropietario()
{
    if (editMode() == EditMode::None)
        return true;
    const QString nombre = text(QStringLiteral("nombre")).trimmed();
    if (nombre.isEmpty())
        throw UserError(QStringLiteral("El propietario debe tener un nombre"));
    // Names compare ignoring case, Spanish letters too: the folded key column.
    Statement st(database(), "SELECT COUNT(*) FROM propietario WHERE clave_nombre = es_fold(?1) AND rowid <> ?2");
    st.bind(1, text(QStringLiteral("nombre"))).bind(2, editMode() == EditMode::Add ? qint64(-1) : currentRowId());
    if (st.next() && st.integer(0) > 0)
        throw UserError(QStringLiteral("Ya existe un propietario con ese nombre"));
    update();
    return true;
}

CInmuebleSet::CInmuebleSet(Database* db, const QString& fuente, const QString& orden)
    : RecordSet(db, QStringLiteral("inmueble"), ColumnasInmuebleSet(), fuente,
                QStringLiteral("InmueblesIndex"), orden)
{
}

bool CInmuebleSet::BuscarInmueble(qint64 ref)
{
    for (moveFirst(); !isEOF(); moveNext())
        if (integer(QStringLiteral("ref")) == ref)
            return true;
    return false;
}

bool CInmuebleSet::GuardarInmueble()
{
    // update() leaves the set on the stored row, new or edited.
    update();
    return true;
}

CReciboSet::CReciboSet(Database* db, const QString& fuente)
    : RecordSet(db, QStringLiteral("recibo"), ColumnasReciboSet(), fuente, QStringLiteral("ReciboIndex"))
{
}

CEmisionReciboSet::CEmisionReciboSet(Database* db)
    : RecordSet(db, QStringLiteral("emision_recibo"), ColumnasEmisionReciboSet(), QString(),
                QStringLiteral("Emision_reciboIndex"))
{
}

CFacturacionSet::CFacturacionSet(Database* db)
    : RecordSet(db, QStringLiteral("facturacion"), Lista("ref fecha notas"))
{
}

CInformeInmuebleSet::CInformeInmuebleSet(Database* db)
    : RecordSet(db, QStringLiteral("informe_inmueble"), ColumnasInmuebleSet().mid(0, 35))
{
}

CDireccionSet::CDireccionSet(Database* db)
    : RecordSet(db, QStringLiteral("direccion"), Lista("direccion"))
{
}

CLocalidadSet::CLocalidadSet(Database* db)
    : RecordSet(db, QStringLiteral("localidad"), Lista("localidad"))
{
}
