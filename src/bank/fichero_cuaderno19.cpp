#include "bank/fichero_cuaderno19.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <stdexcept>

#include "app/ajustes.h"
#include "bank/cp1252.h"
#include "bank/formato_banco.h"
#include "util/errores.h"

using formato_banco::AjustarDerecha;
using formato_banco::AjustarIzquierda;
using formato_banco::RellenarCeros;

namespace {

constexpr qint64 kMaxCentimos = 9'999'999'999;   // what N(10) can hold
constexpr int kAnchoImporte = 10;

QString Espacios(int n)
{
    return QString(n, u' ');
}

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
    if (formato_banco::CalcularDC(banco, sucursal, ccc) != N(dc, 2))
        return QStringLiteral("los dígitos de control de la cuenta bancaria no son correctos");
    return QString();
}

}  // namespace

QString ReciboExcluido::Texto() const
{
    return QStringLiteral("Recibo %1 (%2, %3): %4").arg(ref).arg(codref.trimmed(),
                                                             nom_arrendatario.trimmed(), motivo);
}

int CFicheroCuaderno19::SufijoEfectivo(int sufijo)
{
    if (sufijo == -1)
        sufijo = LeerEntero(ajustes::kRecibo, ajustes::kSufijo, ajustes::kSufijoPorDefecto);
    return sufijo >= 0 && sufijo <= 999 ? sufijo : 1;
}

CFicheroCuaderno19::CFicheroCuaderno19(const QString& nombre, const QString& documento,
                                       const QString& banco, const QString& sucursal,
                                       const QString& dc, const QString& ccc,
                                       const QDate& creacion, const QDate& cargo, int sufijo)
    : m_nombre(AdaptarCp1252(nombre.trimmed())),
      m_documento(AdaptarCp1252(documento.trimmed())),
      m_banco(banco.trimmed()),
      m_sucursal(sucursal.trimmed()),
      m_dc(dc.trimmed()),
      m_ccc(ccc.trimmed()),
      m_creacion(creacion),
      m_cargo(cargo),
      m_sufijo(SufijoEfectivo(sufijo)),
      m_impuesto1(AdaptarCp1252(NombreImpuesto1())),
      m_impuesto2(AdaptarCp1252(NombreImpuesto2()))
{
    if (m_nombre.isEmpty())
        throw UserError(QStringLiteral("El propietario no tiene nombre; no se puede generar el "
                                       "fichero del banco."));
    if (m_documento.isEmpty())
        throw UserError(QStringLiteral("El propietario %1 no tiene NIF; escríbalo en su ficha antes "
                                       "de generar el fichero del banco.").arg(m_nombre));
    // The credit account receives every debit: a bad one makes the bank refuse the whole file.
    const QString problema = ProblemaCuenta(m_banco, m_sucursal, m_dc, m_ccc);
    if (!problema.isEmpty())
        throw UserError(QStringLiteral("No se puede generar el fichero del banco: la cuenta de abono "
                                       "del propietario %1: %2. Corríjala en la ficha del "
                                       "propietario.").arg(m_nombre, problema));
    if (!m_creacion.isValid() || !m_cargo.isValid())
        throw UserError(QStringLiteral("Las fechas de creación y de cargo del fichero del banco "
                                       "deben ser fechas válidas."));

    QString presentador = QStringLiteral("5180") + N(m_documento, 9) + N(m_sufijo, 3) +
                          Fecha(m_creacion) + Espacios(6) + A(m_nombre, 40) + Espacios(20) +
                          A(m_banco, 4) + N(m_sucursal, 4) + Espacios(66);
    Registro(presentador);
    QString ordenante = QStringLiteral("5380") + N(m_documento, 9) + N(m_sufijo, 3) +
                        Fecha(m_creacion) + Fecha(m_cargo) + A(m_nombre, 40) + N(m_banco, 4) +
                        N(m_sucursal, 4) + N(m_dc, 2) + N(m_ccc, 10) + Espacios(8) +
                        QStringLiteral("01") + Espacios(64);
    Registro(ordenante);
}

void CFicheroCuaderno19::Registro(const QString& r)
{
    if (r.size() != kAnchoRegistro)
        throw std::logic_error("registro del fichero del banco de longitud incorrecta");
    m_texto += ACp1252(r);
    m_texto += "\r\n";
}

QString CFicheroCuaderno19::Cabecera(const char* codigo) const
{
    return QLatin1String(codigo) + N(m_documento, 9) + N(m_sufijo, 3);
}

