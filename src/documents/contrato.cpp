#include "documents/contrato.h"

#include "data/database.h"
#include "documents/datos_documento.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

// The first owner whose name matches ignoring case, as a party of the contract.
bool LeerPropietario(Database& db, const QString& nombre, ParteContrato& p, QString* cuenta)
{
    const std::optional<PropietarioDocumento> o = LeerPropietarioDocumento(db, nombre);
    if (!o)
        return false;
    p.nombre = o->nombre;
    p.direccion = UnirConEspacio(o->via, o->direccion);
    p.piso = TextoLimpio(o->piso);
    p.localidad = TextoLimpio(o->localidad);
    p.documento = UnirConEspacio(o->documentoTipo, o->documentoNumero);
    if (cuenta)
        *cuenta = CuentaCompleta(o->banco, o->sucursal, o->dc, o->ccc);
    return true;
}

void Recalcular(DatosContrato& d)
{
    for (int f = 1; f <= 4; ++f)
        d.filas[f - 1] = d.marcadas[f - 1] ? ImporteFila(d, f) : Moneda();
}

}  // namespace

DatosContrato AbrirContrato(Database& db, qint64 refInmueble, const AjustesImpuestos& impuestos)
{
    Statement st(db, "SELECT via, direccion, piso, localidad, cp, arrendador, nom_arrendatario,"
                     " doc_arrendatario_tipo, doc_arrendatario_num, nacionalidad_arrendatario,"
                     " fecha, renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3,"
                     " otro_concepto1, otro_concepto2, otro_concepto3, telefono_casa,"
                     " telefono_movil, banco, sucursal, dc, ccc FROM inmueble WHERE ref = ?1");
    st.bind(1, refInmueble);
    if (!st.next())
        throw UserError(QStringLiteral("El inmueble no existe; guárdelo antes de preparar su contrato."));
    DatosContrato d;
    d.refInmueble = refInmueble;
    d.impuestos = impuestos;
    d.direccion = UnirConEspacio(st.text(0), st.text(1));
    d.piso = TextoLimpio(st.text(2));
    d.localidad = TextoLimpio(st.text(3));
    d.cp = TextoLimpio(st.text(4));
    const QString arrendador = st.text(5);
    d.inquilino = TextoLimpio(st.text(6));
    d.documento = UnirConEspacio(st.text(7), st.text(8));
    d.nacionalidad = TextoLimpio(st.text(9));
    d.fecha = st.date(10);
    d.importes = {st.money(11), st.money(14), st.money(15), st.money(16), st.money(12), st.money(13)};
    d.concepto1 = TextoLimpio(st.text(17));
    d.concepto2 = TextoLimpio(st.text(18));
    d.concepto3 = TextoLimpio(st.text(19));
    d.telefonoCasa = TextoLimpio(st.text(20));
    d.telefonoMovil = TextoLimpio(st.text(21));
    d.banco = TextoLimpio(st.text(22));
    d.sucursal = TextoLimpio(st.text(23));
    d.dc = TextoLimpio(st.text(24));
    d.ccc = TextoLimpio(st.text(25));

    if (!LeerPropietario(db, arrendador, d.propietario, &d.cuentaPropietario))
        throw PropietarioNoEncontrado(arrendador);
    if (!d.fecha.isValid())
        throw UserError(QStringLiteral("Error con fecha alquiler, no se ha podido hacer correctamente el contrato"));

    // A furnished flat is let with two months of deposit, as its label says.
    PonerMesesFianza(d, d.amueblado ? 2 : 1);
    MarcarFilas(d, 1);
    return d;
}

int DiasMes(const QDate& fecha)
{
    return fecha.isValid() ? fecha.daysInMonth() : 30;
}

int DiasRestantes(const QDate& fecha)
{
    return fecha.isValid() ? fecha.daysInMonth() - fecha.day() + 1 : 0;
}

Moneda Prorratear(Moneda importe, int dias, int largo)
{
    if (largo <= 0)
        return Moneda();
    qint64 producto = 0;
    if (__builtin_mul_overflow(importe.Diezmilesimas(), qint64(dias), &producto))
        throw UserError(QStringLiteral("El importe de la renta es demasiado grande para prorratearlo."));
    return RedondearCentimos(Moneda::DeDiezmilesimas(producto / largo));
}

Moneda ImporteMensual(const DatosContrato& d)
{
    return d.otrosConceptos ? d.importes.Total() : d.importes.renta;
}

