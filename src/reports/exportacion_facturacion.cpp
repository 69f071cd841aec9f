#include "reports/exportacion_facturacion.h"

#include <QStringList>
#include <algorithm>
#include <string>

#include "data/database.h"
#include "reports/salida_archivo.h"
#include "reports/seleccion_informe.h"
#include "util/cp1252.h"
#include "util/formato.h"

namespace {

const char* const kCampos[] = {
    "Numero", "Fecha", "Arrendador", "Dirección", "Arrendatario", "Doc", "Renta", "Concepto_1",
    "Importe_1", "Concepto_2", "Importe_2", "Concepto_3", "Importe_3", "IVA", "IRPF", "TOTAL",
    "Cuenta Bancaria", "Recibo Banco", "Recibo Fisico", "Numerar Recibo", "Notas"};

// Appends the value in double quotes, inner quotes doubled.
void AnadirEntrecomillado(QString& linea, QStringView valor)
{
    linea += u'"';
    qsizetype desde = 0;
    for (qsizetype i = valor.indexOf(u'"'); i >= 0; i = valor.indexOf(u'"', desde)) {
        linea += valor.mid(desde, i + 1 - desde);
        linea += u'"';
        desde = i + 1;
    }
    linea += valor.mid(desde);
    linea += u'"';
}

QString SiNo(bool v)
{
    return v ? QStringLiteral("SI") : QStringLiteral("NO");
}

// The 21 values of a receipt's line, as they read before quoting.
QStringList Valores(const ReciboInforme& r)
{
    const ImportesRecibo& m = r.importes;
    return {r.numero_recibo == 0 ? QString() : QString::number(r.numero_recibo),
            FechaMesAnio(r.fecha_facturacion), r.arrendador, r.direccion + u' ' + r.piso,
            r.nom_arrendatario, r.doc_arrendatario_tipo + u' ' + r.doc_arrendatario_num,
            MonedaATexto(m.renta), r.otro_concepto1, MonedaATexto(m.otro_importe1), r.otro_concepto2,
            MonedaATexto(m.otro_importe2), r.otro_concepto3, MonedaATexto(m.otro_importe3),
            MonedaATexto(m.iva), MonedaATexto(m.irpf), MonedaATexto(m.Total()),
            QStringLiteral("%1 %2 %3 %4").arg(r.banco, r.sucursal, r.dc, r.ccc),
            SiNo(r.is_recibo_banco), SiNo(r.is_recibo_fisico), SiNo(r.is_recibo_numerar), r.notas};
}

QString Linea(const QStringList& valores)
{
    QString linea = valores[0] + u',' + valores[1];
    linea.reserve(256);
    for (qsizetype i = 2; i < valores.size(); ++i) {
        linea += u',';
        AnadirEntrecomillado(linea, valores[i]);
    }
    return linea;
}

// The refusal of a receipt one of whose values code page 1252 cannot hold.
CaracterFueraCp1252 FueraDeCp1252(const ReciboInforme& r)
{
    const QStringList valores = Valores(r);
    for (qsizetype k = 0; k < valores.size(); ++k) {
        const QString& v = valores[k];
        for (qsizetype i = 0; i < v.size(); ++i) {
            if (ByteCp1252(v[i].unicode()) >= 0)
                continue;
            const char32_t codigo = v.mid(i, 2).toUcs4().value(0);
            return CaracterFueraCp1252(
                QStringLiteral("El recibo de %1 %2 de %3 (número %4, inquilino %5) tiene en \"%6\" el "
                               "carácter %7 (U+%8), que la página de códigos 1252 no puede guardar. "
                               "Guarde el archivo en UTF-8 o corrija el recibo.")
                    .arg(r.direccion, r.piso, FechaMesAnio(r.fecha_facturacion))
                    .arg(r.numero_recibo)
                    .arg(r.nom_arrendatario, QString::fromUtf8(kCampos[k]),
                         QString::fromUcs4(&codigo, 1),
                         QString::number(uint(codigo), 16).toUpper().rightJustified(4, u'0')));
        }
    }
    return CaracterFueraCp1252(QStringLiteral("El recibo no se puede guardar en la página de códigos 1252."));
}

// One code point of UTF-8 text at `i`, advancing `i`; -1 for a sequence that is not strict
// UTF-8 of the basic plane (those take the general path, which decides what they become).
int SiguienteCaracter(QByteArrayView t, qsizetype& i)
{
    const auto b = [&t](qsizetype k) { return static_cast<unsigned char>(t[k]); };
    const auto sigue = [&](qsizetype k) { return k < t.size() && (b(k) & 0xC0) == 0x80; };
    const unsigned char c = b(i);
    if (c < 0x80) {
        ++i;
        return c;
    }
    if (c >= 0xC2 && c <= 0xDF && sigue(i + 1)) {
        const int u = ((c & 0x1F) << 6) | (b(i + 1) & 0x3F);
        i += 2;
        return u;
    }
    if (c >= 0xE0 && c <= 0xEF && sigue(i + 1) && sigue(i + 2)) {
        const int u = ((c & 0x0F) << 12) | ((b(i + 1) & 0x3F) << 6) | (b(i + 2) & 0x3F);
        if (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF) || u == 0xFEFF)
            return -1;
        i += 3;
        return u;
    }
    return -1;
}

