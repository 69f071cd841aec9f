#include "bank/remesa_sepa.h"

#include <QHash>
#include <QSet>
#include <algorithm>

#include "bank/remesa.h"
#include "data/database.h"
#include "data/emision.h"
#include "data/rutas_salida.h"
#include "util/errores.h"
#include "util/iban.h"

namespace {

const QString kSinRecibos = QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas");

std::vector<DebitoSepa> LeerDebitos(Database& db, const QString& tabla, const QString& condicion,
                                    const QVariantList& valores)
{
    Statement st(db, QStringLiteral("SELECT %1, COALESCE(direccion,''), COALESCE(piso,''),"
                                    " COALESCE(iban,''), COALESCE(bic,''), COALESCE(mandato_ref,''),"
                                    " mandato_fecha FROM %2 WHERE %3 ORDER BY ref")
                         .arg(QLatin1String(ColumnasReciboBanco()), tabla, condicion));
    for (int i = 0; i < valores.size(); ++i)
        st.bind(i + 1, valores[i]);
    std::vector<DebitoSepa> r;
    while (st.next()) {
        DebitoSepa d;
        d.recibo = LeerReciboBanco(st);
        d.direccion = st.text(18);
        d.piso = st.text(19);
        d.iban = NormalizarIban(st.text(20));
        d.bic = NormalizarBic(st.text(21));
        d.mandato_ref = st.text(22).trimmed();
        d.mandato_fecha = st.date(23);
        r.push_back(d);
    }
    return r;
}

struct Envio {
    QDate fecha;
    qint64 ref = 0;
    QString secuencia, iban;
    bool operator<(const Envio& o) const { return fecha != o.fecha ? fecha < o.fecha : ref < o.ref; }
};

}  // namespace

AcreedorSepa BuscarAcreedorSepa(Database& db, const QString& nombre)
{
    Statement st(db, "SELECT nombre, COALESCE(documento_numero,''), COALESCE(id_acreedor,''),"
                     " COALESCE(iban,''), COALESCE(bic,'') FROM propietario WHERE clave_nombre = es_fold(?1)");
    st.bind(1, nombre.trimmed());
    if (!st.next())
        throw PropietarioNoEncontrado(nombre);
    return {st.text(0), st.text(1), st.text(2), NormalizarIban(st.text(3)), NormalizarBic(st.text(4))};
}

void AsignarSecuencias(Database& db, const QString& arrendador, std::vector<DebitoSepa>& debitos)
{
    QSet<qint64> enRemesa;
    for (const DebitoSepa& d : debitos)
        enRemesa.insert(d.recibo.ref);
    std::vector<size_t> orden(debitos.size());
    for (size_t i = 0; i < orden.size(); ++i)
        orden[i] = i;
    auto clave = [&](size_t i) { return Envio{debitos[i].recibo.fecha_facturacion, debitos[i].recibo.ref, {}, {}}; };
    std::stable_sort(orden.begin(), orden.end(), [&](size_t a, size_t b) { return clave(a) < clave(b); });

    // Sent receipts of other remittances; this one's own count through `enviados` below, so
    // that a rewrite after marking sees what the first writing saw.
    Statement previos(db, "SELECT fecha_facturacion, ref, sepa_secuencia, COALESCE(iban,'') FROM recibo"
                          " WHERE es_fold(arrendador) = es_fold(?1) AND mandato_ref = ?2"
                          " AND COALESCE(sepa_secuencia,'') <> ''");
    Statement mandato(db, "SELECT COALESCE(mandato_tipo,''), COALESCE(mandato_ultimo,0) FROM inmueble"
                          " WHERE es_fold(direccion) = es_fold(?1) AND es_fold(piso) = es_fold(?2)"
                          " AND mandato_ref = ?3");
    QHash<QString, std::vector<Envio>> enviados;
    for (size_t i : orden) {
        DebitoSepa& d = debitos[i];
        if (d.mandato_ref.isEmpty())
            continue;
        const Envio yo = clave(i);
        auto it = enviados.find(d.mandato_ref);
        if (it == enviados.end()) {
            std::vector<Envio> lista;
            previos.bind(1, arrendador).bind(2, d.mandato_ref);
            while (previos.next())
                if (!enRemesa.contains(previos.integer(1)))
                    lista.push_back({previos.date(0), previos.integer(1), previos.text(2), previos.text(3)});
            previos.reset();
            it = enviados.insert(d.mandato_ref, lista);
        }
        const Envio* ultimo = nullptr;
        for (const Envio& e : *it)
            if (e < yo) {
                if (e.secuencia == QLatin1String("FNAL") || e.secuencia == QLatin1String("OOFF"))
                    d.cerradoPor = e.secuencia;
                if (!ultimo || *ultimo < e)
                    ultimo = &e;
            }
        QString tipo;
        bool ultimoCobro = false;
        mandato.bind(1, d.direccion).bind(2, d.piso).bind(3, d.mandato_ref);
        if (mandato.next()) {
            tipo = mandato.text(0);
            ultimoCobro = mandato.boolean(1);
        }
        mandato.reset();
        if (tipo == QLatin1String("OOFF"))
            d.secuencia = QStringLiteral("OOFF");
        else if (ultimoCobro)
            d.secuencia = QStringLiteral("FNAL");
        else
            d.secuencia = ultimo ? QStringLiteral("RCUR") : QStringLiteral("FRST");
        if (ultimo && !ultimo->iban.isEmpty() && NormalizarIban(ultimo->iban) != d.iban)
            d.ibanAnterior = NormalizarIban(ultimo->iban);
        Envio este = yo;
        este.secuencia = d.secuencia;
        este.iban = d.iban;
        it->push_back(este);
    }
}

