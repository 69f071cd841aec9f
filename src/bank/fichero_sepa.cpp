#include "bank/fichero_sepa.h"

#include <QDir>
#include <QHash>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QXmlStreamWriter>

#include "data/archivo_atomico.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/iban.h"
#include "util/letras.h"
#include "util/texto_sepa.h"

namespace {

const QString kEspacioNombres = QStringLiteral("urn:iso:std:iso:20022:tech:xsd:pain.008.001.02");
constexpr qint64 kMaxCentimos = 99'999'999'999;   // 999.999.999,99, the schema's ceiling
constexpr int kMaxNombre = 70;

QString Fecha(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

// Why a name cannot go in the file: a character outside the SEPA set, or too long.
QString ProblemaNombre(const QString& quien, const QString& nombre)
{
    if (nombre.trimmed().isEmpty())
        return QStringLiteral("%1 no tiene nombre").arg(quien);
    const QChar c = CaracterNoSepa(nombre);
    if (!c.isNull())
        return QStringLiteral("el nombre %1 «%2» contiene el carácter «%3», que el banco no admite; "
                              "cámbielo en la ficha").arg(quien, nombre.trimmed(), QString(c));
    if (nombre.trimmed().size() > kMaxNombre)
        return QStringLiteral("el nombre %1 tiene más de %2 caracteres").arg(quien).arg(kMaxNombre);
    return QString();
}

QString ProblemaCuentaSepa(const QString& iban, const QString& bic)
{
    if (iban.trimmed().isEmpty())
        return QStringLiteral("no tiene IBAN");
    const QString p = ProblemaIban(iban);
    if (!p.isEmpty())
        return p;
    if (!bic.trimmed().isEmpty() && !ValidarBic(bic))
        return QStringLiteral("el BIC %1 no es válido (8 u 11 letras y cifras)").arg(bic.trimmed());
    return QString();
}

QStringList ProblemasDebito(const DebitoSepa& d, const QDate& cargo)
{
    QStringList r;
    auto poner = [&r](const QString& m) {
        if (!m.isEmpty())
            r << m;
    };
    poner(ProblemaNombre(QStringLiteral("del inquilino"), d.recibo.nom_arrendatario));
    poner(ProblemaCuentaSepa(d.iban, d.bic));
    if (d.mandato_ref.trimmed().isEmpty()) {
        r << QStringLiteral("no tiene referencia de mandato; póngala en la ficha del inmueble");
    } else {
        const QString p = ProblemaIdentificadorSepa(d.mandato_ref.trimmed());
        if (!p.isEmpty())
            r << QStringLiteral("la referencia de mandato «%1» %2").arg(d.mandato_ref.trimmed(), p);
    }
    if (!d.mandato_fecha.isValid())
        r << QStringLiteral("no tiene la fecha de firma del mandato");
    else if (cargo.isValid() && d.mandato_fecha > cargo)
        r << QStringLiteral("el mandato se firmó el %1, después de la fecha de cargo %2")
                 .arg(Fecha(d.mandato_fecha), Fecha(cargo));
    if (!d.cerradoPor.isEmpty())
        r << QStringLiteral("el mandato %1 quedó cerrado por un cobro %2 anterior; hace falta un "
                            "mandato nuevo").arg(d.mandato_ref.trimmed(), d.cerradoPor);
    try {
        const qint64 c = CFicheroCuaderno19::Centimos(d.recibo.Total());
        poner(ProblemaTotalCentimos(c, d.recibo.Total()));
        if (c > kMaxCentimos)
            r << QStringLiteral("el total %1 pasa de 999.999.999,99").arg(MonedaATexto(d.recibo.Total()));
    } catch (const std::exception&) {
        r << QStringLiteral("la suma de sus importes no se puede calcular");
    }
    if (!kSecuenciasSepa.contains(d.secuencia))
        r << QStringLiteral("no tiene tipo de adeudo (FRST, RCUR, FNAL u OOFF)");
    return r;
}

void Elemento(QXmlStreamWriter& x, const QString& nombre, const QString& texto)
{
    x.writeTextElement(nombre, texto);
}

// <Nombre><FinInstnId><BIC>..</BIC></FinInstnId></Nombre>, or Othr/Id NOTPROVIDED without a BIC.
void Agente(QXmlStreamWriter& x, const QString& nombre, const QString& bic)
{
    x.writeStartElement(nombre);
    x.writeStartElement(QStringLiteral("FinInstnId"));
    if (bic.trimmed().isEmpty()) {
        x.writeStartElement(QStringLiteral("Othr"));
        Elemento(x, QStringLiteral("Id"), QStringLiteral("NOTPROVIDED"));
        x.writeEndElement();
    } else {
        Elemento(x, QStringLiteral("BIC"), NormalizarBic(bic));
    }
    x.writeEndElement();
    x.writeEndElement();
}

void Cuenta(QXmlStreamWriter& x, const QString& nombre, const QString& iban)
{
    x.writeStartElement(nombre);
    x.writeStartElement(QStringLiteral("Id"));
    Elemento(x, QStringLiteral("IBAN"), NormalizarIban(iban));
    x.writeEndElement();
    x.writeEndElement();
}

QString Nombre(const QString& n)
{
    return TransliterarSepa(n.trimmed());
}

}  // namespace

QStringList ComprobarRemesaSepa(const AcreedorSepa& a, const std::vector<DebitoSepa>& debitos,
                                const QDate& cargo, const QDate& hoy)
{
    QStringList r;
    const QString propietario = QStringLiteral("Propietario %1: ").arg(a.nombre.trimmed());
    const QString presentador = ProblemaPresentador(a.nombre, a.documento_numero);
    if (!presentador.isEmpty())
        r << presentador;
    else if (const QString n = ProblemaNombre(QStringLiteral("del propietario"), a.nombre); !n.isEmpty())
        r << propietario + n;
    if (const QString c = ProblemaCuentaSepa(a.iban, a.bic); !c.isEmpty())
        r << propietario + QStringLiteral("la cuenta de abono: ") + c;
    if (a.id_acreedor.trimmed().isEmpty())
        r << propietario + QStringLiteral("no tiene identificador de acreedor; póngalo en su ficha "
                                          "(se propone a partir del NIF)");
    else if (!ValidarIdentificadorAcreedor(a.id_acreedor))
        r << propietario + QStringLiteral("el identificador de acreedor %1 no es válido").arg(a.id_acreedor.trimmed());
    if (!cargo.isValid() || cargo <= hoy)
        r << QStringLiteral("La fecha de cargo %1 debe ser posterior a hoy (%2).")
                 .arg(cargo.isValid() ? Fecha(cargo) : QStringLiteral("(vacía)"), Fecha(hoy));

    // A mandate reference names one debtor of this creditor.
    QHash<QString, QString> inmueblePorMandato;
    for (const DebitoSepa& d : debitos) {
        QStringList motivos = ProblemasDebito(d, cargo);
        const QString ref = d.mandato_ref.trimmed();
        const QString inmueble = (d.direccion.trimmed() + u' ' + d.piso.trimmed()).trimmed();
        if (!ref.isEmpty()) {
            const auto it = inmueblePorMandato.constFind(ref);
            if (it == inmueblePorMandato.constEnd())
                inmueblePorMandato.insert(ref, inmueble);
            else if (it.value().compare(inmueble, Qt::CaseInsensitive) != 0)
                motivos << QStringLiteral("la referencia de mandato %1 es también la del inmueble %2; "
                                          "cada inquilino necesita la suya").arg(ref, it.value());
        }
        for (const QString& m : motivos)
            r << ReciboExcluido{d.recibo.ref, d.recibo.codref, d.recibo.nom_arrendatario, m}.Texto();
    }
    return r;
}

CFicheroSepa::CFicheroSepa(const AcreedorSepa& acreedor, std::vector<DebitoSepa> debitos,
                           const QDateTime& creacion, const QDate& cargo)
    : m_acreedor(acreedor), m_debitos(std::move(debitos)), m_creacion(creacion), m_cargo(cargo)
{
    if (m_debitos.empty())
        throw UserError(QStringLiteral("No hay domiciliaciones bancarias válidas en esta facturación"));
    const QStringList problemas = ComprobarRemesaSepa(m_acreedor, m_debitos, m_cargo, m_creacion.date());
    if (!problemas.isEmpty())
        throw UserError(QStringLiteral("No se ha generado el fichero SEPA:\n") + problemas.join(u'\n'));
    for (const DebitoSepa& d : m_debitos)
        m_centimos += CFicheroCuaderno19::Centimos(d.recibo.Total());
    m_msgId = NuevoMsgId(m_creacion);
}

QString CFicheroSepa::Importe(qint64 centimos)
{
    return QStringLiteral("%1.%2").arg(centimos / 100).arg(centimos % 100, 2, 10, QLatin1Char('0'));
}

QString CFicheroSepa::NuevoMsgId(const QDateTime& creacion)
{
    // Milliseconds and 32 random bits: two files in the same second never share it.
    return QStringLiteral("RTV-%1-%2")
        .arg(creacion.toString(QStringLiteral("yyyyMMddHHmmsszzz")))
        .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'))
        .toUpper();
}

QString CFicheroSepa::TextoRemesa(const DebitoSepa& d)
{
    const ReciboBanco& r = d.recibo;
    const qint64 numero = r.numero_recibo > 0 ? r.numero_recibo : r.ref;
    const QString mes = r.fecha_facturacion.isValid()
                            ? NombreMesMayusculas(r.fecha_facturacion.month()) + u' ' +
                                  QString::number(r.fecha_facturacion.year())
                            : QString();
    return TextoLibreSepa(QStringLiteral("Recibo %1 %2 %3 %4").arg(numero).arg(mes, d.direccion, d.piso), 140);
}

QByteArray CFicheroSepa::Contenido() const
{
    QByteArray salida;
    salida.reserve(qsizetype(m_debitos.size()) * 1200 + 4096);
    QXmlStreamWriter x(&salida);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("Document"));
    x.writeDefaultNamespace(kEspacioNombres);
    x.writeStartElement(QStringLiteral("CstmrDrctDbtInitn"));

