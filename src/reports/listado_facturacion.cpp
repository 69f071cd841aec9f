#include "reports/listado_facturacion.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>
#include <limits>
#include <unordered_map>

#include "data/database.h"
#include "reports/dibujo_texto.h"
#include "reports/seleccion_informe.h"
#include "util/errores.h"
#include "util/formato.h"

namespace {

constexpr int kAnchoEtiqueta = 23;   // date, separator and number; or a sum's label
constexpr int kAnchoImporte = 10;
constexpr int kSeparador = 1;
constexpr int kAnchoLinea = kAnchoEtiqueta + 7 * (kSeparador + kAnchoImporte);

// The six amounts and their total after the first 23 characters, each ending at its column.
QString ConImportes(QString linea, const ImportesRecibo& s)
{
    linea.reserve(kAnchoLinea);
    const Moneda columnas[] = {s.renta, s.otro_importe1, s.otro_importe2, s.otro_importe3,
                               s.iva, s.irpf, s.Total()};
    int fin = kAnchoEtiqueta;
    for (Moneda m : columnas) {
        fin += kSeparador + kAnchoImporte;
        AnadirMonedaDerecha(linea, m, fin);
    }
    return linea;
}

// One sum level: the value that opened it, the text its sum line shows and its sums.
struct Nivel {
    QString valor, etiqueta;
    ImportesRecibo suma;
};

class Composicion {
public:
    explicit Composicion(ListadoFacturacion& l) : m_l(l) {}

    void Recibo(const ReciboInforme& r)
    {
        if (m_l.recibos > 0) {
            const bool propietario = !MismoValor(r.arrendador, m_propietario.valor);
            const bool calle = propietario || !MismoValor(r.localidad, m_localidad)
                               || !MismoValor(r.direccion, m_calle.valor);
            const bool piso = calle || !MismoValor(r.piso, m_piso.valor);
            const bool inquilino = piso || !MismoValor(r.nom_arrendatario, m_inquilino.valor);
            Cerrar(inquilino, piso, calle, propietario);
            Abrir(r, inquilino, piso, calle, propietario);
        } else {
            Abrir(r, true, true, true, true);
        }
        QString linea;
        linea.reserve(kAnchoLinea);
        linea += InicioLinea(r.fecha_facturacion);
        AnadirDerecha(linea, EnteroConPuntos(r.numero_recibo), kAnchoEtiqueta);
        m_l.lineas.push_back({ConImportes(std::move(linea), r.importes), 1});
        for (Nivel* n : {&m_inquilino, &m_piso, &m_calle, &m_propietario})
            SumarImportes(n->suma, r.importes);
        SumarImportes(m_l.total, r.importes);
        ++m_l.recibos;
    }

    void Terminar()
    {
        if (m_l.recibos == 0)
            return;
        Cerrar(true, true, true, true);
        m_l.lineas.push_back({ConImportes(AjustarIzquierda(QStringLiteral("Total"), kAnchoEtiqueta), m_l.total), 6});
    }

private:
    // The date and its blank, kept per month: a listing has few months and many lines.
    const QString& InicioLinea(const QDate& fecha)
    {
        const qint64 dia = fecha.isValid() ? fecha.toJulianDay() : std::numeric_limits<qint64>::min();
        auto it = m_inicios.find(dia);
        if (it == m_inicios.end())
            it = m_inicios.emplace(dia, AjustarIzquierda(FechaMesAnio(fecha), 7) + u' ').first;
        return it->second;
    }

    void Cerrar(bool inquilino, bool piso, bool calle, bool propietario)
    {
        const std::array<std::pair<bool, Nivel*>, 4> niveles = {
            {{inquilino, &m_inquilino}, {piso, &m_piso}, {calle, &m_calle}, {propietario, &m_propietario}}};
        int trazos = 2;
        for (const auto& [cierra, n] : niveles) {
            if (cierra) {
                m_l.lineas.push_back({ConImportes(AjustarIzquierda(QStringLiteral("Suma ") + n->etiqueta,
                                                                   kAnchoEtiqueta), n->suma), trazos});
                n->suma = ImportesRecibo();
            }
            ++trazos;
        }
    }

    void Abrir(const ReciboInforme& r, bool inquilino, bool piso, bool calle, bool propietario)
    {
        if (inquilino)
            m_inquilino = {r.nom_arrendatario, r.nom_arrendatario + u' ' + r.doc_arrendatario_tipo + u' '
                                                   + r.doc_arrendatario_num, {}};
        if (piso)
            m_piso = {r.piso, r.piso, {}};
        if (calle) {
            m_calle = {r.direccion, r.direccion, {}};
            m_localidad = r.localidad;
        }
        if (propietario)
            m_propietario = {r.arrendador, r.arrendador, {}};
    }

