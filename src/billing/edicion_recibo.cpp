#include "billing/edicion_recibo.h"

#include "data/database.h"
#include "data/emision.h"
#include "util/cuentas.h"
#include "util/iban.h"
#include "util/errores.h"

void PrepararEdicionRecibo(Database& db, qint64 ref)
{
    Transaction tx(db);
    VaciarEmision(db);
    if (CopiarRecibosAEmision(db, QList<qint64>{ref}) == 0)
        throw UserError(QStringLiteral("El recibo %1 no existe.").arg(ref));
    tx.commit();
}

ReciboEmision LeerReciboEmision(Database& db, qint64 ref)
{
    Statement st(db, "SELECT ref, direccion, piso, arrendador, nom_arrendatario,"
                     " doc_arrendatario_tipo, doc_arrendatario_num, codref, numero_recibo,"
                     " fecha_facturacion, fecha_cobro, is_recibo_numerar, is_recibo_banco,"
                     " is_recibo_fisico, notas, banco, sucursal, dc, ccc, renta, otro_importe1,"
                     " otro_importe2, otro_importe3, iva, irpf, otro_concepto1, otro_concepto2,"
                     " otro_concepto3 FROM emision_recibo WHERE ref = ?1");
    st.bind(1, ref);
    if (!st.next())
        throw UserError(QStringLiteral("El recibo %1 no está preparado para editarse.").arg(ref));
    ReciboEmision r;
    r.ref = st.integer(0);
    r.direccion = st.text(1);
    r.piso = st.text(2);
    r.arrendador = st.text(3);
    r.nom_arrendatario = st.text(4);
    r.doc_arrendatario_tipo = st.text(5);
    r.doc_arrendatario_num = st.text(6);
    r.codref = st.text(7);
    r.numero_recibo = st.integer(8);
    r.fecha_facturacion = st.dateTime(9);
    r.fecha_cobro = st.dateTime(10);
    r.is_recibo_numerar = st.boolean(11);
    r.is_recibo_banco = st.boolean(12);
    r.is_recibo_fisico = st.boolean(13);
    r.notas = st.text(14);
    r.banco = st.text(15);
    r.sucursal = st.text(16);
    r.dc = st.text(17);
    r.ccc = st.text(18);
    r.importes.renta = st.money(19);
    r.importes.otro_importe1 = st.money(20);
    r.importes.otro_importe2 = st.money(21);
    r.importes.otro_importe3 = st.money(22);
    r.importes.iva = st.money(23);
    r.importes.irpf = st.money(24);
    r.otro_concepto1 = st.text(25);
    r.otro_concepto2 = st.text(26);
    r.otro_concepto3 = st.text(27);
    return r;
}

void GuardarReciboEmision(Database& db, const ReciboEmision& r)
{
    auto texto = [](const QString& s) { return s.isNull() ? QStringLiteral("") : s; };
    Statement(db, "UPDATE emision_recibo SET codref = ?2, renta = ?3, otro_importe1 = ?4,"
                  " otro_importe2 = ?5, otro_importe3 = ?6, iva = ?7, irpf = ?8,"
                  " otro_concepto1 = ?9, otro_concepto2 = ?10, otro_concepto3 = ?11,"
                  " banco = ?12, sucursal = ?13, dc = ?14, ccc = ?15, notas = ?16,"
                  " doc_arrendatario_num = ?17, doc_arrendatario_tipo = ?18,"
                  " is_recibo_numerar = ?19, is_recibo_banco = ?20, is_recibo_fisico = ?21"
                  " WHERE ref = ?1")
        .bind(1, r.ref).bind(2, texto(r.codref))
        .bind(3, r.importes.renta).bind(4, r.importes.otro_importe1)
        .bind(5, r.importes.otro_importe2).bind(6, r.importes.otro_importe3)
        .bind(7, r.importes.iva).bind(8, r.importes.irpf)
        .bind(9, texto(r.otro_concepto1)).bind(10, texto(r.otro_concepto2))
        .bind(11, texto(r.otro_concepto3))
        .bind(12, texto(r.banco)).bind(13, texto(r.sucursal)).bind(14, texto(r.dc))
        .bind(15, texto(r.ccc)).bind(16, texto(r.notas))
        .bind(17, texto(r.doc_arrendatario_num)).bind(18, texto(r.doc_arrendatario_tipo))
        .bind(19, r.is_recibo_numerar).bind(20, r.is_recibo_banco).bind(21, r.is_recibo_fisico)
        .run();
    if (db.changes() == 0)
        throw UserError(QStringLiteral("El recibo %1 no está preparado para editarse.").arg(r.ref));
    // The IBAN follows the account the form stored.
    Statement st(db, "SELECT COALESCE(iban,'') FROM emision_recibo WHERE ref = ?1");
    st.bind(1, r.ref);
    const QString antes = st.next() ? st.text(0) : QString();
    const CuentaBancaria c = ArmonizarCuenta({Ccc{r.banco, r.sucursal, r.dc, r.ccc}, antes}, false);
    if (c.iban != antes)
        Statement(db, "UPDATE emision_recibo SET iban = ?2 WHERE ref = ?1").bind(1, r.ref).bind(2, c.iban).run();
}

void EscribirEmisionEnRecibo(Database& db, bool revision)
{
    // Address, owner, dates, state, collection date and tenant address are not editable and
    // are not copied back; the cadastral reference and receipt note only after a review.
    db.exec(QStringLiteral(
        "UPDATE recibo SET %1renta = e.renta, nom_arrendatario = e.nom_arrendatario,"
        " doc_arrendatario_tipo = e.doc_arrendatario_tipo,"
        " doc_arrendatario_num = e.doc_arrendatario_num, iva = e.iva, irpf = e.irpf,"
        " otro_importe1 = e.otro_importe1, otro_importe2 = e.otro_importe2,"
        " otro_importe3 = e.otro_importe3, otro_concepto1 = e.otro_concepto1,"
        " otro_concepto2 = e.otro_concepto2, otro_concepto3 = e.otro_concepto3,"
        " is_recibo_banco = e.is_recibo_banco, is_recibo_fisico = e.is_recibo_fisico,"
        " is_recibo_numerar = e.is_recibo_numerar, banco = e.banco, sucursal = e.sucursal,"
        " dc = e.dc, ccc = e.ccc, notas = e.notas, numero_recibo = e.numero_recibo,"
        " codref = e.codref, iban = e.iban, bic = e.bic, mandato_ref = e.mandato_ref,"
        " mandato_fecha = e.mandato_fecha FROM emision_recibo AS e WHERE recibo.ref = e.ref")
                .arg(revision ? QStringLiteral("nota_recibo = e.nota_recibo, refcatastral = e.refcatastral, ")
                              : QString()));
}

void NormalizarReciboEmision(ReciboEmision& r)
{
    for (Moneda* m : {&r.importes.renta, &r.importes.otro_importe1, &r.importes.otro_importe2,
                      &r.importes.otro_importe3, &r.importes.iva, &r.importes.irpf})
        *m = RedondearCentimos(*m);
    if (!r.ccc.isEmpty() && !ValidarCcc(r.banco, r.sucursal, r.dc, r.ccc))
        r.dc = kDcErroneo;
}
