#include "billing/facturacion.h"

#include <QHash>
#include <QSet>

#include "data/database.h"
#include "data/record_set.h"
#include "data/esquema.h"
#include "util/errores.h"
#include "util/letras.h"

namespace {

// Sum of the six amounts of an `inmueble` row, in SQL.
const char* const kTotalInmueble =
    "(COALESCE(renta,0)+COALESCE(otro_importe1,0)+COALESCE(otro_importe2,0)"
    "+COALESCE(otro_importe3,0)+COALESCE(iva,0)+COALESCE(irpf,0))";

// The receipt built from a property: a frozen copy of its tenant, address, amounts,
// flags, account (CCC, IBAN and BIC) and direct-debit mandate, dated on the billed month (?1), with the given notes (?2).
// Empty texts instead of NULL, state 0, number 0 (numbering follows), no collection date.
// The property's kind, phones, nationality, e-mail, notes, equipment and measures stay out.
QString InsertarReciboDesdeInmueble(const QString& condicion, const QString& orden)
{
    return QStringLiteral(
               "INSERT INTO recibo (codref, direccion, piso, localidad, arrendador,"
               " nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num, direccioninquilino,"
               " fecha_facturacion, fecha_cobro, renta, iva, irpf, otro_importe1, otro_importe2,"
               " otro_importe3, otro_concepto1, otro_concepto2, otro_concepto3, is_recibo_banco,"
               " is_recibo_fisico, is_recibo_numerar, banco, sucursal, dc, ccc, refcatastral,"
               " nota_recibo, notas, numero_recibo, estado, num_alquiler, iban, bic, mandato_ref,"
               " mandato_fecha)"
               " SELECT COALESCE(codref,''), direccion, COALESCE(piso,''), COALESCE(localidad,''),"
               " COALESCE(arrendador,''), COALESCE(nom_arrendatario,''),"
               " COALESCE(doc_arrendatario_tipo,''), COALESCE(doc_arrendatario_num,''),"
               " COALESCE(direccioninquilino,''), ?1, NULL, COALESCE(renta,0), COALESCE(iva,0),"
               " COALESCE(irpf,0), COALESCE(otro_importe1,0), COALESCE(otro_importe2,0),"
               " COALESCE(otro_importe3,0), COALESCE(otro_concepto1,''), COALESCE(otro_concepto2,''),"
               " COALESCE(otro_concepto3,''), COALESCE(is_recibo_banco,0)<>0,"
               " COALESCE(is_recibo_fisico,0)<>0, COALESCE(is_recibo_numerar,0)<>0,"
               " COALESCE(banco,''), COALESCE(sucursal,''), COALESCE(dc,''), COALESCE(ccc,''),"
               " COALESCE(refcatastral,''), COALESCE(nota_recibo,''), COALESCE(?2,''), 0, 0, 0,"
               " COALESCE(iban,''), COALESCE(bic,''), COALESCE(mandato_ref,''), mandato_fecha"
               " FROM inmueble WHERE %1 ORDER BY %2")
        .arg(condicion, orden);
}

// The properties are billed in the browsing order the user chose: the key columns of
// InmueblesIndex, which the sort options rebuild, read as the property form reads them.
QString OrdenInmuebles(Database& db)
{
    const QString orden = OrdenIndice(db, QStringLiteral("inmueble"), QStringLiteral("InmueblesIndex"));
    return orden.isEmpty() ? QStringLiteral("ref") : orden;
}

struct Propietario {
    qint64 ref = 0;
    qint64 contador = 0;
    bool cambiado = false;
};

// Owners by name, ignoring case (Spanish letters folded too); the first of equal names wins.
QHash<QString, Propietario> LeerPropietarios(Database& db)
{
    QHash<QString, Propietario> r;
    Statement st(db, "SELECT ref, nombre, COALESCE(numero_recibo,0) FROM propietario ORDER BY rowid");
    while (st.next()) {
        const QString clave = PlegarTexto(st.text(1));
        if (!r.contains(clave))
            r.insert(clave, Propietario{st.integer(0), st.integer(2), false});
    }
    return r;
}

// Gives consecutive numbers, per owner and in receipt order, to the numbered receipts
// written after `refAnterior`, and leaves each owner's counter on its last number.
void NumerarRecibos(Database& db, QHash<QString, Propietario>& propietarios, qint64 refAnterior,
                    const std::function<void(int)>& avance = {})
{
    Statement sel(db, "SELECT ref, arrendador FROM recibo WHERE ref > ?1"
                      " AND is_recibo_numerar <> 0 ORDER BY ref");
    Statement upd(db, "UPDATE recibo SET numero_recibo = ?1 WHERE ref = ?2");
    sel.bind(1, refAnterior);
    int n = 0;
    while (sel.next()) {
        const QString nombre = sel.text(1);
        auto it = propietarios.find(PlegarTexto(nombre));
        if (it == propietarios.end())
            throw PropietarioNoEncontrado(nombre);
        it->contador += 1;
        it->cambiado = true;
        upd.bind(1, it->contador).bind(2, sel.integer(0)).run();
        if (avance && (++n % 512) == 0)
            avance(n);
    }
    Statement cont(db, "UPDATE propietario SET numero_recibo = ?1 WHERE ref = ?2");
    for (const Propietario& p : std::as_const(propietarios))
        if (p.cambiado)
            cont.bind(1, p.contador).bind(2, p.ref).run();
}

qint64 UltimoRecibo(Database& db)
{
    return QueryInteger(db, QStringLiteral("SELECT MAX(ref) FROM recibo"), 0);
}

struct Cancelada {};

}  // namespace

