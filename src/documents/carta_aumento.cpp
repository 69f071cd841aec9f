#include "documents/carta_aumento.h"

#include "data/record_sets.h"
#include "documents/cartas.h"
#include "documents/texto_plano.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/impuestos.h"
#include "util/letras.h"

namespace {

constexpr int kDigitosEnteros = 6;

Moneda Revisado(Moneda antiguo, qint64 factor)
{
    return RedondearCentimos(MultiplicarDividir(antiguo, factor, 10000));
}

QString Regla()
{
    return QStringLiteral("  ") + QString(60, QChar(0x2014)) + u'\n';
}

QString NombreConcepto(const QString& nombre, int n)
{
    return nombre.trimmed().isEmpty() ? QStringLiteral("Concepto %1").arg(n) : nombre.trimmed();
}

}  // namespace

IndiceIpc LeerIndiceIpc(const QString& texto)
{
    QString entero, decimales;
    bool separador = false, negativo = false, digito = false;
    for (const QChar c : texto) {
        if (c >= u'0' && c <= u'9') {
            digito = true;
            if (separador)
                decimales += c;
            else if (entero.size() < kDigitosEnteros)
                entero += c;
        } else if ((c == u'.' || c == u',') && !separador) {
            separador = true;
        } else if (c == u'-' && !digito && !separador) {
            negativo = true;
        }
    }
    while (entero.size() > 1 && entero.front() == u'0')
        entero.remove(0, 1);
    if (entero.isEmpty())
        entero = QStringLiteral("0");
    decimales = (decimales + QStringLiteral("00")).left(2);
    IndiceIpc r;
    r.centesimas = entero.toLongLong() * 100 + decimales.toLongLong();
    if (negativo)
        r.centesimas = -r.centesimas;
    r.texto = (r.centesimas < 0 ? QStringLiteral("-") : QString()) + entero + u',' + decimales + QStringLiteral(" %");
    return r;
}

Aumento AbrirAumento(const DatosPlantilla& d)
{
    Aumento a;
    a.antiguo = d.importes;
    a.nuevo = d.importes;
    a.conIva = !d.importes.iva.EsCero();
    a.conIrpf = !d.importes.irpf.EsCero();
    return a;
}

Moneda BaseAumento(const Aumento& a)
{
    return a.nuevo.renta + a.nuevo.otro_importe1 + a.nuevo.otro_importe2 + a.nuevo.otro_importe3;
}

void MarcarImpuesto(Aumento& a, int tipo, bool marcado, const AjustesImpuestos& impuestos)
{
    // The same base and sign rule as the property form's tax buttons.
    if (tipo == 1) {
        a.conIva = marcado;
        a.nuevo.iva = marcado ? ImpuestoSumado(BaseAumento(a), impuestos.porcentaje1) : Moneda();
    } else if (tipo == 2) {
        a.conIrpf = marcado;
        a.nuevo.irpf = marcado ? ImpuestoRetenido(BaseAumento(a), impuestos.porcentaje2) : Moneda();
    }
}

void AplicarIndice(Aumento& a, const IndiceIpc& indice, const AjustesImpuestos& impuestos)
{
    const qint64 factor = 10000 + indice.centesimas;
    Aumento r = a;
    r.indice = indice;
    r.nuevo.renta = Revisado(a.antiguo.renta, factor);
    r.nuevo.otro_importe1 = Revisado(a.antiguo.otro_importe1, factor);
    r.nuevo.otro_importe2 = Revisado(a.antiguo.otro_importe2, factor);
    r.nuevo.otro_importe3 = Revisado(a.antiguo.otro_importe3, factor);
    MarcarImpuesto(r, 1, r.conIva, impuestos);
    MarcarImpuesto(r, 2, r.conIrpf, impuestos);
    static_cast<void>(r.nuevo.Total());   // refuses a total out of range before anything changes
    a = r;
}

void RedondearNuevos(Aumento& a)
{
    ImportesRecibo& n = a.nuevo;
    for (Moneda* m : {&n.renta, &n.otro_importe1, &n.otro_importe2, &n.otro_importe3, &n.iva, &n.irpf})
        *m = RedondearCentimos(*m);
}

std::vector<FilaAumento> FilasAumento(const DatosPlantilla& d, const Aumento& a,
                                      const AjustesImpuestos& impuestos, bool soloConImporte)
{
    const ImportesRecibo &o = a.antiguo, &n = a.nuevo;
    const FilaAumento todas[] = {
        {QStringLiteral("Renta"), o.renta, n.renta},
        {NombreConcepto(d.concepto1, 1), o.otro_importe1, n.otro_importe1},
        {NombreConcepto(d.concepto2, 2), o.otro_importe2, n.otro_importe2},
        {NombreConcepto(d.concepto3, 3), o.otro_importe3, n.otro_importe3},
        {impuestos.nombre1, o.iva, n.iva},
        {impuestos.nombre2, o.irpf, n.irpf},
    };
    std::vector<FilaAumento> r;
    for (const FilaAumento& f : todas)
        if (!soloConImporte || !f.antiguo.EsCero() || !f.nuevo.EsCero())
            r.push_back(f);
    return r;
}

