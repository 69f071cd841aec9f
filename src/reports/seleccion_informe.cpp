#include "reports/seleccion_informe.h"

#include <QVariantList>
#include <array>
#include <iterator>

#include "data/database.h"
#include "data/emision.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

QString FechaTitulo(const QDate& d)
{
    return QStringLiteral("%1 de %2 del %3").arg(d.day()).arg(NombreMesMayusculas(d.month())).arg(d.year());
}

}  // namespace

bool FiltroElegido(const QString& texto)
{
    return !texto.isEmpty() && texto.trimmed().compare(kTodos, Qt::CaseInsensitive) != 0;
}

QString TituloInforme(const FiltroInforme& f)
{
    const QDate primero(f.desde.year(), f.desde.month(), 1);
    return QStringLiteral("INFORME FACTURACIÓN - ") + FechaTitulo(primero) + QStringLiteral(" al ")
           + FechaTitulo(UltimoDiaMes(f.hasta)) + u'.';
}

QString SubtituloInforme(const FiltroInforme& f)
{
    if (FiltroElegido(f.piso))
        return f.direccion + u' ' + f.piso;
    if (FiltroElegido(f.direccion))
        return f.direccion;
    if (FiltroElegido(f.propietario))
        return f.propietario;
    return {};
}

int SeleccionarRecibos(Database& db, const FiltroInforme& f, OrdenInforme orden)
{
    // Every value is bound; texts compare folded, as the design's engine compared them.
    QStringList condiciones;
    QVariantList valores;
    const std::pair<const char*, const QString*> campos[] = {
        {"direccion", &f.direccion}, {"piso", &f.piso}, {"localidad", &f.localidad},
        {"arrendador", &f.propietario}};
    for (const auto& [columna, valor] : campos) {
        if (!FiltroElegido(*valor))
            continue;
        valores << PlegarTexto(*valor);
        condiciones << QStringLiteral("es_fold(%1) = ?%2").arg(QLatin1String(columna)).arg(valores.size());
    }
    if (f.soloIva)
        condiciones << QStringLiteral("iva > 0");
    // Half-open: a receipt dated the last day of the last month at any hour is in.
    const QDate primero(f.desde.year(), f.desde.month(), 1);
    const QDate siguiente = QDate(f.hasta.year(), f.hasta.month(), 1).addMonths(1);
    valores << primero << siguiente;
    condiciones << QStringLiteral("fecha_facturacion >= ?%1 AND fecha_facturacion < ?%2")
                       .arg(valores.size() - 1).arg(valores.size());

    const QString orden_sql = orden == OrdenInforme::Inquilino
        ? QStringLiteral("es_fold(arrendador), es_fold(nom_arrendatario), es_fold(localidad),"
                         " es_fold(direccion), es_fold(piso), fecha_facturacion, ref")
        : QStringLiteral("es_fold(arrendador), es_fold(localidad), es_fold(direccion), es_fold(piso),"
                         " fecha_facturacion, ref");
    Savepoint sp(db, "seleccion_informe");
    VaciarEmision(db);
    const int n = CopiarRecibosAEmision(db, condiciones.join(QStringLiteral(" AND ")), valores, orden_sql);
    sp.release();
    return n;
}

// Read by hand: the report reads hundreds of thousands of them.
QDate FechaGuardada(QByteArrayView t)
{
    if (t.size() < 10 || t[4] != '-' || t[7] != '-')
        return {};
    auto num = [&t](int desde, int largo) {
        int n = 0;
        for (int i = desde; i < desde + largo; ++i) {
            if (t[i] < '0' || t[i] > '9')
                return -1;
            n = n * 10 + (t[i] - '0');
        }
        return n;
    };
    return QDate(num(0, 4), num(5, 2), num(8, 2));
}

void RecorrerFilasSeleccion(Database& db, const std::function<void(const Statement& fila)>& porFila,
                            CamposSeleccion campos)
{
    static const char* const kColumnas[] = {
        "numero_recibo", "fecha_facturacion", "arrendador", "localidad", "direccion", "piso",
        "nom_arrendatario", "doc_arrendatario_tipo", "doc_arrendatario_num", "renta", "otro_importe1",
        "otro_importe2", "otro_importe3", "iva", "irpf", "otro_concepto1", "otro_concepto2",
        "otro_concepto3", "banco", "sucursal", "dc", "ccc", "is_recibo_banco", "is_recibo_fisico",
        "is_recibo_numerar", "notas"};
    static_assert(std::size(kColumnas) == kColNotas + 1);
    const int n = campos == CamposSeleccion::Listado ? kColIrpf + 1 : kColNotas + 1;
    QString sql = QStringLiteral("SELECT ");
    for (int i = 0; i < n; ++i)
        sql += (i > 0 ? QStringLiteral(", ") : QString()) + QLatin1String(kColumnas[i]);
    // rowid is the order of the copy: the staged rows come back as they were staged.
    Statement st(db, sql + QStringLiteral(" FROM emision_recibo ORDER BY rowid"));
    while (st.next())
        porFila(st);
}