// The staged rows written straight from the file's UTF-8 into the output bytes, without
// decoding each receipt into texts: exports run to hundreds of thousands of lines. A value
// this cannot write exactly as LineaCsv would (a character outside code page 1252, text that
// is not plain UTF-8) makes the line go the general way.
class EscritorCsv {
public:
    EscritorCsv(QByteArray& destino, bool utf8) : m_out(destino), m_utf8(utf8) {}

    // False, with nothing appended, when the row needs the general path.
    bool Linea(const Statement& f)
    {
        m_linea.clear();
        m_ok = true;
        if (const qint64 numero = f.integer(kColNumero); numero != 0)
            m_linea += std::to_string(numero);
        m_linea += ',';
        if (const QDate d = FechaGuardada(f.bytes(kColFecha)); d.isValid()) {
            m_linea += char('0' + d.month() / 10);
            m_linea += char('0' + d.month() % 10);
            m_linea += '/';
            m_linea += std::to_string(d.year());
        }
        Textos(f, {kColArrendador});
        Textos(f, {kColDireccion, kColPiso});
        Textos(f, {kColArrendatario});
        Textos(f, {kColDocTipo, kColDocNumero});
        ImportesRecibo m;
        m.renta = f.money(kColRenta);
        m.otro_importe1 = f.money(kColImporte1);
        m.otro_importe2 = f.money(kColImporte2);
        m.otro_importe3 = f.money(kColImporte3);
        m.iva = f.money(kColIva);
        m.irpf = f.money(kColIrpf);
        Importe(m.renta);
        Textos(f, {kColConcepto1});
        Importe(m.otro_importe1);
        Textos(f, {kColConcepto2});
        Importe(m.otro_importe2);
        Textos(f, {kColConcepto3});
        Importe(m.otro_importe3);
        Importe(m.iva);
        Importe(m.irpf);
        Importe(m.Total());
        Textos(f, {kColBanco, kColSucursal, kColDc, kColCcc});
        for (int c : {kColReciboBanco, kColReciboFisico, kColNumerar})
            m_linea += f.boolean(c) ? ",\"SI\"" : ",\"NO\"";
        Textos(f, {kColNotas});
        if (!m_ok)
            return false;
        m_linea += '\n';
        m_out.append(m_linea.data(), qsizetype(m_linea.size()));
        m_total += m.Total();
        return true;
    }

