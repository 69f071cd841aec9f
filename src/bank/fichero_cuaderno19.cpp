#include "bank/fichero_cuaderno19.h"

#include <QDir>
#include <QStandardPaths>
#include <charconv>
#include <cstring>
#include <stdexcept>

#include "util/cp1252.h"
#include "util/cuentas.h"
#include "util/formato.h"
#include "util/letras.h"
#include "util/nif.h"
#include "util/texto.h"
#include "data/archivo_atomico.h"
#include "util/errores.h"


namespace {

constexpr qint64 kMaxCentimos = 9'999'999'999;   // what N(10) can hold
constexpr int kAnchoImporte = 10;

QString N(const QString& s, int ancho)
{
    return RellenarCeros(s, ancho);
}

QString N(qint64 n, int ancho)
{
    return RellenarCeros(QString::number(n), ancho);
}

QString A(const QString& s, int ancho)
{
    return AjustarIzquierda(s, ancho);
}

QString Fecha(const QDate& d)
{
    return d.toString(QStringLiteral("ddMMyy"));
}

// Records are written into fixed buffers: ten thousand receipts must take well under a
// tenth of a second.
char* Izq(char* p, const char* s, qsizetype n, int w)
{
    const qsizetype k = qMin<qsizetype>(n, w);
    memcpy(p, s, size_t(k));
    memset(p + k, ' ', size_t(w - k));
    return p + w;
}

char* Izq(char* p, const QByteArray& s, int w)
{
    return Izq(p, s.constData(), s.size(), w);
}

char* Ceros(char* p, const char* s, qsizetype n, int w)
{
    if (n >= w)
        return static_cast<char*>(memcpy(p, s + n - w, size_t(w))) + w;
    memset(p, '0', size_t(w - n));
    memcpy(p + w - n, s, size_t(n));
    return p + w;
}

char* Ceros(char* p, const QByteArray& s, int w)
{
    return Ceros(p, s.constData(), s.size(), w);
}

// A short text on the stack: a number or an amount.
struct Corto {
    char c[32];
    int n = 0;
};

Corto Numero(qint64 v)
{
    Corto r;
    r.n = int(std::to_chars(r.c, r.c + sizeof r.c, v).ptr - r.c);
    return r;
}

char* Ceros(char* p, qint64 v, int w)
{
    const Corto t = Numero(v);
    return Ceros(p, t.c, t.n, w);
}

char* Izq(char* p, const Corto& t, int w)
{
    return Izq(p, t.c, t.n, w);
}

// The amount exactly as MonedaATexto writes it, without its allocations.
Corto Importe(Moneda m)
{
    qint64 c = RedondearCentimos(m).Diezmilesimas() / Moneda::kPorCentimo;
    const bool negativo = m.Diezmilesimas() < 0;   // -0,004 reads -0,00
    if (negativo)
        c = -c;
    char al_reves[32];
    int k = 0;
    al_reves[k++] = char('0' + c % 10);
    c /= 10;
    al_reves[k++] = char('0' + c % 10);
    c /= 10;
    al_reves[k++] = ',';
    int grupo = 0;
    do {
        if (grupo == 3) {
            al_reves[k++] = '.';
            grupo = 0;
        }
        al_reves[k++] = char('0' + c % 10);
        c /= 10;
        ++grupo;
    } while (c > 0);
    if (negativo)
        al_reves[k++] = '-';
    Corto r;
    while (k > 0)
        r.c[r.n++] = al_reves[--k];
    return r;
}

QByteArray Bytes(const QString& s)
{
    return AdaptadoACp1252(s);
}

bool SoloCifras(const QString& s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Why the bank would reject this account, or empty when it can be used.
QString ProblemaCuenta(const QString& banco, const QString& sucursal, const QString& dc,
                       const QString& ccc)
{
    if (banco.isEmpty() && sucursal.isEmpty() && dc.isEmpty() && ccc.isEmpty())
        return QStringLiteral("no tiene cuenta bancaria");
    if (dc == QLatin1String("**"))
        return QStringLiteral("la cuenta bancaria no superó la comprobación (dígitos de control **)");
    if (banco.isEmpty() || sucursal.isEmpty() || dc.isEmpty() || ccc.isEmpty())
        return QStringLiteral("la cuenta bancaria está incompleta");
    if (banco.size() > 4 || sucursal.size() > 4 || dc.size() > 2 || ccc.size() > 10)
        return QStringLiteral("la cuenta bancaria no tiene la longitud correcta");
    if (!SoloCifras(banco) || !SoloCifras(sucursal) || !SoloCifras(dc) || !SoloCifras(ccc))
        return QStringLiteral("la cuenta bancaria contiene caracteres que no son cifras");
    if (!ValidarCcc(banco, sucursal, dc, ccc))
        return QStringLiteral("los dígitos de control de la cuenta bancaria no son correctos");
    return QString();
}

}  // namespace

QString ProblemaPresentador(const QString& nombre, const QString& documento)
{
    const QString n = nombre.trimmed();
    if (n.isEmpty())
        return QStringLiteral("El propietario no tiene nombre; no se puede generar el fichero del banco.");
    if (NormalizarDocumento(documento).isEmpty())
        return QStringLiteral("El propietario %1 no tiene NIF; escríbalo en su ficha antes de generar "
                              "el fichero del banco.").arg(n);
    // The bank refuses a file whose presenter is not identified by a real NIF, NIE or CIF.
    if (!DocumentoValido(documento))
        return QStringLiteral("El NIF %1 del propietario %2 no es un NIF, NIE ni CIF válido; corríjalo "
                              "en su ficha antes de generar el fichero del banco.")
            .arg(documento.trimmed(), n);
    return QString();
}

QString ProblemaTotalCentimos(qint64 centimos, Moneda total)
{
    if (centimos == 0)
        return QStringLiteral("el total es cero");
    if (centimos < 0)
        return QStringLiteral("el total es negativo (%1)").arg(MonedaATexto(total));
    return QString();
}

QString ReciboExcluido::Texto() const
{
    return QStringLiteral("Recibo %1 (%2, %3): %4").arg(ref).arg(codref.trimmed(),
                                                             nom_arrendatario.trimmed(), motivo);
}

int CFicheroCuaderno19::SufijoEfectivo(int sufijo)
{
    return sufijo >= 0 && sufijo <= 999 ? sufijo : 1;
}

CFicheroCuaderno19::CFicheroCuaderno19(const QString& nombre, const QString& documento,
                                       const QString& banco, const QString& sucursal,
                                       const QString& dc, const QString& ccc,
                                       const QDate& creacion, const QDate& cargo,
                                       const AjustesBanco& ajustes)
    : m_nombre(AdaptarCp1252(nombre.trimmed())),
      m_documento(AdaptarCp1252(NormalizarDocumento(documento))),
      m_banco(banco.trimmed()),
      m_sucursal(sucursal.trimmed()),
      m_dc(dc.trimmed()),
      m_ccc(ccc.trimmed()),
      m_creacion(creacion),
      m_cargo(cargo),
      m_sufijo(SufijoEfectivo(ajustes.sufijo)),
      m_impuesto1(Bytes(ajustes.impuestos.nombre1)),
      m_impuesto2(Bytes(ajustes.impuestos.nombre2))
{
    const QString presentador = ProblemaPresentador(m_nombre, documento);
    if (!presentador.isEmpty())
        throw UserError(presentador);
    // The credit account receives every debit: a bad one makes the bank refuse the whole file.
    const QString problema = ProblemaCuenta(m_banco, m_sucursal, m_dc, m_ccc);
    if (!problema.isEmpty())
        throw UserError(QStringLiteral("No se puede generar el fichero del banco: la cuenta de abono "
                                       "del propietario %1: %2. Corríjala en la ficha del "
                                       "propietario.").arg(m_nombre, problema));
    if (!m_creacion.isValid() || !m_cargo.isValid())
        throw UserError(QStringLiteral("Las fechas de creación y de cargo del fichero del banco "
                                       "deben ser fechas válidas."));

    QString cabecera = QStringLiteral("5180") + N(m_documento, 9) + N(m_sufijo, 3) +
                          Fecha(m_creacion) + Espacios(6) + A(m_nombre, 40) + Espacios(20) +
                          A(m_banco, 4) + N(m_sucursal, 4) + Espacios(66);
    Registro(ACp1252(cabecera));
    QString ordenante = QStringLiteral("5380") + N(m_documento, 9) + N(m_sufijo, 3) +
                        Fecha(m_creacion) + Fecha(m_cargo) + A(m_nombre, 40) + N(m_banco, 4) +
                        N(m_sucursal, 4) + N(m_dc, 2) + N(m_ccc, 10) + Espacios(8) +
                        QStringLiteral("01") + Espacios(64);
    Registro(ACp1252(ordenante));
    m_cabecera = ACp1252(N(m_documento, 9) + N(m_sufijo, 3));
}

void CFicheroCuaderno19::Registro(const QByteArray& r)
{
    if (r.size() != kAnchoRegistro)
        throw std::logic_error("registro del fichero del banco de longitud incorrecta");
    m_texto += r;
    m_texto += "\r\n";
}

QString CFicheroCuaderno19::Cabecera(const char* codigo) const
{
    return QLatin1String(codigo) + N(m_documento, 9) + N(m_sufijo, 3);
}

void CFicheroCuaderno19::Concepto(const ReciboBanco& r, char* t) const
{
    const qint64 dia = r.fecha_facturacion.toJulianDay();
    if (dia != m_diaRenta) {
        m_diaRenta = dia;
        m_etiquetaRenta = "Renta " +
                          NombreMesMayusculas(r.fecha_facturacion.month()).toLatin1() +
                          " del " +
                          EnteroConPuntos(r.fecha_facturacion.year()).toLatin1();
    }
    const struct { Moneda importe; const QString* etiqueta; const QByteArray* bytes; } lineas[] = {
        {r.renta, nullptr, &m_etiquetaRenta},
        {r.otro_importe1, &r.otro_concepto1, nullptr},
        {r.otro_importe2, &r.otro_concepto2, nullptr},
        {r.otro_importe3, &r.otro_concepto3, nullptr},
        {r.iva, nullptr, &m_impuesto1},
        {r.irpf, nullptr, &m_impuesto2},
    };
    char* p = t;
    for (const auto& l : lineas)
        if (!l.importe.EsCero()) {
            p = Izq(p, l.bytes ? *l.bytes : Bytes(*l.etiqueta), 70);
            p = Izq(p, Importe(l.importe), kAnchoImporte);
        }
    p = Izq(p, "TOTAL", 5, 70);
    p = Izq(p, Importe(r.Total()), kAnchoImporte);
    char pie[128];
    char* q = Izq(pie, " Numero Recibo=", 15, 15);
    q = Izq(q, Numero(r.numero_recibo), 7);
    q = Izq(q, "|Codigo Cliente=", 16, 16);
    q = Izq(q, Bytes(r.codref), 12);
    q = Izq(q, "|RefRec=", 8, 8);
    const Corto ref = Numero(r.ref);
    q = Izq(q, ref, ref.n);
    p = Izq(p, pie, q - pie, 80);
    memset(p, ' ', size_t(t + kAnchoConcepto - p));
}

QString CFicheroCuaderno19::TextoConcepto(const ReciboBanco& r) const
{
    char t[kAnchoConcepto];
    Concepto(r, t);
    return DesdeCp1252(QByteArray(t, kAnchoConcepto));
}

QString CFicheroCuaderno19::LineaListado(const ReciboBanco& r)
{
    const QString inicio = A(AdaptarCp1252(r.codref), 12) + QStringLiteral("  ") +
                           A(AdaptarCp1252(r.nom_arrendatario), 40) + QStringLiteral("  ") +
                           N(r.banco.trimmed(), 4) + u' ' + N(r.sucursal.trimmed(), 4) + u' ' +
                           N(r.dc.trimmed(), 2) + u' ' + N(r.ccc.trimmed(), 10) + QStringLiteral("  ");
    return JuntarDerecha(inicio, MonedaATexto(r.Total()), kAnchoImporte) + QStringLiteral("\r\n");
}

QString CFicheroCuaderno19::MotivoExclusion(const ReciboBanco& r, qint64 centimos) const
{
    const QString cuenta =
        ProblemaCuenta(r.banco.trimmed(), r.sucursal.trimmed(), r.dc.trimmed(), r.ccc.trimmed());
    if (!cuenta.isEmpty())
        return cuenta;
    // Neither a zero debit nor a "-" among the digits of an amount field.
    const QString total = ProblemaTotalCentimos(centimos, r.Total());
    if (!total.isEmpty())
        return total;
    // Every amount is also written as text in a field of ten: a wider one would be cut.
    for (Moneda m : {r.renta, r.otro_importe1, r.otro_importe2, r.otro_importe3, r.iva, r.irpf,
                     r.Total()})
        if (Importe(m).n > kAnchoImporte)
            return QStringLiteral("el importe %1 no cabe en el fichero del banco (como máximo "
                                  "999.999,99)").arg(MonedaATexto(m));
    if (Centimos(m_total) + centimos > kMaxCentimos)
        return QStringLiteral("el total de la remesa pasaría de 99.999.999,99; genere este recibo "
                              "en otro fichero");
    return QString();
}

bool CFicheroCuaderno19::AnadirRecibo(const ReciboBanco& r)
{
    Moneda total;
    QString motivo;
    try {
        total = r.Total();
    } catch (const std::exception&) {
        motivo = QStringLiteral("la suma de sus importes no se puede calcular");
    }
    const qint64 centimos = Centimos(total);
    if (motivo.isEmpty())
        motivo = MotivoExclusion(r, centimos);
    if (!motivo.isEmpty()) {
        m_excluidos.push_back({r.ref, r.codref, r.nom_arrendatario, motivo});
        return false;
    }

    const QByteArray codref = Bytes(r.codref);
    char concepto[kAnchoConcepto];
    Concepto(r, concepto);
    const Corto ref = Numero(r.ref);

    // The seven records, each followed by CR LF, in one buffer.
    constexpr int kConSalto = kAnchoRegistro + 2;
    char buf[7 * kConSalto];
    char* p = buf;
    auto comienzo = [&](const char* codigo) {
        p = Izq(p, codigo, 4, 4);
        p = Izq(p, m_cabecera, 12);
        p = Izq(p, codref, 12);
    };
    comienzo("5680");
    p = Izq(p, Bytes(r.nom_arrendatario), 40);
    p = Ceros(p, r.banco.trimmed().toLatin1(), 4);
    p = Ceros(p, r.sucursal.trimmed().toLatin1(), 4);
    p = Ceros(p, r.dc.trimmed().toLatin1(), 2);
    p = Ceros(p, r.ccc.trimmed().toLatin1(), 10);
    p = Ceros(p, centimos, 10);
    p = Izq(p, ref, 6);
    p = Izq(p, ref, 4);
    *p++ = '/';
    p = Izq(p, Numero(r.numero_recibo), 5);
    p = Izq(p, concepto, 40, 40);
    p = Izq(p, "", 0, 8);
    p = Izq(p, "\r\n", 2, 2);
    static const char* const kOpcionales[] = {"5681", "5682", "5683", "5684", "5685", "5686"};
    for (int k = 0; k < 6; ++k) {
        comienzo(kOpcionales[k]);
        p = Izq(p, concepto + 120 * k + 40, 120, 120);
        p = Izq(p, "", 0, 14);
        p = Izq(p, "\r\n", 2, 2);
    }
    if (p != buf + sizeof buf)
        throw std::logic_error("registro del fichero del banco de longitud incorrecta");
    m_texto.append(buf, sizeof buf);

    m_total += total;
    ++m_recibos;
    m_listado.push_back(r);
    return true;
}

void CFicheroCuaderno19::Reservar(int recibos)
{
    if (recibos > 0) {
        m_texto.reserve(m_texto.size() + qsizetype(recibos) * 7 * (kAnchoRegistro + 2) +
                        2 * (kAnchoRegistro + 2));
        m_listado.reserve(m_listado.size() + size_t(recibos));
    }
}

QStringList CFicheroCuaderno19::LineasListado() const
{
    QStringList lineas;
    lineas.reserve(qsizetype(m_listado.size()));
    for (const ReciboBanco& r : m_listado)
        lineas << LineaListado(r);
    return lineas;
}

QByteArray CFicheroCuaderno19::Totales() const
{
    const qint64 centimos = Centimos(m_total);
    const QString ordenante = Cabecera("5880") + Espacios(72) + N(centimos, 10) + Espacios(6) +
                              N(m_recibos, 10) + N(RegistrosOrdenante(), 10) + Espacios(38);
    const QString general = Cabecera("5980") + Espacios(52) + QStringLiteral("0001") +
                            Espacios(16) + N(centimos, 10) + Espacios(6) + N(m_recibos, 10) +
                            N(RegistrosFichero(), 10) + Espacios(38);
    return ACp1252(ordenante) + "\r\n" + ACp1252(general);
}

QByteArray CFicheroCuaderno19::Contenido() const
{
    return m_texto + Totales();
}

void CFicheroCuaderno19::Generar(const QString& ruta) const
{
    if (m_recibos == 0)
        throw UserError(QStringLiteral("No hay domiciliaciones bancarias válidas en esta facturación"));
    if (ruta.trimmed().isEmpty())
        throw UserError(QStringLiteral("Elija el archivo donde guardar el fichero del banco."));
    // Written beside the target, synced and renamed over it only when complete.
    try {
        EscribirArchivoAtomico(ruta, Contenido());
    } catch (const UserError& e) {
        throw UserError(QStringLiteral("Error al escribir el archivo debido a: ") + e.Mensaje());
    }
}

QString CFicheroCuaderno19::NombreFicheroPropuesto(const QString& propietario, const QDate& mes)
{
    QString nombre;
    for (QChar c : propietario.trimmed()) {
        if (c.isLetterOrNumber() || c == u'-' || c == u'.')
            nombre += c;
        else if (!nombre.endsWith(u'_'))
            nombre += u'_';
    }
    while (nombre.startsWith(u'.') || nombre.startsWith(u'_'))
        nombre.remove(0, 1);
    if (nombre.isEmpty())
        nombre = QStringLiteral("propietario");
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty())
        carpeta = QDir::homePath();
    return QDir(carpeta).filePath(QStringLiteral("Remesa_%1_%2.pr1")
                                      .arg(nombre, mes.toString(QStringLiteral("yyyy-MM"))));
}
