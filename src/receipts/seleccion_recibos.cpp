#include "receipts/seleccion_recibos.h"

#include <QHash>

#include "data/database.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/texto.h"

namespace {

const char* const kSelect =
    "SELECT rowid, ref, arrendador, direccion, piso, nom_arrendatario, doc_arrendatario_num,"
    " banco, sucursal, dc, ccc, renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3,"
    " is_recibo_seleccionado FROM emision_recibo";

FilaSeleccion LeerFila(const Statement& st)
{
    FilaSeleccion f;
    f.fila = st.integer(0);
    f.ref = st.integer(1);
    f.arrendador = st.text(2);
    f.direccion = st.text(3);
    f.piso = st.text(4);
    f.nom_arrendatario = st.text(5);
    f.doc_arrendatario_num = st.text(6);
    f.banco = st.text(7);
    f.sucursal = st.text(8);
    f.dc = st.text(9);
    f.ccc = st.text(10);
    for (int c = 11; c <= 16; ++c)
        f.total += st.money(c);
    f.seleccionado = st.boolean(17);
    return f;
}

QString A(const QString& s, int ancho) { return AjustarIzquierda(s, ancho); }

}  // namespace

CSeleccionRecibos::CSeleccionRecibos(Database& db, ModoSeleccion modo, const QDateTime& fechaCobro,
                                     QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_modo(modo), m_fechaCobro(fechaCobro)
{
    if (!db.isOpen())
        throw UserError(QStringLiteral("No hay base abierta"));
    Statement st(db, QString::fromLatin1(kSelect) + QStringLiteral(" ORDER BY rowid"));
    while (st.next())
        m_filas.push_back(LeerFila(st));
    if (m_filas.empty())
        throw UserError(QStringLiteral("No existen recibos para esta selección."));
}

int CSeleccionRecibos::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_filas.size());
}

int CSeleccionRecibos::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnas;
}

QVariant CSeleccionRecibos::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FilaSeleccion& f = m_filas[size_t(index.row())];
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        switch (c) {
        case kSeleccion: return f.seleccionado ? QStringLiteral("Si") : QStringLiteral("No");
        case kVia: return f.direccion;
        case kPiso: return f.piso;
        case kArrendatario: return f.nom_arrendatario;
        case kDni: return f.doc_arrendatario_num;
        case kImporte: return MonedaATexto(f.total);
        default: return {};
        }
    }
    if (role == Qt::DecorationRole && c == kSeleccion)
        return f.seleccionado ? m_si : m_no;
    if (role == Qt::DecorationRole && c == kModificar)
        return m_modificar;
    if (role == Qt::ToolTipRole && c == kModificar)
        return QStringLiteral("Modificar");
    if (role == Qt::TextAlignmentRole && c == kImporte)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant CSeleccionRecibos::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kCabecera[kColumnas] = {"", "", "Via", "Piso", "Arrendatario", "DNI", "Importe"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnas)
        return QString::fromLatin1(kCabecera[section]);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CSeleccionRecibos::PonerIconos(const QIcon& si, const QIcon& no, const QIcon& modificar)
{
    m_si = si;
    m_no = no;
    m_modificar = modificar;
}

void CSeleccionRecibos::Alternar(int fila)
{
    if (fila < 0 || fila >= rowCount())
        return;
    m_filas[size_t(fila)].seleccionado = !m_filas[size_t(fila)].seleccionado;
    emit dataChanged(index(fila, kSeleccion), index(fila, kSeleccion));
}

void CSeleccionRecibos::PonerTodas(bool si)
{
    for (FilaSeleccion& f : m_filas)
        f.seleccionado = si;
    emit dataChanged(index(0, kSeleccion), index(rowCount() - 1, kSeleccion));
}

void CSeleccionRecibos::MarcarNo(const QList<qint64>& refs)
{
    QHash<qint64, int> filas;
    for (int i = 0; i < rowCount(); ++i)
        filas.insert(m_filas[size_t(i)].ref, i);
    for (qint64 ref : refs) {
        const auto it = filas.constFind(ref);
        if (it == filas.constEnd())
            throw UserError(QStringLiteral("El recibo %1 no está en esta selección; "
                                           "compruebe el número de recibo (ref).").arg(ref));
        m_filas[size_t(*it)].seleccionado = false;
        emit dataChanged(index(*it, kSeleccion), index(*it, kSeleccion));
    }
}