    Moneda total() const { return m_total; }

private:
    // A quoted field: the columns' texts joined by one blank.
    void Textos(const Statement& f, std::initializer_list<int> columnas)
    {
        m_linea += ",\"";
        bool primera = true;
        for (int c : columnas) {
            if (!primera)
                m_linea += ' ';
            primera = false;
            Texto(f.bytes(c));
        }
        m_linea += '"';
    }

    void Texto(QByteArrayView t)
    {
        if (m_utf8 && std::any_of(t.begin(), t.end(), [](char c) { return (c & 0x80) != 0; })) {
            // Non-ASCII UTF-8 goes out as Qt writes it back.
            const QByteArray qt = QString::fromUtf8(t).toUtf8().replace('"', "\"\"");
            m_linea.append(qt.constData(), size_t(qt.size()));
            return;
        }
        for (qsizetype i = 0; i < t.size();) {
            // Runs of plain ASCII, the bulk of any text, go out as they are.
            qsizetype fin = i;
            while (fin < t.size() && static_cast<unsigned char>(t[fin]) < 0x80 && t[fin] != '"')
                ++fin;
            m_linea.append(t.data() + i, size_t(fin - i));
            i = fin;
            if (i == t.size())
                return;
            if (t[i] == '"') {
                m_linea += "\"\"";
                ++i;
                continue;
            }
            const int u = SiguienteCaracter(t, i);
            const int b = u < 0 ? -1 : ByteCp1252(char16_t(u));
            if (b < 0) {
                m_ok = false;
                return;
            }
            m_linea += char(b);
        }
    }

    void Importe(Moneda m)
    {
        char buf[32];
        m_linea += ",\"";
        m_linea.append(buf, size_t(MonedaAAscii(m, buf)));
        m_linea += '"';
    }

    QByteArray& m_out;
    bool m_utf8;
    bool m_ok = true;
    std::string m_linea;   // the row's bytes, reused: its room stays from row to row
    Moneda m_total;
};

}  // namespace

QString CabeceraCsv()
{
    QStringList campos;
    for (const char* c : kCampos)
        campos << QString::fromUtf8(c);
    return Linea(campos);
}

QString LineaCsv(const ReciboInforme& r)
{
    return Linea(Valores(r));
}

QByteArray CsvFacturacion(Database& db, CodificacionCsv codificacion, ResultadoExportacion* resultado)
{
    const bool utf8 = codificacion == CodificacionCsv::Utf8ConBom;
    QByteArray bytes = utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += utf8 ? CabeceraCsv().toUtf8() : ACp1252(CabeceraCsv());
    bytes += '\n';
    ResultadoExportacion r;
    EscritorCsv escritor(bytes, utf8);
    ReciboInforme recibo;
    RecorrerFilasSeleccion(db, [&](const Statement& fila) {
        ++r.recibos;
        if (escritor.Linea(fila))
            return;
        LeerReciboInforme(fila, recibo);
        const QString linea = LineaCsv(recibo);
        if (utf8) {
            bytes += linea.toUtf8();
        } else {
            try {
                bytes += ACp1252(linea);
            } catch (const UserError&) {
                throw FueraDeCp1252(recibo);
            }
        }
        bytes += '\n';
        r.total += recibo.importes.Total();
    });
    r.total += escritor.total();
    if (resultado)
        *resultado = r;
    return bytes;
}

ResultadoExportacion EscribirCsvFacturacion(Database& db, const QString& ruta, CodificacionCsv codificacion)
{
    ResultadoExportacion r;
    EscribirArchivo(ruta, CsvFacturacion(db, codificacion, &r));
    return r;
}

ResultadoExportacion ExportarFacturacion(Database& db, const FiltroInforme& filtro, const QString& ruta,
                                         CodificacionCsv codificacion)
{
    FiltroInforme sinIva = filtro;
    sinIva.soloIva = false;
    SeleccionarRecibos(db, sinIva, OrdenInforme::Inmueble);
    return EscribirCsvFacturacion(db, ruta, codificacion);
}
