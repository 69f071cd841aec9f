#include "reports/listado_inmuebles.h"

#include "data/record_sets.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

constexpr int kAnchoLinea = 116;

struct Flag {
    const char* lista;
    const char* columna;
    const char* criterio;
};
const Flag kFlags[] = {
    {"RECIBO BANCO", "is_recibo_banco", " Se emite recibo banco= "},
    {"RECIBO FÍSICO", "is_recibo_fisico", " Se emite recibo físico= "},
    {"NUMERAR RECIBO", "is_recibo_numerar", " Se emite recibo numerado= "},
};

const Flag* BuscarFlag(const QString& flag)
{
    for (const Flag& f : kFlags)
        if (flag == QString::fromUtf8(f.lista))
            return &f;
    return nullptr;
}

}  // namespace

bool Elegido(const QString& campo)
{
    return !campo.isEmpty() && campo != kTodos;
}

const char* ColumnaFlagRecibo(const QString& flag)
{
    const Flag* f = BuscarFlag(flag);
    return f ? f->columna : nullptr;
}

QStringList ListaFlagsRecibo()
{
    QStringList r{kTodos};
    for (const Flag& f : kFlags)
        r << QString::fromUtf8(f.lista);
    return r;
}

QString TextoCriterios(const CriteriosInmuebles& c)
{
    QString t;
    if (NumeroMes(c.mes) > 0)
        t += QStringLiteral(" Mes contrato= ") + c.mes + QStringLiteral("  ");
    const std::pair<const char*, const QString*> campos[] = {
        {" Direccion= ", &c.direccion}, {" Piso= ", &c.piso}, {" Localidad= ", &c.localidad},
        {" Arrendador= ", &c.propietario}, {" Inquilino= ", &c.inquilino}};
    for (const auto& [rotulo, valor] : campos)
        if (Elegido(*valor))
            t += QLatin1String(rotulo) + *valor + u' ';
    for (const CriteriosInmuebles::Recibo& r : c.recibos)
        if (const Flag* f = BuscarFlag(r.flag))
            t += QString::fromUtf8(f->criterio) + (r.marcado ? QStringLiteral("SI") : QStringLiteral("NO"));
    return t;
}

QStringList LineasCriterios(const QString& criterios)
{
    if (criterios.isEmpty())
        return {};
    // Every part of the selection is shown, in as many lines as it takes.
    const QString texto = QStringLiteral(" Criterio de selección: ") + criterios;
    QStringList r;
    for (qsizetype i = 0; i < texto.size(); i += kAnchoLinea)
        r << texto.mid(i, kAnchoLinea);
    return r;
}

QString TituloListadoInmuebles(const QDate& hoy)
{
    return QStringLiteral("Informe Inmuebles ") + NombreMesMayusculas(hoy.month()) + QStringLiteral(" del ") +
           EnteroATexto(hoy.year()) + u'.';
}

ListadoInmuebles ListadoDeInmuebles(Database& db, const CriteriosInmuebles& c, const QDate& hoy)
{
    const QChar sp = u' ';
    ListadoInmuebles l;
    l.titulo = TituloListadoInmuebles(hoy);
    l.lineas << JuntarDerecha(AjustarIzquierda(QStringLiteral("CALLE"), 35) + sp +
                                  AjustarIzquierda(QStringLiteral("PISO"), 35) + sp +
                                  AjustarIzquierda(QStringLiteral("NOMBRE"), 33) + sp,
                              QStringLiteral("TOTAL"), 10);
    CInformeInmuebleSet rs(&db);
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext()) {
        Moneda total;
        for (const char* columna : {"renta", "iva", "irpf", "otro_importe1", "otro_importe2", "otro_importe3"})
            total += rs.money(QLatin1String(columna));
        l.total += total;
        ++l.inmuebles;
        const QString inicio = AjustarIzquierda(rs.text(QStringLiteral("direccion")), 35) + sp +
                               AjustarIzquierda(rs.text(QStringLiteral("piso")), 35) + sp +
                               AjustarIzquierda(rs.text(QStringLiteral("nom_arrendatario")), 33) + sp;
        l.lineas << JuntarDerecha(inicio, MonedaATexto(total), 10);
    }
    if (l.inmuebles > 0)
        l.lineas << JuntarDerecha(AjustarIzquierda(QStringLiteral("TOTAL"), 105) + sp, MonedaATexto(l.total), 10);
    const QStringList criterios = LineasCriterios(TextoCriterios(c));
    if (!criterios.isEmpty())
        l.lineas << QString() << criterios;
    return l;
}
