#include "bank/remesa.h"

#include <QFile>
#include <QSet>

#include "data/archivo_atomico.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "util/errores.h"

namespace {

const char* const kColumnas =
    "ref, COALESCE(codref,''), COALESCE(nom_arrendatario,''), fecha_facturacion, COALESCE(renta,0),"
    " COALESCE(iva,0), COALESCE(irpf,0), COALESCE(otro_importe1,0), COALESCE(otro_importe2,0),"
    " COALESCE(otro_importe3,0), COALESCE(otro_concepto1,''), COALESCE(otro_concepto2,''),"
    " COALESCE(otro_concepto3,''), COALESCE(banco,''), COALESCE(sucursal,''), COALESCE(dc,''),"
    " COALESCE(ccc,''), COALESCE(numero_recibo,0)";

}  // namespace

const char* ColumnasReciboBanco()
{
    return kColumnas;
}

ReciboBanco LeerReciboBanco(const Statement& st)
{
    ReciboBanco r;
    r.ref = st.integer(0);
    r.codref = st.text(1);
    r.nom_arrendatario = st.text(2);
    r.fecha_facturacion = st.date(3);
    r.renta = st.money(4);
    r.iva = st.money(5);
    r.irpf = st.money(6);
    r.otro_importe1 = st.money(7);
    r.otro_importe2 = st.money(8);
    r.otro_importe3 = st.money(9);
    r.otro_concepto1 = st.text(10);
    r.otro_concepto2 = st.text(11);
    r.otro_concepto3 = st.text(12);
    r.banco = st.text(13);
    r.sucursal = st.text(14);
    r.dc = st.text(15);
    r.ccc = st.text(16);
    r.numero_recibo = st.integer(17);
    return r;
}

void MarcarEnviadosAlCobro(Database& db, const QList<qint64>& refs, const QDate& cargo)
{
    constexpr int kEnviadoAlCobro = 2;   // "ENVIADO AL COBRO"
    Transaction tx(db);
    Statement st(db, "UPDATE recibo SET estado = ?2, fecha_cobro = ?3 WHERE ref = ?1");
    for (qint64 ref : refs) {
        st.bind(1, ref).bind(2, kEnviadoAlCobro).bind(3, QDateTime(cargo, QTime(0, 0))).run();
        if (db.changes() == 0)
            throw UserError(QStringLiteral("El recibo %1 ya no existe: no se marca ningún recibo como enviado al cobro.").arg(ref));
    }
    tx.commit();
}

QList<qint64> RefsEscritos(const std::vector<ReciboBanco>& anadidos, const std::vector<ReciboExcluido>& excluidos)
{
    QSet<qint64> fuera;
    for (const ReciboExcluido& e : excluidos)
        fuera.insert(e.ref);
    QList<qint64> r;
    for (const ReciboBanco& b : anadidos)
        if (!fuera.contains(b.ref))
            r << b.ref;
    return r;
}

PropietarioBanco BuscarPropietarioBanco(Database& db, const QString& nombre)
{
    Statement st(db, "SELECT nombre, COALESCE(documento_numero,''), COALESCE(banco,''),"
                     " COALESCE(sucursal,''), COALESCE(dc,''), COALESCE(ccc,'') FROM propietario"
                     " WHERE clave_nombre = es_fold(?1)");
    st.bind(1, nombre.trimmed());
    if (!st.next())
        throw PropietarioNoEncontrado(nombre);
    return {st.text(0), st.text(1), st.text(2), st.text(3), st.text(4), st.text(5)};
}

std::unique_ptr<CFicheroCuaderno19> CrearFichero(const PropietarioBanco& p, const QDate& creacion,
                                                 const QDate& cargo, const AjustesBanco& ajustes)
{
    return std::make_unique<CFicheroCuaderno19>(p.nombre, p.documento_numero, p.banco, p.sucursal,
                                                p.dc, p.ccc, creacion, cargo, ajustes);
}

std::vector<ReciboBanco> RecibosBancoDelMes(Database& db, const QString& arrendador, const QDate& mes)
{
    // By the month's own text: the month after 9999-12 would not sort after it.
    Statement st(db, QStringLiteral("SELECT %1 FROM recibo WHERE es_fold(arrendador) = es_fold(?1)"
                                    " AND substr(fecha_facturacion, 1, 7) = ?2"
                                    " AND COALESCE(is_recibo_banco,0) <> 0 ORDER BY ref")
                         .arg(QLatin1String(kColumnas)));
    st.bind(1, arrendador).bind(2, mes.toString(QStringLiteral("yyyy-MM")));
    std::vector<ReciboBanco> r;
    while (st.next())
        r.push_back(LeerReciboBanco(st));
    return r;
}

std::vector<ReciboBanco> RecibosBancoEmision(Database& db)
{
    Statement st(db, QStringLiteral("SELECT %1 FROM emision_recibo WHERE"
                                    " COALESCE(is_recibo_seleccionado,0) <> 0 ORDER BY ref")
                         .arg(QLatin1String(kColumnas)));
    std::vector<ReciboBanco> r;
    while (st.next())
        r.push_back(LeerReciboBanco(st));
    return r;
}

