#include "receipts/llenar_recibo.h"

#include "data/emision.h"
#include "data/database.h"
#include "util/errores.h"
#include "util/formato.h"

namespace {

DatosPropietario PropietarioObligatorio(Database& db, const QString& nombre)
{
    std::optional<DatosPropietario> d = BuscarDatosPropietario(db, nombre);
    if (!d)
        throw PropietarioNoEncontrado(nombre);
    return *d;
}

}  // namespace

const char* const kColumnasReciboImpresion =
    "r.arrendador, r.direccion, r.piso, r.localidad, r.nom_arrendatario, "
    "r.doc_arrendatario_tipo, r.doc_arrendatario_num, r.refcatastral, r.direccioninquilino, "
    "r.nota_recibo, r.numero_recibo, r.fecha_facturacion, r.renta, r.iva, r.irpf, "
    "r.otro_importe1, r.otro_importe2, r.otro_importe3, r.otro_concepto1, r.otro_concepto2, "
    "r.otro_concepto3, r.banco, r.sucursal, r.dc, r.ccc";

std::optional<DatosPropietario> BuscarDatosPropietario(Database& db, const QString& nombre)
{
    Statement q(db, "SELECT nombre, via, direccion, piso, cp, localidad, documento_tipo, "
                    "documento_numero, telefono_casa FROM propietario "
                    "WHERE clave_nombre = es_fold(?1)");
    q.bind(1, nombre);
    if (!q.next())
        return std::nullopt;
    return DatosPropietario{q.text(0), q.text(1), q.text(2), q.text(3), q.text(4),
                            q.text(5), q.text(6), q.text(7), q.text(8)};
}

QString TextoDomiciliacion(const QString& banco, const QString& sucursal, const QString& dc,
                           const QString& ccc)
{
    return QStringLiteral(" Domiciliación bancaria: ") + banco + u' ' + sucursal + u' ' + dc +
           u' ' + ccc;
}

// Columns 0-9 of both receipt queries: owner, property, tenant and note; from `importes` on,
// the amounts and the three concepts in the order renta, iva, irpf, otro_importe1..3,
// otro_concepto1..3.
static void LlenarComun(CImpresionRecibo& r, const Statement& f, int importes)
{
    r.arrendador = f.text(0);
    r.direccion = f.text(1);
    r.piso = f.text(2);
    r.localidad = f.text(3);
    r.nom_arrendatario = f.text(4);
    r.doc_arrendatario = f.text(5) + u' ' + f.text(6);
    r.refcatastral = f.text(7);
    r.direccioninquilino = f.text(8);
    r.nota_recibo = f.text(9);
    r.renta = f.money(importes);
    r.iva = f.money(importes + 1);
    r.irpf = f.money(importes + 2);
    r.otro_importe1 = f.money(importes + 3);
    r.otro_importe2 = f.money(importes + 4);
    r.otro_importe3 = f.money(importes + 5);
    r.otro_concepto1 = f.text(importes + 6);
    r.otro_concepto2 = f.text(importes + 7);
    r.otro_concepto3 = f.text(importes + 8);
}

void LlenarDesdeFila(CImpresionRecibo& r, Database& db, const Statement& f, bool factura)
{
    LlenarComun(r, f, 12);
    const qint64 numero = f.integer(10);
    r.texto_numero = numero == 0 ? QString() : factura ? EnteroConPuntos(numero) : EnteroATexto(numero);
    r.fecha_emision = f.date(11);
    r.texto_domiciliacion =
        !factura && !f.text(24).isEmpty() ? TextoDomiciliacion(f.text(21), f.text(22), f.text(23), f.text(24))
                                          : QString();
    r.modelo_impresion = factura ? 2 : 1;
    if (factura)
        r.en_color = 1;

    const DatosPropietario dueno = PropietarioObligatorio(db, r.arrendador);
    r.doc_arrendador = dueno.Documento();
    r.telefono_arrendador = factura ? dueno.telefono_casa : QString();
}

CImpresionRecibo ReciboModificado(Database& db, const ReciboEmision& form, bool a4,
                                  const AjustesRecibo& ajustes)
{
    CImpresionRecibo r(ajustes, &db);
    const DatosPropietario dueno = PropietarioObligatorio(db, form.arrendador);
    r.doc_arrendador = dueno.Documento();
    r.arrendador = form.arrendador;
    r.direccion = form.direccion;
    r.piso = form.piso;
    r.nom_arrendatario = form.nom_arrendatario;
    r.doc_arrendatario = form.doc_arrendatario_tipo + u' ' + form.doc_arrendatario_num;
    r.texto_numero = a4 ? EnteroConPuntos(form.numero_recibo) : EnteroATexto(form.numero_recibo);
    r.fecha_emision = form.fecha_facturacion.date();
    r.renta = form.importes.renta;
    r.iva = form.importes.iva;
    r.irpf = form.importes.irpf;
    r.otro_importe1 = form.importes.otro_importe1;
    r.otro_importe2 = form.importes.otro_importe2;
    r.otro_importe3 = form.importes.otro_importe3;
    r.otro_concepto1 = form.otro_concepto1;
    r.otro_concepto2 = form.otro_concepto2;
    r.otro_concepto3 = form.otro_concepto3;
    r.modelo_impresion = a4 ? 2 : 1;

    Statement q(db, "SELECT localidad, refcatastral, direccioninquilino FROM emision_recibo "
                    "WHERE ref = ?1");
    q.bind(1, form.ref);
    if (q.next()) {
        r.localidad = q.text(0);
        if (a4) {
            r.refcatastral = q.text(1);
            r.direccioninquilino = q.text(2);
        }
    }
    return r;
}

CImpresionRecibo ReciboDeInmueble(Database& db, qint64 ref_inmueble, const QDate& fecha, int modelo,
                                  const AjustesRecibo& ajustes)
{
    Statement q(db, "SELECT arrendador, direccion, piso, localidad, nom_arrendatario, "
                    "doc_arrendatario_tipo, doc_arrendatario_num, refcatastral, "
                    "direccioninquilino, nota_recibo, renta, iva, irpf, otro_importe1, "
                    "otro_importe2, otro_importe3, otro_concepto1, otro_concepto2, otro_concepto3 "
                    "FROM inmueble WHERE ref = ?1");
    q.bind(1, ref_inmueble);
    if (!q.next())
        throw UserError(QStringLiteral("El inmueble %1 no existe.").arg(ref_inmueble));
    CImpresionRecibo r(ajustes, &db);
    LlenarComun(r, q, 10);
    r.doc_arrendador = PropietarioObligatorio(db, r.arrendador).Documento();
    r.fecha_emision = fecha;
    r.modelo_impresion = modelo == 2 ? 2 : 1;
    return r;
}