std::vector<DebitoSepa> DebitosSepaDelMes(Database& db, const QString& arrendador, const QDate& mes)
{
    std::vector<DebitoSepa> r = LeerDebitos(
        db, QStringLiteral("recibo"),
        QStringLiteral("es_fold(arrendador) = es_fold(?1) AND substr(fecha_facturacion, 1, 7) = ?2"
                       " AND COALESCE(is_recibo_banco,0) <> 0"),
        {arrendador, mes.toString(QStringLiteral("yyyy-MM"))});
    AsignarSecuencias(db, arrendador, r);
    return r;
}

std::vector<DebitoSepa> DebitosSepaEmision(Database& db, const QString& arrendador)
{
    std::vector<DebitoSepa> r = LeerDebitos(db, QStringLiteral("emision_recibo"),
                                            QStringLiteral("COALESCE(is_recibo_seleccionado,0) <> 0"), {});
    AsignarSecuencias(db, arrendador, r);
    return r;
}

int PrepararEmisionSepa(Database& db, const QDate& mes, const QString& propietario)
{
    const AcreedorSepa a = BuscarAcreedorSepa(db, propietario);
    Transaction tx(db);
    VaciarEmision(db);
    const int n = CopiarRecibosAEmision(
        db,
        QStringLiteral("es_fold(arrendador) = es_fold(?1) AND substr(fecha_facturacion, 1, 7) = ?2"
                       " AND COALESCE(is_recibo_banco,0) <> 0"),
        {a.nombre, mes.toString(QStringLiteral("yyyy-MM"))}, QStringLiteral("ref"));
    tx.commit();
    if (n == 0)
        throw UserError(kSinRecibos);
    return n;
}

void MarcarEnviadosSepa(Database& db, const std::vector<DebitoSepa>& debitos, const QDate& cargo)
{
    Transaction tx(db);
    Statement st(db, "UPDATE recibo SET estado = 2, fecha_cobro = ?2, sepa_secuencia = ?3 WHERE ref = ?1");
    for (const DebitoSepa& d : debitos)
        st.bind(1, d.recibo.ref).bind(2, cargo).bind(3, d.secuencia).run();
    tx.commit();
}

ResultadoSepa GenerarRemesaSepa(Database& db, const QString& arrendador, const QDate& mes,
                                const QDateTime& creacion, const QDate& cargo, const QString& ruta,
                                bool marcar)
{
    ComprobarSalidas({db.path()}, {ruta});
    const AcreedorSepa acreedor = BuscarAcreedorSepa(db, arrendador);
    std::vector<DebitoSepa> debitos = DebitosSepaDelMes(db, acreedor.nombre, mes);
    if (debitos.empty())
        throw UserError(kSinRecibos);
    const CFicheroSepa fichero(acreedor, std::move(debitos), creacion, cargo);
    fichero.Generar(ruta);
    if (marcar)
        MarcarEnviadosSepa(db, fichero.Debitos(), cargo);
    return {fichero.NumeroRecibos(), fichero.Total(), fichero.MsgId()};
}
