#include "reports/vistas_informe.h"

#include <QStringList>
#include <array>

#include "data/database.h"
#include "reports/seleccion_informe.h"
#include "util/errores.h"
#include "util/formato.h"

namespace {

constexpr int kConceptosPorBloque = 49;

const QString kRaya = QString(80, u'_');
const QString kAsteriscos = QString(80, u'*');

std::array<std::pair<QString, Moneda>, 6> Pares(const ReciboInforme& r, const AjustesImpuestos& imp)
{
    return {{{QStringLiteral("RENTA"), r.importes.renta},
             {r.otro_concepto1, r.importes.otro_importe1},
             {r.otro_concepto2, r.importes.otro_importe2},
             {r.otro_concepto3, r.importes.otro_importe3},
             {imp.nombre1, r.importes.iva},
             {imp.nombre2, r.importes.irpf}}};
}

QString TextoInquilino(const ReciboInforme& r)
{
    return r.nom_arrendatario + QStringLiteral(" , ") + r.doc_arrendatario_tipo + u' ' + r.doc_arrendatario_num;
}

// What closes a group of a summary view: its values, compared as the rows were ordered.
QStringList ClaveGrupo(const ReciboInforme& r, VistaInforme vista)
{
    if (vista == VistaInforme::ResumenInquilino)
        return {r.arrendador, r.nom_arrendatario};
    return {r.arrendador, r.localidad, r.direccion, r.piso};
}

bool MismaClave(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!MismoValor(a[i], b[i]))
            return false;
    return true;
}

class Vista {
public:
    Vista(VistaInforme vista, const QString& titulo, const QString& subtitulo, const AjustesImpuestos& imp)
        : m_vista(vista), m_titulo(titulo), m_subtitulo(subtitulo), m_impuestos(imp)
    {
        m_lineas << QString() << titulo << subtitulo << kRaya;
    }

    void Recibo(const ReciboInforme& r)
    {
        const auto pares = Pares(r, m_impuestos);
        for (const auto& [nombre, importe] : pares)
            m_informe.Anadir(nombre, importe);
        if (m_vista == VistaInforme::Detalle) {
            Detalle(r, pares);
            return;
        }
        QStringList clave = ClaveGrupo(r, m_vista);
        if (!m_hayGrupo || !MismaClave(clave, m_clave)) {
            EscribirGrupo();
            m_hayGrupo = true;
            m_clave = std::move(clave);
            m_cabecera.clear();
            if (m_vista == VistaInforme::ResumenInmueble)
                m_cabecera << AjustarIzquierda(r.piso + u' ' + r.direccion, 80);
            m_cabecera << AjustarIzquierda(TextoInquilino(r), 80);
        }
        for (const auto& [nombre, importe] : pares)
            m_grupo.Anadir(nombre, importe);
    }

    QString Terminar()
    {
        EscribirGrupo();
        QList<const std::pair<QString, Moneda>*> entradas;
        for (const auto& e : m_informe.Entradas())
            if (!(e.first.isEmpty() && e.second.EsCero()))
                entradas << &e;
        for (qsizetype i = 0; i == 0 || i < entradas.size(); i += kConceptosPorBloque) {
            if (i > 0)
                m_lineas << QString();
            m_lineas << kAsteriscos << m_titulo << m_subtitulo;
            for (qsizetype j = i; j < qMin(entradas.size(), i + kConceptosPorBloque); ++j)
                m_lineas << LineaConcepto(entradas[j]->first, entradas[j]->second);
        }
        QString total = QStringLiteral(" TOTAL");
        AnadirDerecha(total, MonedaATexto(m_informe.Total()), 7 + 87);
        m_lineas << total;
        return m_lineas.join(u'\n') + u'\n';
    }

private:
    void Detalle(const ReciboInforme& r, const std::array<std::pair<QString, Moneda>, 6>& pares)
    {
        m_lineas << FechaMesAnio(r.fecha_facturacion) + QStringLiteral(" - ") + r.direccion + u' ' + r.piso;
        QString inquilino = AjustarIzquierda(TextoInquilino(r), 69);
        AnadirDerecha(inquilino, QStringLiteral("Numero %1").arg(r.numero_recibo), 69 + 20);
        m_lineas << inquilino;
        for (const auto& [nombre, importe] : pares)
            if (!importe.EsCero())
                m_lineas << LineaConcepto(nombre, importe);
        m_lineas << LineaConcepto(QStringLiteral("TOTAL"), r.importes.Total()) << kRaya;
    }

    void EscribirGrupo()
    {
        if (!m_hayGrupo)
            return;
        m_lineas << m_cabecera;
        for (const auto& [nombre, suma] : m_grupo.Entradas())
            m_lineas << LineaConcepto(nombre, suma);
        m_lineas << LineaConcepto(QStringLiteral("TOTAL"), m_grupo.Total()) << kRaya;
        m_grupo.Vaciar();
    }

    VistaInforme m_vista;
    QString m_titulo, m_subtitulo;
    AjustesImpuestos m_impuestos;
    QStringList m_lineas;
    ListaConceptos m_informe, m_grupo;
    bool m_hayGrupo = false;
    QStringList m_clave, m_cabecera;
};

}  // namespace

void ListaConceptos::Anadir(const QString& nombre, Moneda importe)
{
    if (importe.EsCero())
        return;
    const auto it = m_posicion.constFind(nombre);
    if (it != m_posicion.constEnd()) {
        m_entradas[size_t(*it)].second += importe;
        return;
    }
    m_posicion.insert(nombre, int(m_entradas.size()));
    m_entradas.emplace_back(nombre, importe);
}

void ListaConceptos::Vaciar()
{
    m_entradas.clear();
    m_posicion.clear();
}

Moneda ListaConceptos::Total() const
{
    Moneda t;
    for (const auto& e : m_entradas)
        t += e.second;
    return t;
}

QString LineaConcepto(const QString& nombre, Moneda importe)
{
    QString linea = QStringLiteral(" - ") + AjustarIzquierda(nombre, 80) + u' ';
    AnadirDerecha(linea, MonedaATexto(importe), 3 + 80 + 1 + 10);
    return linea;
}

VistaCompuesta ComponerVista(Database& db, VistaInforme vista, const QString& titulo,
                             const QString& subtitulo, const AjustesImpuestos& impuestos)
{
    Vista v(vista, titulo, subtitulo, impuestos);
    VistaCompuesta r;
    RecorrerSeleccion(db, [&](const ReciboInforme& recibo) {
        v.Recibo(recibo);
        ++r.recibos;
        r.total += recibo.importes.Total();
    });
    r.texto = v.Terminar();
    return r;
}

VistaCompuesta VistaFacturacionDe(Database& db, const FiltroInforme& filtro, VistaInforme vista,
                                  const AjustesImpuestos& impuestos)
{
    const OrdenInforme orden = vista == VistaInforme::ResumenInquilino ? OrdenInforme::Inquilino
                                                                       : OrdenInforme::Inmueble;
    if (SeleccionarRecibos(db, filtro, orden) == 0)
        throw UserError(kSinRecibosPeriodo);
    return ComponerVista(db, vista, TituloInforme(filtro), SubtituloInforme(filtro), impuestos);
}