QString CFicheroCuaderno19::TextoConcepto(const ReciboBanco& r) const
{
    const QString renta = QStringLiteral("Renta ") +
                          formato_banco::NombreMesMayusculas(r.fecha_facturacion.month()) +
                          QStringLiteral(" del ") +
                          formato_banco::EnteroConPuntos(r.fecha_facturacion.year());
    const struct { Moneda importe; QString etiqueta; } lineas[] = {
        {r.renta, renta},
        {r.otro_importe1, r.otro_concepto1},
        {r.otro_importe2, r.otro_concepto2},
        {r.otro_importe3, r.otro_concepto3},
        {r.iva, m_impuesto1},
        {r.irpf, m_impuesto2},
    };
    QString t;
    t.reserve(kAnchoConcepto);
    for (const auto& l : lineas)
        if (!l.importe.EsCero())
            t += A(AdaptarCp1252(l.etiqueta), 70) +
                 A(formato_banco::MonedaATexto(l.importe), kAnchoImporte);
    t += A(QStringLiteral("TOTAL"), 70) + A(formato_banco::MonedaATexto(r.Total()), kAnchoImporte);
    t += A(QStringLiteral(" Numero Recibo=") + A(QString::number(r.numero_recibo), 7) +
               QStringLiteral("|Codigo Cliente=") + A(AdaptarCp1252(r.codref), 12) +
               QStringLiteral("|RefRec=") + QString::number(r.ref),
           80);
    return A(t, kAnchoConcepto);
}

QString CFicheroCuaderno19::LineaListado(const ReciboBanco& r)
{
    return A(AdaptarCp1252(r.codref), 12) + QStringLiteral("  ") +
           A(AdaptarCp1252(r.nom_arrendatario), 40) + QStringLiteral("  ") +
           N(r.banco.trimmed(), 4) + u' ' + N(r.sucursal.trimmed(), 4) + u' ' +
           N(r.dc.trimmed(), 2) + u' ' + N(r.ccc.trimmed(), 10) + QStringLiteral("  ") +
           AjustarDerecha(formato_banco::MonedaATexto(r.Total()), kAnchoImporte) +
           QStringLiteral("\r\n");
}

QString CFicheroCuaderno19::MotivoExclusion(const ReciboBanco& r, qint64 centimos) const
{
    const QString cuenta =
        ProblemaCuenta(r.banco.trimmed(), r.sucursal.trimmed(), r.dc.trimmed(), r.ccc.trimmed());
    if (!cuenta.isEmpty())
        return cuenta;
    // Neither a zero debit nor a "-" among the digits of an amount field.
    if (centimos == 0)
        return QStringLiteral("el total es cero");
    if (centimos < 0)
        return QStringLiteral("el total es negativo (%1)").arg(formato_banco::MonedaATexto(r.Total()));
    // Every amount is also written as text in a field of ten: a wider one would be cut.
    for (Moneda m : {r.renta, r.otro_importe1, r.otro_importe2, r.otro_importe3, r.iva, r.irpf,
                     r.Total()})
        if (formato_banco::MonedaATexto(m).size() > kAnchoImporte)
            return QStringLiteral("el importe %1 no cabe en el fichero del banco (como máximo "
                                  "999.999,99)").arg(formato_banco::MonedaATexto(m));
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

    const QString banco = r.banco.trimmed(), sucursal = r.sucursal.trimmed(), dc = r.dc.trimmed(),
                  ccc = r.ccc.trimmed();
    const QString codref = A(AdaptarCp1252(r.codref), 12);
    const QString concepto = TextoConcepto(r);
    const QString ref = QString::number(r.ref);

    Registro(Cabecera("5680") + codref + A(AdaptarCp1252(r.nom_arrendatario), 40) + N(banco, 4) +
             N(sucursal, 4) + N(dc, 2) + N(ccc, 10) + N(centimos, 10) + A(ref, 6) + A(ref, 4) +
             u'/' + A(QString::number(r.numero_recibo), 5) + concepto.left(40) + Espacios(8));
    static const char* const kOpcionales[] = {"5681", "5682", "5683", "5684", "5685", "5686"};
    for (int k = 0; k < 6; ++k)
        Registro(Cabecera(kOpcionales[k]) + codref + concepto.mid(120 * k + 40, 120) + Espacios(14));

    m_total += total;
    ++m_recibos;
    m_lineas << LineaListado(r);
    return true;
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
        throw UserError(QStringLiteral("No hay domiciliaciones bancarias validas en esta facturación"));
    if (ruta.trimmed().isEmpty())
        throw UserError(QStringLiteral("Elija el archivo donde guardar el fichero del banco."));
    const QByteArray datos = Contenido();
    // Written beside the target and renamed over it only when complete.
    QSaveFile f(ruta);
    const auto fallo = [&f] {
        return UserError(QStringLiteral(" Error al escribir el archivo debido a: ") + f.errorString());
    };
    if (!f.open(QIODevice::WriteOnly))
        throw fallo();
    if (f.write(datos) != datos.size()) {
        const UserError e = fallo();
        f.cancelWriting();
        throw e;
    }
    if (!f.commit())
        throw fallo();
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
