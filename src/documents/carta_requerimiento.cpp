#include "documents/carta_requerimiento.h"

#include <QStringList>

#include "documents/cartas.h"
#include "documents/texto_plano.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

QString EnCifra(Moneda m)
{
    return QStringLiteral(" [") + MonedaATexto(m) + QStringLiteral("€]");
}

// What is claimed, ticked months first (oldest first), then each other amount.
QString Reclamado(const Requerimiento& r)
{
    QStringList partes;
    QStringList meses;
    Moneda sumaMeses;
    for (auto it = r.meses.rbegin(); it != r.meses.rend(); ++it)
        if (it->marcado) {
            meses << RotuloMes(it->mes);
            sumaMeses += it->importe;
        }
    if (!meses.isEmpty())
        partes << (meses.size() == 1 ? QStringLiteral("el mes de ") : QStringLiteral("de los meses de "))
                      + Enumerar(meses) + EnCifra(sumaMeses);
    for (const ConceptoReclamado& c : r.conceptos)
        if (!c.importe.EsCero())
            partes << UnirConEspacio(c.concepto, ImporteEnLetras(c.importe)) + EnCifra(c.importe);
    if (partes.isEmpty())
        return {};
    return partes.join(QStringLiteral(", así como  ")) + QStringLiteral(", ");
}

}  // namespace

Requerimiento AbrirRequerimiento(const QDate& hoy)
{
    Requerimiento r;
    const QDate primero(hoy.year(), hoy.month(), 1);
    for (int i = 0; i < 6; ++i)
        r.meses[size_t(i)].mes = primero.addMonths(-i);
    return r;
}

QString RotuloMes(const QDate& mes)
{
    return NombreMesMayusculas(mes.month()) + QStringLiteral(" del %1").arg(mes.year());
}

void MarcarMes(Requerimiento& r, int i, bool marcado, Moneda mensual)
{
    if (i < 0 || i >= 6)
        return;
    MesReclamado& m = r.meses[size_t(i)];
    m.marcado = marcado;
    if (!marcado)
        m.importe = Moneda();
    else if (m.importe.EsCero())
        m.importe = mensual;
}

Moneda TotalRequerimiento(const Requerimiento& r)
{
    Moneda total;
    // An amount typed beside an unticked month is not claimed: the letter names ticked months only.
    for (const MesReclamado& m : r.meses)
        if (m.marcado)
            total += m.importe;
    for (const ConceptoReclamado& c : r.conceptos)
        total += c.importe;
    return total;
}

QString TextoCartaRequerimiento(const DatosPlantilla& d, const Requerimiento& r)
{
    const Moneda total = TotalRequerimiento(r);
    QString t = BloquePropietario(d) + u'\n';
    t += kSangria + LineaFecha(d, true) + QStringLiteral("\n\n");
    t += BloqueInquilino(d, kSangria + kSangria) + u'\n';
    t += kSangria + QStringLiteral("Muy Sr. mío:\n\n");
    t += kSangria + QStringLiteral("Me dirijo a usted, en relación con el contrato  de arrendamiento ")
       + SituacionPiso(d, true) + QStringLiteral(", de fecha ") + FechaEnLetras(d.fecha) + QStringLiteral(", ")
       + Reclamado(r) + QStringLiteral("que ascienda en total a la suma de ") + ImporteEnLetras(total)
       + QStringLiteral(" (") + MonedaATexto(total)
       + QStringLiteral("). así como de las sucesivas cantidades que fueren venciendo.\n\n");
    t += kSangria + QStringLiteral("Le informamos que no podemos mantener por mas tiempo esta deuda con usted, y que si"
                                   " en el plazo de diez días no nos ha abonado la citada cantidad nos veremos obligados"
                                   " a su reclamación por la via judicial, sin mas aviso por nuestra parte.\n\n");
    t += kSangria + QStringLiteral("Atentamente.\n\n");
    t += kSangria + kSangria + d.propietario.nombre.trimmed() + u'\n';
    return FinesCrLf(t);
}