    const QString nombre = Nombre(m_acreedor.nombre);
    const QString id = NormalizarIban(m_acreedor.id_acreedor);
    x.writeStartElement(QStringLiteral("GrpHdr"));
    Elemento(x, QStringLiteral("MsgId"), m_msgId);
    Elemento(x, QStringLiteral("CreDtTm"), m_creacion.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    Elemento(x, QStringLiteral("NbOfTxs"), QString::number(m_debitos.size()));
    Elemento(x, QStringLiteral("CtrlSum"), Importe(m_centimos));
    x.writeStartElement(QStringLiteral("InitgPty"));
    Elemento(x, QStringLiteral("Nm"), nombre);
    x.writeStartElement(QStringLiteral("Id"));
    x.writeStartElement(QStringLiteral("OrgId"));
    x.writeStartElement(QStringLiteral("Othr"));
    Elemento(x, QStringLiteral("Id"), id);
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement();   // GrpHdr

    for (const QString& secuencia : kSecuenciasSepa) {
        qint64 centimos = 0;
        int n = 0;
        for (const DebitoSepa& d : m_debitos)
            if (d.secuencia == secuencia) {
                centimos += CFicheroCuaderno19::Centimos(d.recibo.Total());
                ++n;
            }
        if (n == 0)
            continue;
        x.writeStartElement(QStringLiteral("PmtInf"));
        Elemento(x, QStringLiteral("PmtInfId"), m_msgId + u'-' + secuencia);
        Elemento(x, QStringLiteral("PmtMtd"), QStringLiteral("DD"));
        Elemento(x, QStringLiteral("NbOfTxs"), QString::number(n));
        Elemento(x, QStringLiteral("CtrlSum"), Importe(centimos));
        x.writeStartElement(QStringLiteral("PmtTpInf"));
        x.writeStartElement(QStringLiteral("SvcLvl"));
        Elemento(x, QStringLiteral("Cd"), QStringLiteral("SEPA"));
        x.writeEndElement();
        x.writeStartElement(QStringLiteral("LclInstrm"));
        Elemento(x, QStringLiteral("Cd"), QStringLiteral("CORE"));
        x.writeEndElement();
        Elemento(x, QStringLiteral("SeqTp"), secuencia);
        x.writeEndElement();
        Elemento(x, QStringLiteral("ReqdColltnDt"), m_cargo.toString(Qt::ISODate));
        x.writeStartElement(QStringLiteral("Cdtr"));
        Elemento(x, QStringLiteral("Nm"), nombre);
        x.writeEndElement();
        Cuenta(x, QStringLiteral("CdtrAcct"), m_acreedor.iban);
        Agente(x, QStringLiteral("CdtrAgt"), m_acreedor.bic);
        Elemento(x, QStringLiteral("ChrgBr"), QStringLiteral("SLEV"));
        x.writeStartElement(QStringLiteral("CdtrSchmeId"));
        x.writeStartElement(QStringLiteral("Id"));
        x.writeStartElement(QStringLiteral("PrvtId"));
        x.writeStartElement(QStringLiteral("Othr"));
        Elemento(x, QStringLiteral("Id"), id);
        x.writeStartElement(QStringLiteral("SchmeNm"));
        Elemento(x, QStringLiteral("Prtry"), QStringLiteral("SEPA"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();

        for (const DebitoSepa& d : m_debitos) {
            if (d.secuencia != secuencia)
                continue;
            x.writeStartElement(QStringLiteral("DrctDbtTxInf"));
            x.writeStartElement(QStringLiteral("PmtId"));
            Elemento(x, QStringLiteral("EndToEndId"), QString::number(d.recibo.ref));
            x.writeEndElement();
            x.writeStartElement(QStringLiteral("InstdAmt"));
            x.writeAttribute(QStringLiteral("Ccy"), QStringLiteral("EUR"));
            x.writeCharacters(Importe(CFicheroCuaderno19::Centimos(d.recibo.Total())));
            x.writeEndElement();
            x.writeStartElement(QStringLiteral("DrctDbtTx"));
            x.writeStartElement(QStringLiteral("MndtRltdInf"));
            Elemento(x, QStringLiteral("MndtId"), d.mandato_ref.trimmed());
            Elemento(x, QStringLiteral("DtOfSgntr"), d.mandato_fecha.toString(Qt::ISODate));
            if (!d.ibanAnterior.isEmpty()) {
                // A new account under the same mandate: the old IBAN when the bank is the same,
                // else "same mandate, new debtor agent".
                Elemento(x, QStringLiteral("AmdmntInd"), QStringLiteral("true"));
                x.writeStartElement(QStringLiteral("AmdmntInfDtls"));
                x.writeStartElement(QStringLiteral("OrgnlDbtrAcct"));
                x.writeStartElement(QStringLiteral("Id"));
                const QString entidad = EntidadIban(d.ibanAnterior);
                if (!entidad.isEmpty() && entidad == EntidadIban(d.iban)) {
                    Elemento(x, QStringLiteral("IBAN"), NormalizarIban(d.ibanAnterior));
                } else {
                    x.writeStartElement(QStringLiteral("Othr"));
                    Elemento(x, QStringLiteral("Id"), QStringLiteral("SMNDA"));
                    x.writeEndElement();
                }
                x.writeEndElement();
                x.writeEndElement();
                x.writeEndElement();
            }
            x.writeEndElement();
            x.writeEndElement();
            Agente(x, QStringLiteral("DbtrAgt"), d.bic);
            x.writeStartElement(QStringLiteral("Dbtr"));
            Elemento(x, QStringLiteral("Nm"), Nombre(d.recibo.nom_arrendatario));
            x.writeEndElement();
            Cuenta(x, QStringLiteral("DbtrAcct"), d.iban);
            const QString texto = TextoRemesa(d);
            if (!texto.isEmpty()) {
                x.writeStartElement(QStringLiteral("RmtInf"));
                Elemento(x, QStringLiteral("Ustrd"), texto);
                x.writeEndElement();
            }
            x.writeEndElement();   // DrctDbtTxInf
        }
        x.writeEndElement();   // PmtInf
    }
    x.writeEndDocument();
    return salida;
}

void CFicheroSepa::Generar(const QString& ruta) const
{
    if (ruta.trimmed().isEmpty())
        throw UserError(QStringLiteral("Elija el archivo donde guardar el fichero SEPA."));
    try {
        EscribirArchivoAtomico(ruta, Contenido());
    } catch (const UserError& e) {
        throw UserError(QStringLiteral("Error al escribir el archivo debido a: ") + e.Mensaje());
    }
}

DatosListadoRemesa CFicheroSepa::DatosListado() const
{
    QStringList lineas;
    lineas.reserve(qsizetype(m_debitos.size()));
    for (const DebitoSepa& d : m_debitos) {
        const ReciboBanco& r = d.recibo;
        const QString inicio = AjustarIzquierda(r.codref, 12) + QStringLiteral("  ") +
                               AjustarIzquierda(r.nom_arrendatario, 40) + QStringLiteral("  ") +
                               AjustarIzquierda(NormalizarIban(d.iban), 24) + QStringLiteral("  ");
        lineas << JuntarDerecha(inicio, MonedaATexto(r.Total()), 10) + QStringLiteral("\r\n");
    }
    return {QStringLiteral("GESTIÓN DE RECIBOS SEPA"), m_acreedor.nombre.trimmed(),
            QStringLiteral("Id. Acreedor= ") + NormalizarIban(m_acreedor.id_acreedor),
            IbanAgrupado(m_acreedor.iban), m_creacion.date(), m_cargo, Total(), NumeroRecibos(), lineas};
}

QString CFicheroSepa::NombreFicheroPropuesto(const QString& propietario, const QDate& mes)
{
    QString c19 = CFicheroCuaderno19::NombreFicheroPropuesto(propietario, mes);
    c19.chop(4);   // ".pr1"
    return c19 + QStringLiteral(".xml");
}