Moneda ImporteFila(const DatosContrato& d, int fila)
{
    const Moneda mensual = ImporteMensual(d);
    if (fila == 1 && d.fecha.day() != 1)
        return Prorratear(mensual, DiasRestantes(d.fecha), DiasMes(d.fecha));
    return mensual;
}

void MarcarFila(DatosContrato& d, int fila, bool marcada)
{
    if (fila < 1 || fila > 4)
        return;
    for (int f = 1; f <= 4; ++f) {
        if (marcada && f <= fila)
            d.marcadas[f - 1] = true;
        else if (!marcada && f >= fila)
            d.marcadas[f - 1] = false;
    }
    Recalcular(d);
}

void MarcarFilas(DatosContrato& d, int n)
{
    for (int f = 1; f <= 4; ++f)
        d.marcadas[f - 1] = f <= n;
    Recalcular(d);
}

void PonerMesesFianza(DatosContrato& d, int meses)
{
    d.mesesFianza = meses == 2 ? 2 : 1;
    d.fianza = d.mesesFianza == 2 ? d.importes.renta + d.importes.renta : d.importes.renta;
}

void CambiarMesesFianza(DatosContrato& d)
{
    PonerMesesFianza(d, d.mesesFianza == 2 ? 1 : 2);
}

void PonerOtrosConceptos(DatosContrato& d, bool conOtros)
{
    d.otrosConceptos = conOtros;
    Recalcular(d);
}

Moneda SumaFilas(const DatosContrato& d)
{
    Moneda s;
    for (Moneda m : d.filas)
        s += m;
    return s;
}

Moneda TotalContrato(const DatosContrato& d)
{
    return d.fianza + SumaFilas(d);
}

QString EtiquetaFianza(const DatosContrato& d)
{
    return d.mesesFianza == 2 ? QStringLiteral("Fianza, dos meses") : QStringLiteral("Fianza, un mes");
}

QString MesContrato(const DatosContrato& d, int k)
{
    const int mes = d.fecha.isValid() ? d.fecha.month() : 1;
    return NombreMesMayusculas((mes - 1 + k) % 12 + 1);
}

QString EtiquetaFila(const DatosContrato& d, int fila)
{
    if (fila == 1 && d.fecha.day() != 1)
        return QStringLiteral("Renta ") + EnteroConPuntos(DiasRestantes(d.fecha))
             + QStringLiteral(" días restantes mes ") + MesContrato(d, 0);
    return QStringLiteral("Renta adelantada de ") + MesContrato(d, fila - 1);
}

int CambiarMeses(int meses, bool mas)
{
    return mas ? meses + 6 : qMax(6, meses - 6);
}

int CambiarOcupantes(int ocupantes, bool mas)
{
    return mas ? ocupantes + 1 : qMax(0, ocupantes - 1);
}

QString DuracionEnLetras(int meses)
{
    const int anios = meses / 12, resto = meses % 12;
    if (anios == 0)
        return resto == 6 ? QStringLiteral("medio año") : QStringLiteral("un año");
    if (anios == 1)
        return resto == 6 ? QStringLiteral("un año y medio año") : QStringLiteral("un año");
    return NumeroANumero(anios, kGeneroMasculino)
         + (resto == 6 ? QStringLiteral(" años y medio") : QStringLiteral("  años"));
}

QString TextoOcupantes(int ocupantes)
{
    return ocupantes <= 0 ? QString() : EnteroConPuntos(ocupantes);
}

int CodigoEquipamiento(const DatosContrato& d)
{
    return (d.lavadora ? 1 : 0) + (d.nevera ? 10 : 0) + (d.cocina ? 100 : 0) + (d.television ? 1000 : 0);
}

int CompactarCoarrendatarios(std::array<Coarrendatario, 3>& filas)
{
    auto vacia = [&](int i) { return filas[i].nombre.trimmed().isEmpty(); };
    if (vacia(0))
        std::swap(filas[0], filas[2]);
    if (vacia(0))
        std::swap(filas[0], filas[1]);
    if (vacia(1) && !vacia(2))
        std::swap(filas[1], filas[2]);
    int n = 0;
    for (int i = 0; i < 3; ++i)
        n += vacia(i) ? 0 : 1;
    return n;
}

void PonerRepresentante(Database& db, DatosContrato& d, const QString& nombre)
{
    if (nombre.trimmed().isEmpty()) {
        d.representante = {};
        return;
    }
    ParteContrato p;
    if (!LeerPropietario(db, nombre, p, nullptr))
        throw PropietarioNoEncontrado(nombre);
    d.representante = p;
}