    ListadoFacturacion& m_l;
    Nivel m_inquilino, m_piso, m_calle, m_propietario;
    QString m_localidad;
    std::unordered_map<qint64, QString> m_inicios;
};

}  // namespace

QString CabeceraListado(const AjustesImpuestos& impuestos)
{
    QString linea = AjustarIzquierda(QStringLiteral("FECHA"), 7) + u' ';
    AnadirDerecha(linea, QStringLiteral("NÚMERO"), kAnchoEtiqueta);
    const QString columnas[] = {QStringLiteral("RENTA"), QStringLiteral("Otro_Imp_1"),
                                QStringLiteral("Otro_Imp_2"), QStringLiteral("Otro_Imp_3"),
                                impuestos.nombre1, impuestos.nombre2, QStringLiteral("SUMA"),
                                QStringLiteral("TOTAL")};
    int fin = kAnchoEtiqueta;
    for (const QString& c : columnas) {
        fin += kSeparador + kAnchoImporte;
        AnadirDerecha(linea, c, fin);
    }
    return linea;
}

ListadoFacturacion ComponerListado(Database& db, const QString& titulo, const QString& subtitulo,
                                   const AjustesImpuestos& impuestos)
{
    ListadoFacturacion l;
    l.titulo = titulo;
    l.subtitulo = subtitulo;
    l.cabecera = CabeceraListado(impuestos);
    Composicion c(l);
    RecorrerSeleccion(db, [&c](const ReciboInforme& r) { c.Recibo(r); }, CamposSeleccion::Listado);
    c.Terminar();
    return l;
}

ListadoFacturacion ListadoFacturacionDe(Database& db, const FiltroInforme& filtro,
                                        const AjustesImpuestos& impuestos)
{
    if (SeleccionarRecibos(db, filtro, OrdenInforme::Inmueble) == 0)
        throw UserError(kSinRecibosPeriodo);
    return ComponerListado(db, TituloInforme(filtro), SubtituloInforme(filtro), impuestos);
}

QString ListadoATexto(const ListadoFacturacion& l)
{
    QString t = l.titulo + u'\n' + l.subtitulo + u'\n' + l.cabecera + u'\n';
    t.reserve(t.size() + qsizetype(l.lineas.size()) * 102);
    for (const LineaListado& linea : l.lineas)
        t += linea.texto + u'\n';
    return t;
}

int PaginasListado(const ListadoFacturacion& l)
{
    return qMax(1, int((l.lineas.size() + kLineasPorPagina - 1) / kLineasPorPagina));
}

void DibujarPaginaListado(QPainter& p, const ListadoFacturacion& l, int pagina)
{
    const QString kCourier = QStringLiteral("Courier New");
    QFont titulo = FuenteDecimas(50, kCourier);
    titulo.setWeight(QFont::Black);
    const QFont normal = FuenteDecimas(34, kCourier);
    p.save();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    // The title starts at y 10 and the subtitle at y 60, so that the subtitle stands clear of
    // the headings below it.
    p.setFont(titulo);
    TextoLinea(p, Caja(50, 10, 2000, 110), l.titulo, Qt::AlignHCenter | Qt::AlignTop);
    p.setFont(normal);
    TextoLinea(p, Caja(50, 60, 2000, 160), l.subtitulo, Qt::AlignHCenter | Qt::AlignTop);
    TextoLinea(p, Caja(50, 100, 1950, 150), l.cabecera, Qt::AlignLeft | Qt::AlignBottom);
    for (int y : {150, 145, 140, 2800, 2795, 2792})
        p.drawLine(50, y, 1950, y);
    // A line that grew past its columns runs on to the page's edge rather than be cut.
    const int derecha = qMax(2000, p.window().right());
    const size_t primera = size_t(pagina - 1) * kLineasPorPagina;
    for (int n = 0; n < kLineasPorPagina && primera + n < l.lineas.size(); ++n) {
        const LineaListado& linea = l.lineas[primera + n];
        const int abajo = (4 + n) * 50 + 10;
        TextoLinea(p, Caja(50, (3 + n) * 50 + 10, derecha, abajo), linea.texto);
        for (int k = 0; k < linea.trazos; ++k)
            p.drawLine(50, abajo - k, 2000, abajo - k);
    }
    const int alto = int(QFontMetricsF(normal).height());
    TextoLinea(p, Caja(0, 2850 - alto / 2, 2100, 2900), QStringLiteral("Página %1").arg(pagina),
               Qt::AlignHCenter | Qt::AlignTop);
    p.restore();
}

void DibujarListado(QPainter& p, QPagedPaintDevice& dispositivo, const ListadoFacturacion& l)
{
    PrepararPaginaDecimasMm(p);
    const int paginas = PaginasListado(l);
    for (int pagina = 1; pagina <= paginas; ++pagina) {
        if (pagina > 1)
            dispositivo.newPage();
        DibujarPaginaListado(p, l, pagina);
    }
}
