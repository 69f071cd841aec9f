#include "reports/exportacion_facturacion.h"

#include <QStringList>

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
    RecorrerSeleccion(db, [&](const ReciboInforme& recibo) {
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
        ++r.recibos;
        r.total += recibo.importes.Total();
    });
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