QString TextoCartaAumento(const DatosPlantilla& d, const Aumento& a, const AjustesImpuestos& impuestos)
{
    const ImportesRecibo& n = a.nuevo;
    const Moneda otros = n.otro_importe1 + n.otro_importe2 + n.otro_importe3;
    QString t = BloquePropietario(d) + u'\n';
    t += kSangria + LineaFecha(d, false) + QStringLiteral("\n\n\n");
    t += BloqueInquilino(d, kSangria + kSangria) + u'\n';
    // A negative index lowers the rent: the letter says so in words rather than with a sign.
    const bool baja = a.indice.centesimas < 0;
    const QString indice = baja ? a.indice.texto.mid(1) : a.indice.texto;
    t += kSangria + QStringLiteral("Muy Señor mío, de conformidad con la cláusula referente a la prórroga del contrato de "
                                   " arrendamiento actualmente en vigor, así como al artículo 18.1 de la actual ")
       + kLeyArrendamientos
       + QStringLiteral(", y según el Índice de Precios al Consumo (IPC) facilitado por el instituto nacional de"
                        " estadística, le informamos que corresponde ")
       + (baja ? QStringLiteral("bajarle") : QStringLiteral("subirle")) + QStringLiteral(" la renta un ") + indice
       + QStringLiteral(" por lo que la nueva renta tendrá el siguiente desglose:\n\n");

    t += LineaTabla(QStringLiteral("Concepto"), QStringLiteral("     Importe")) + Regla();
    t += LineaTablaImporte(QStringLiteral("Renta Inicial"), a.antiguo.renta);
    t += LineaTablaImporte(QStringLiteral("Incremento IPC"), n.renta - a.antiguo.renta);
    t += Regla() + LineaTablaImporte(QStringLiteral("Renta Actual"), n.renta);
    if (!n.otro_importe1.EsCero() || !n.otro_importe2.EsCero() || !n.otro_importe3.EsCero())
        t += QStringLiteral("  Otros Conceptos:\n");
    const std::vector<FilaAumento> filas = FilasAumento(d, a, impuestos, false);
    for (size_t i = 1; i < filas.size(); ++i)
        if (!filas[i].nuevo.EsCero())
            t += LineaTablaImporte(filas[i].concepto, filas[i].nuevo);
    t += Regla() + LineaTablaImporte(QStringLiteral("TOTAL"), n.Total()) + u'\n';

    t += kSangria + QStringLiteral("La nueva renta será de ") + ImporteEnLetras(n.renta);
    bool desglose = false;
    if (!otros.EsCero()) {
        t += QStringLiteral(", mas ") + ImporteEnLetras(otros) + QStringLiteral(" por otros conceptos");
        desglose = true;
    }
    if (!n.iva.EsCero()) {
        t += QStringLiteral(", mas ") + ImporteEnLetras(n.iva) + QStringLiteral(" por IVA");
        desglose = true;
    }
    if (!n.irpf.EsCero()) {
        t += QStringLiteral(", ") + ImporteEnLetras(n.irpf) + QStringLiteral(" por IRPF");
        desglose = true;
    }
    if (desglose)
        t += QStringLiteral(", que suma un total de ") + ImporteEnLetras(n.Total());
    t += QStringLiteral(".\n\n");
    t += kSangria + QStringLiteral("Todo ello conforme a la actual ") + kLeyArrendamientos + QStringLiteral(".\n\n");
    t += kSangria + QStringLiteral("Aprovechando el momento para saludarle atentamente.\n\n");
    t += kSangria + kSangria + d.propietario.nombre.trimmed() + u'\n';
    return FinesCrLf(t);
}

QString NotaAumento(const Aumento& a, const QDate& hoy)
{
    return QStringLiteral("- %1/%2/%3 CARTA DE AUMENTO DE %4 A %5.")
        .arg(hoy.day()).arg(hoy.month()).arg(hoy.year())
        .arg(MonedaATexto(a.antiguo.renta), MonedaATexto(a.nuevo.renta));
}

void ConfirmarAumento(Database& db, qint64 ref, const Aumento& a, const QDate& hoy)
{
    CInmuebleSet set(&db);
    if (!set.BuscarInmueble(ref))
        throw UserError(QStringLiteral("El inmueble %1 ya no existe: no se ha guardado el aumento.").arg(ref));
    set.edit();
    const ImportesRecibo& n = a.nuevo;
    set.setMoney(QStringLiteral("renta"), n.renta);
    set.setMoney(QStringLiteral("otro_importe1"), n.otro_importe1);
    set.setMoney(QStringLiteral("otro_importe2"), n.otro_importe2);
    set.setMoney(QStringLiteral("otro_importe3"), n.otro_importe3);
    set.setMoney(QStringLiteral("irpf"), n.irpf);
    set.setMoney(QStringLiteral("iva"), n.iva);
    set.setText(QStringLiteral("notas"), set.text(QStringLiteral("notas")) + QStringLiteral("\r\n") + NotaAumento(a, hoy));
    set.GuardarInmueble();
}