void CSeleccionRecibos::Refrescar(int fila)
{
    if (fila < 0 || fila >= rowCount())
        return;
    FilaSeleccion& f = m_filas[size_t(fila)];
    Statement st(m_db, QString::fromLatin1(kSelect) + QStringLiteral(" WHERE rowid = ?1"));
    st.bind(1, f.fila);
    if (!st.next())
        return;
    const bool seleccionado = f.seleccionado;   // the on-screen choice stays
    f = LeerFila(st);
    f.seleccionado = seleccionado;
    emit dataChanged(index(fila, 0), index(fila, kColumnas - 1));
}

int CSeleccionRecibos::Seleccionados() const
{
    int n = 0;
    for (const FilaSeleccion& f : m_filas)
        n += f.seleccionado ? 1 : 0;
    return n;
}

QList<qint64> CSeleccionRecibos::RefsSeleccionados() const
{
    QList<qint64> r;
    for (const FilaSeleccion& f : m_filas)
        if (f.seleccionado)
            r << f.ref;
    return r;
}

QStringList CSeleccionRecibos::LineasListado() const
{
    const bool banco = m_modo == ModoSeleccion::Banco;
    const QChar sp = u' ';
    QStringList lineas;
    lineas.reserve(Seleccionados() + 2);
    if (banco)
        lineas << A(QStringLiteral("CALLE"), 30) + A(QStringLiteral("PISO"), 30) + sp +
                      A(QStringLiteral("NOMBRE"), 20) + sp + A(QString(), 4) + sp +
                      A(QStringLiteral("CCC"), 4) + sp + A(QString(), 2) + sp + A(QString(), 10) + sp +
                      AjustarDerecha(QStringLiteral("TOTAL"), 10);
    else
        lineas << A(QStringLiteral("CALLE"), 30) + sp + A(QStringLiteral("PISO"), 20) + sp +
                      A(QStringLiteral("NOMBRE"), 38) + sp + A(QStringLiteral("DNI"), 14) + sp +
                      AjustarDerecha(QStringLiteral("TOTAL"), 10);
    Moneda total;
    for (const FilaSeleccion& f : m_filas) {
        if (!f.seleccionado)
            continue;
        total += f.total;
        const QString inicio =
            banco ? A(f.direccion, 30) + A(f.piso, 30) + sp + A(f.nom_arrendatario, 20) + sp +
                        A(f.banco, 4) + sp + A(f.sucursal, 4) + sp + A(f.dc, 2) + sp + A(f.ccc, 10) + sp
                  : A(f.direccion, 30) + sp + A(f.piso, 20) + sp + A(f.nom_arrendatario, 38) + sp +
                        A(f.doc_arrendatario_num, 14) + sp;
        lineas << JuntarDerecha(inicio, MonedaATexto(f.total), 10);
    }
    if (banco)
        lineas << JuntarDerecha(A(QStringLiteral("TOTAL"), 30) + A(QString(), 30) + sp + A(QString(), 20) +
                                    sp + RellenarCeros(QString(), 4) + sp + RellenarCeros(QString(), 4) +
                                    sp + RellenarCeros(QString(), 2) + sp + RellenarCeros(QString(), 10) + sp,
                                MonedaATexto(total), 10);
    else
        lineas << JuntarDerecha(Espacios(90) + A(QStringLiteral("TOTAL"), 10) + sp, MonedaATexto(total), 12);
    return lineas;
}

void CSeleccionRecibos::Confirmar()
{
    Savepoint sp(m_db, "confirmar_seleccion");
    Statement st(m_db, "UPDATE emision_recibo SET is_recibo_seleccionado = ?2, fecha_cobro = ?3"
                       " WHERE rowid = ?1");
    for (const FilaSeleccion& f : m_filas)
        st.bind(1, f.fila).bind(2, f.seleccionado).bind(3, m_fechaCobro).run();
    sp.release();
}