void ComprobarCuentaInmueble(const QString& banco, const QString& sucursal, const QString& dc,
                             const QString& ccc)
{
    if (banco.isEmpty() || sucursal.isEmpty() || dc.isEmpty() || ccc.isEmpty())
        throw UserError(QStringLiteral("Primero debe introducir un número de cuenta"));
    if (banco.size() != 4 || sucursal.size() != 4 || dc.size() != 2 || ccc.size() != 10)
        throw UserError(QStringLiteral("La cuenta bancaria no tiene la longitud correcta."));
}

ReciboBancoInmueble ReciboDesdeInmueble(Database& db, qint64 refInmueble, const QDate& hoy)
{
    Statement st(db, "SELECT ref, COALESCE(codref,''), COALESCE(nom_arrendatario,''),"
                     " COALESCE(renta,0), COALESCE(iva,0), COALESCE(irpf,0), COALESCE(otro_importe1,0),"
                     " COALESCE(otro_importe2,0), COALESCE(otro_importe3,0),"
                     " COALESCE(otro_concepto1,''), COALESCE(otro_concepto2,''),"
                     " COALESCE(otro_concepto3,''), COALESCE(banco,''), COALESCE(sucursal,''),"
                     " COALESCE(dc,''), COALESCE(ccc,''), COALESCE(direccion,''), COALESCE(piso,''),"
                     " COALESCE(arrendador,''), COALESCE(doc_arrendatario_num,''), COALESCE(localidad,'')"
                     " FROM inmueble WHERE ref = ?1");
    st.bind(1, refInmueble);
    if (!st.next())
        throw UserError(QStringLiteral("El inmueble %1 no existe.").arg(refInmueble));
    ReciboBancoInmueble r;
    ReciboBanco& b = r.recibo;
    b.ref = st.integer(0);
    b.codref = st.text(1);
    b.nom_arrendatario = st.text(2);
    b.fecha_facturacion = hoy;
    b.renta = st.money(3);
    b.iva = st.money(4);
    b.irpf = st.money(5);
    b.otro_importe1 = st.money(6);
    b.otro_importe2 = st.money(7);
    b.otro_importe3 = st.money(8);
    b.otro_concepto1 = st.text(9);
    b.otro_concepto2 = st.text(10);
    b.otro_concepto3 = st.text(11);
    b.banco = st.text(12);
    b.sucursal = st.text(13);
    b.dc = st.text(14);
    b.ccc = st.text(15);
    r.direccion = st.text(16);
    r.piso = st.text(17);
    r.arrendador = st.text(18);
    r.doc_arrendatario = st.text(19);
    r.localidad = st.text(20);
    ComprobarCuentaInmueble(b.banco, b.sucursal, b.dc, b.ccc);
    return r;
}

ResultadoRemesa GenerarRemesa(Database& db, const QString& arrendador, const QDate& mes,
                              const QDate& creacion, const QDate& cargo, const AjustesBanco& ajustes,
                              const QString& ruta, const QString& listadoPdf, bool marcar)
{
    QStringList salidas{ruta};
    if (!listadoPdf.isEmpty())
        salidas << listadoPdf;
    ComprobarSalidas({db.path()}, salidas);
    const PropietarioBanco propietario = BuscarPropietarioBanco(db, arrendador);
    const std::vector<ReciboBanco> recibos = RecibosBancoDelMes(db, propietario.nombre, mes);
    if (recibos.empty())
        throw UserError(QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas"));
    auto fichero = CrearFichero(propietario, creacion, cargo, ajustes);
    fichero->Reservar(int(recibos.size()));
    for (const ReciboBanco& r : recibos)
        fichero->AnadirRecibo(r);
    ResultadoRemesa resultado{fichero->NumeroRecibos(), fichero->Total(), fichero->Excluidos(),
                              RefsEscritos(recibos, fichero->Excluidos())};
    if (resultado.recibos == 0) {
        QString motivos;
        for (const ReciboExcluido& e : resultado.excluidos)
            motivos += u'\n' + e.Texto();
        throw UserError(QStringLiteral("No hay domiciliaciones bancarias válidas en esta facturación") +
                        motivos);
    }
    // Both files or neither: each is finished and synced before either takes its name.
    ArchivoAtomico banco(ruta);
    banco.write(fichero->Contenido());
    if (listadoPdf.isEmpty()) {
        banco.Publicar();
    } else {
        ArchivoAtomico listado(listadoPdf);
        fichero->ListadoAPdf(listado);
        ArchivoAtomico::PublicarJuntos({&banco, &listado});
    }
    if (marcar) {
        try {
            MarcarEnviadosAlCobro(db, resultado.escritos, cargo);
        } catch (...) {
            // A file whose receipts are not marked would be sent twice: it goes.
            for (const QString& s : salidas)
                QFile::remove(s);
            throw;
        }
    }
    return resultado;
}