QStringList NombresPropietariosEnTabla(Database& db)
{
    QStringList r;
    Statement st(db, "SELECT nombre FROM propietario ORDER BY rowid");
    while (st.next())
        r << st.text(0);
    return r;
}

QString PreguntaPrimerPago(const DatosContrato& d)
{
    const QString importe = MonedaATexto(d.filas[0]);
    if (d.fecha.day() == 1)
        return QStringLiteral("Deseas que se incluyan en la facturación %1 Euros, a la mensualidad de %2")
            .arg(importe, MesContrato(d, 0));
    return QStringLiteral("Deseas que se incluyan en la facturación %1 Euros, correspondientes al pago"
                          " de los %2 días restantes del mes de %3")
        .arg(importe).arg(DiasRestantes(d.fecha)).arg(MesContrato(d, 0));
}

PrimerPago GrabarPrimerPago(Database& db, const DatosContrato& d)
{
    if (d.filas[0].EsCero())
        throw UserError(QStringLiteral("El primer pago es 0: no hay nada que facturar."));
    Transaction tx(db);
    Statement inm(db, "SELECT COALESCE(arrendador,''), COALESCE(is_recibo_numerar,0) FROM inmueble"
                      " WHERE ref = ?1");
    inm.bind(1, d.refInmueble);
    if (!inm.next())
        throw UserError(QStringLiteral("El inmueble ya no existe; no se ha grabado el recibo."));
    const QString arrendador = inm.text(0);
    const bool numerar = inm.integer(1) != 0;
    Statement prop(db, "SELECT ref, COALESCE(numero_recibo,0) FROM propietario"
                       " WHERE es_fold(nombre) = es_fold(?1) ORDER BY rowid LIMIT 1");
    prop.bind(1, arrendador);
    if (!prop.next())
        throw PropietarioNoEncontrado(arrendador);
    const qint64 refPropietario = prop.integer(0);
    const qint64 numero = numerar ? prop.integer(1) + 1 : 0;

    const bool diaUno = d.fecha.day() == 1;
    const QString concepto = diaUno ? QString()
        : QStringLiteral("Renta de los %1 restantes del mes de %2").arg(DiasRestantes(d.fecha)).arg(MesContrato(d, 0));
    // The copied columns as the property has them; amounts, state and dates of collection
    // start as a new row's.
    Statement ins(db, "INSERT INTO recibo (codref, direccion, piso, localidad, arrendador,"
                      " nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num,"
                      " is_recibo_banco, is_recibo_fisico, is_recibo_numerar, banco, sucursal, dc,"
                      " ccc, refcatastral, direccioninquilino, fecha_facturacion, renta, iva, irpf,"
                      " otro_importe1, otro_importe2, otro_importe3, otro_concepto1, otro_concepto2,"
                      " otro_concepto3, notas, numero_recibo, estado, nota_recibo, num_alquiler)"
                      " SELECT COALESCE(codref,''), direccion, COALESCE(piso,''), COALESCE(localidad,''),"
                      " COALESCE(arrendador,''), COALESCE(nom_arrendatario,''),"
                      " COALESCE(doc_arrendatario_tipo,''), COALESCE(doc_arrendatario_num,''),"
                      " COALESCE(is_recibo_banco,0)<>0, COALESCE(is_recibo_fisico,0)<>0,"
                      " COALESCE(is_recibo_numerar,0)<>0, COALESCE(banco,''), COALESCE(sucursal,''),"
                      " COALESCE(dc,''), COALESCE(ccc,''), COALESCE(refcatastral,''),"
                      " COALESCE(direccioninquilino,''), ?2, ?3, 0, 0, ?4, 0, 0, ?5, '', '', '', ?6, 0,"
                      " '', 0 FROM inmueble WHERE ref = ?1");
    ins.bind(1, d.refInmueble).bind(2, d.fecha)
        .bind(3, diaUno ? d.filas[0] : Moneda()).bind(4, diaUno ? Moneda() : d.filas[0])
        .bind(5, concepto).bind(6, numero).run();
    Statement id(db, "SELECT ref FROM recibo WHERE rowid = last_insert_rowid()");
    if (!id.next())
        throw UserError(QStringLiteral("No se ha podido crear el recibo."));
    const qint64 ref = id.integer(0);
    if (numerar)
        Statement(db, "UPDATE propietario SET numero_recibo = ?1 WHERE ref = ?2")
            .bind(1, numero).bind(2, refPropietario).run();
    tx.commit();
    return {ref, numero, d.filas[0]};
}
