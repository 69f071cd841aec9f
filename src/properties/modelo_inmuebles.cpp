#include "properties/modelo_inmuebles.h"

#include "data/database.h"
#include "data/record_sets.h"
#include "properties/busqueda_inmuebles.h"
#include "util/formato.h"

namespace {

const char* const kTitulos[CModeloInmuebles::kColumnas] = {
    "Dirección", "Piso", "Inquilino", "Arrendador", "Renta total", "Último mes facturado"};

const char* const kImportes[] = {"renta", "otro_importe1", "otro_importe2", "otro_importe3", "iva", "irpf"};

}  // namespace

CModeloInmuebles::CModeloInmuebles(Database& db, QObject* parent) : QAbstractTableModel(parent), m_db(db)
{
    Recargar();
}

CModeloInmuebles::~CModeloInmuebles() = default;

void CModeloInmuebles::Recargar()
{
    beginResetModel();
    m_meses.clear();
    m_filas = 0;
    try {
        m_rs = std::make_unique<CInmuebleSet>(&m_db);
        if (!m_filtro.isEmpty()) {
            const CondicionBusqueda c = CondicionTexto(m_filtro);
            m_rs->setFilter(c.sql, c.valores);
        }
        m_filas = m_rs->rowCount();
    } catch (...) {
        m_rs.reset();
        endResetModel();
        throw;
    }
    endResetModel();
}

void CModeloInmuebles::Filtrar(const QString& texto)
{
    m_filtro = texto;
    Recargar();
}

int CModeloInmuebles::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : m_filas;
}

int CModeloInmuebles::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : kColumnas;
}

bool CModeloInmuebles::Situar(int fila) const
{
    if (!m_rs || fila < 0 || fila >= m_filas)
        return false;
    if (m_rs->position() != fila)
        m_rs->move(fila - m_rs->position());
    return m_rs->hasCurrent();
}

qint64 CModeloInmuebles::Ref(int fila) const
{
    return Situar(fila) ? m_rs->integer(QStringLiteral("ref")) : 0;
}

QString CModeloInmuebles::UltimoMesDe() const
{
    const qint64 id = m_rs->currentRowId();
    if (const auto it = m_meses.constFind(id); it != m_meses.cend())
        return *it;
    if (!m_ultimoMes)
        m_ultimoMes = std::make_unique<Statement>(
            m_db, "SELECT MAX(fecha_facturacion) FROM recibo"
                  " WHERE direccion = ?1 COLLATE NOCASE AND piso = ?2 COLLATE NOCASE");
    QString mes;
    m_ultimoMes->bind(1, m_rs->text(QStringLiteral("direccion"))).bind(2, m_rs->text(QStringLiteral("piso")));
    if (m_ultimoMes->next() && !m_ultimoMes->isNull(0)) {
        const QString fecha = m_ultimoMes->text(0);   // yyyy-MM-dd hh:mm:ss
        mes = fecha.mid(5, 2) + u'/' + fecha.left(4);
    }
    m_ultimoMes->reset();
    m_meses.insert(id, mes);
    return mes;
}

QVariant CModeloInmuebles::data(const QModelIndex& indice, int rol) const
{
    if (rol == Qt::TextAlignmentRole)
        return indice.column() == Total ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole || !Situar(indice.row()))
        return {};
    try {
        switch (indice.column()) {
        case Direccion: return m_rs->text(QStringLiteral("direccion"));
        case Piso: return m_rs->text(QStringLiteral("piso"));
        case Inquilino: return m_rs->text(QStringLiteral("nom_arrendatario"));
        case Arrendador: return m_rs->text(QStringLiteral("arrendador"));
        case Total: {
            Moneda total;
            for (const char* columna : kImportes)
                total += m_rs->money(QLatin1String(columna));
            return MonedaATexto(total);
        }
        case UltimoMes: return UltimoMesDe();
        default: return {};
        }
    } catch (const std::exception&) {
        return {};   // a row that cannot be read shows empty; the next load tells why
    }
}

QVariant CModeloInmuebles::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole && seccion >= 0 && seccion < kColumnas)
        return QString::fromUtf8(kTitulos[seccion]);
    return QAbstractTableModel::headerData(seccion, orientacion, rol);
}