namespace {

constexpr std::pair<int, QString ReciboInforme::*> kTextos[] = {
    {kColArrendador, &ReciboInforme::arrendador}, {kColLocalidad, &ReciboInforme::localidad},
    {kColDireccion, &ReciboInforme::direccion}, {kColPiso, &ReciboInforme::piso},
    {kColArrendatario, &ReciboInforme::nom_arrendatario}, {kColDocTipo, &ReciboInforme::doc_arrendatario_tipo},
    {kColDocNumero, &ReciboInforme::doc_arrendatario_num}, {kColConcepto1, &ReciboInforme::otro_concepto1},
    {kColConcepto2, &ReciboInforme::otro_concepto2}, {kColConcepto3, &ReciboInforme::otro_concepto3},
    {kColBanco, &ReciboInforme::banco}, {kColSucursal, &ReciboInforme::sucursal}, {kColDc, &ReciboInforme::dc},
    {kColCcc, &ReciboInforme::ccc}, {kColNotas, &ReciboInforme::notas}};
constexpr size_t kNumTextos = std::size(kTextos);

// All but the texts.
void LeerNumerosYFechas(const Statement& st, ReciboInforme& r)
{
    r.numero_recibo = st.integer(kColNumero);
    r.fecha_facturacion = FechaGuardada(st.bytes(kColFecha));
    Moneda* importes[] = {&r.importes.renta, &r.importes.otro_importe1, &r.importes.otro_importe2,
                          &r.importes.otro_importe3, &r.importes.iva, &r.importes.irpf};
    for (int i = 0; i < 6; ++i)
        *importes[i] = st.money(kColRenta + i);
    if (st.columnCount() > kColNumerar) {
        r.is_recibo_banco = st.boolean(kColReciboBanco);
        r.is_recibo_fisico = st.boolean(kColReciboFisico);
        r.is_recibo_numerar = st.boolean(kColNumerar);
    }
}

// Reads rows into one receipt, decoding a text only when its stored bytes differ from the
// row before: in report order a row mostly repeats the owner, street, tenant and account
// of the one before it.
class LectorRecibos {
public:
    const ReciboInforme& Leer(const Statement& st)
    {
        LeerNumerosYFechas(st, m_r);
        const int columnas = st.columnCount();
        for (size_t i = 0; i < kNumTextos; ++i) {
            const auto [columna, campo] = kTextos[i];
            if (columna >= columnas)
                continue;
            const bool nulo = st.type(columna) == Statement::Tipo::Nulo;
            const QByteArrayView bytes = st.bytes(columna);
            if (m_leido && nulo == m_nulos[i] && bytes == m_previos[i])
                continue;
            m_nulos[i] = nulo;
            m_previos[i] = bytes.toByteArray();
            m_r.*campo = st.text(columna);
        }
        m_leido = true;
        return m_r;
    }

private:
    ReciboInforme m_r;
    std::array<QByteArray, kNumTextos> m_previos;
    std::array<bool, kNumTextos> m_nulos = {};
    bool m_leido = false;
};

}  // namespace

void LeerReciboInforme(const Statement& st, ReciboInforme& r)
{
    LeerNumerosYFechas(st, r);
    for (const auto& [columna, campo] : kTextos)
        r.*campo = st.text(columna);
}

void RecorrerSeleccion(Database& db, const std::function<void(const ReciboInforme&)>& porRecibo,
                       CamposSeleccion campos)
{
    LectorRecibos lector;
    RecorrerFilasSeleccion(db, [&](const Statement& fila) { porRecibo(lector.Leer(fila)); }, campos);
}

bool MismoValor(const QString& a, const QString& b)
{
    return a == b || PlegarTexto(a) == PlegarTexto(b);
}

void SumarImportes(ImportesRecibo& suma, const ImportesRecibo& mas)
{
    suma.renta += mas.renta;
    suma.otro_importe1 += mas.otro_importe1;
    suma.otro_importe2 += mas.otro_importe2;
    suma.otro_importe3 += mas.otro_importe3;
    suma.iva += mas.iva;
    suma.irpf += mas.irpf;
}