QString Facturacion::NombreMes(int mes)
{
    return mes >= 1 && mes <= 12 ? NombreMesMayusculas(mes) : QString();
}

std::vector<RunFacturacion> Facturacion::Listar()
{
    std::vector<RunFacturacion> r;
    Statement st(m_db, "SELECT fecha, COALESCE(notas,'') FROM facturacion ORDER BY fecha DESC");
    while (st.next())
        r.push_back({st.date(0), st.text(1)});
    return r;
}

bool Facturacion::EsPrimeraFacturacion()
{
    try {
        return QueryInteger(m_db, QStringLiteral("SELECT COUNT(*) FROM facturacion")) == 0;
    } catch (const DbError&) {
        throw UserError(QStringLiteral("Error en tabla facturacion"));
    }
}

QDate Facturacion::ProponerMes(const QDate& hoy)
{
    if (EsPrimeraFacturacion()) {
        const QDate primero(hoy.year(), hoy.month(), 1);
        return hoy.day() <= 15 ? primero : primero.addMonths(1);
    }
    // The latest run, whatever order the rows were stored in.
    Statement st(m_db, "SELECT MAX(fecha) FROM facturacion");
    st.next();
    const QDate ultima = st.date(0);
    if (!ultima.isValid())
        return QDate(hoy.year(), hoy.month(), 1);
    return QDate(ultima.year(), ultima.month(), 1).addMonths(1);
}

void Facturacion::ComprobarInmuebles()
{
    if (QueryInteger(m_db, QStringLiteral("SELECT COUNT(*) FROM inmueble")) == 0)
        throw UserError(QStringLiteral("Es necesario que introduzca primero un inmueble"));
}

void Facturacion::ComprobarMes(const QDate& mes)
{
    if (!mes.isValid())
        throw UserError(QStringLiteral("La fecha de facturación no es válida."));
    EsPrimeraFacturacion();
    ComprobarInmuebles();
    // One run per month: the key is the date, but a stored run dated on another day of
    // the month must not let the month be billed twice either.
    Statement st(m_db, "SELECT COUNT(*) FROM facturacion WHERE substr(fecha, 1, 7) = ?1");
    st.bind(1, mes.toString(QStringLiteral("yyyy-MM")));
    if (st.next() && st.integer(0) > 0)
        throw UserError(QStringLiteral("El mes de %1 de %2 ya está facturado. Si quiere volver a "
                                       "facturarlo, elimine antes esa facturación.")
                            .arg(NombreMes(mes.month()))
                            .arg(mes.year()));
}

ResultadoFacturacion Facturacion::FacturarMes(const QDate& mesElegido, const QString& notas,
                                              const ProgresoFacturacion& progreso)
{
    const QDate mes(mesElegido.year(), mesElegido.month(), 1);
    const QString facturable = QStringLiteral("%1 <> 0").arg(QLatin1String(kTotalInmueble));
    const QString texto = notas.isNull() ? QStringLiteral("") : notas;

    ResultadoFacturacion r;
    try {
        Transaction tx(m_db);
        ComprobarMes(mesElegido);
        const QString orden = OrdenInmuebles(m_db);

        // Check everything before writing: every billed property must name an existing owner.
        auto propietarios = LeerPropietarios(m_db);
        int total = 0;
        {
            Statement st(m_db, QStringLiteral("SELECT COALESCE(arrendador,''), %1 FROM inmueble"
                                              " WHERE %2 ORDER BY %3")
                                   .arg(QLatin1String(kTotalInmueble), facturable, orden));
            QSet<QString> vistos;    // names already found, as stored
            while (st.next()) {
                const QString nombre = st.text(0);
                if (!vistos.contains(nombre)) {
                    if (!propietarios.contains(PlegarTexto(nombre)))
                        throw PropietarioNoEncontrado(nombre);
                    vistos.insert(nombre);
                }
                r.total += st.money(1);
                ++total;
            }
        }
        if (progreso && !progreso(0, total))
            throw Cancelada{};

        Statement(m_db, "INSERT INTO facturacion (ref, fecha, notas)"
                        " VALUES ((SELECT COALESCE(MAX(ref),0)+1 FROM facturacion), ?1, ?2)")
            .bind(1, mes).bind(2, texto).run();

        const qint64 anterior = UltimoRecibo(m_db);
        Statement(m_db, InsertarReciboDesdeInmueble(facturable, orden))
            .bind(1, mes).bind(2, texto).run();
        r.recibos = m_db.changes();
        if (progreso && !progreso(r.recibos / 2, total))
            throw Cancelada{};

        bool seguir = true;
        NumerarRecibos(m_db, propietarios, anterior, [&](int n) {
            if (progreso && seguir)
                seguir = progreso(r.recibos / 2 + n / 2, total);
        });
        if (!seguir)
            throw Cancelada{};

        if (progreso && !progreso(total, total))
            throw Cancelada{};
        tx.commit();
    } catch (const Cancelada&) {
        return ResultadoFacturacion{true, 0, Moneda()};
    }
    return r;
}

void Facturacion::ComprobarImportes(qint64 refInmueble)
{
    Statement st(m_db, QStringLiteral("SELECT %1 FROM inmueble WHERE ref = ?1")
                           .arg(QLatin1String(kTotalInmueble)));
    st.bind(1, refInmueble);
    if (!st.next())
        throw UserError(QStringLiteral("El inmueble no existe; guárdelo antes de facturarlo."));
    if (st.integer(0) == 0)
        throw UserError(QStringLiteral("Debe haber algún importe, todos los conceptos están a cero"));
}

qint64 Facturacion::FacturarInmueble(qint64 refInmueble, const QDate& mesElegido)
{
    if (!mesElegido.isValid())
        throw UserError(QStringLiteral("La fecha de facturación no es válida."));
    const QDate mes(mesElegido.year(), mesElegido.month(), 1);
    Transaction tx(m_db);
    ComprobarImportes(refInmueble);
    Statement st(m_db, "SELECT COALESCE(arrendador,'') FROM inmueble WHERE ref = ?1");
    st.bind(1, refInmueble);
    st.next();
    const QString nombre = st.text(0);
    auto propietarios = LeerPropietarios(m_db);
    if (!propietarios.contains(PlegarTexto(nombre)))
        throw PropietarioNoEncontrado(nombre);

    const qint64 anterior = UltimoRecibo(m_db);
    Statement ins(m_db, InsertarReciboDesdeInmueble(QStringLiteral("ref = ?3"), QStringLiteral("ref")));
    ins.bind(1, mes).bind(2, QString()).bind(3, refInmueble).run();
    // The row just inserted, not "the last one" of some order.
    Statement id(m_db, "SELECT ref FROM recibo WHERE rowid = last_insert_rowid()");
    if (!id.next())
        throw UserError(QStringLiteral("No se ha podido crear el recibo."));
    const qint64 nuevo = id.integer(0);
    NumerarRecibos(m_db, propietarios, anterior);
    tx.commit();
    return nuevo;
}
