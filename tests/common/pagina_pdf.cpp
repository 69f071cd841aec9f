#include "pagina_pdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "receipts/impresion_recibo.h"

namespace {

QString SinEntidades(QString s)
{
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

}  // namespace

PaginaPdf PaginaPdf::Leer(const QString& pdf, int pagina)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                          QString::number(pagina), QStringLiteral("-l"),
                                          QString::number(pagina), pdf, QStringLiteral("-")});
    p.waitForFinished();
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression kPalabra(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const qreal k = 254.0 / 72.0;   // points to tenths of a millimetre
    PaginaPdf r;
    for (auto it = kPalabra.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        r.palabras.push_back({SinEntidades(m.captured(5)),
                              QRectF(QPointF(m.captured(1).toDouble() * k, m.captured(2).toDouble() * k),
                                     QPointF(m.captured(3).toDouble() * k, m.captured(4).toDouble() * k))});
    }
    return r;
}

PaginaPdf PaginaPdf::Dibujar(const std::function<void(QPainter&)>& dibujar)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("pagina.pdf"));
    {
        QPdfWriter pdf(ruta);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        QPainter p(&pdf);
        dibujar(p);
    }
    return Leer(ruta);
}

PaginaPdf PaginaPdf::Recibo(const CImpresionRecibo& r)
{
    return Dibujar([&](QPainter& p) { r.DibujarRecibo(p); });
}

PaginaPdf PaginaPdf::Factura(CImpresionRecibo& r)
{
    return Dibujar([&](QPainter& p) { r.DibujarFactura(p); });
}

QRectF PaginaPdf::Caja(const QString& frase, bool seguida) const
{
    const QStringList partes = frase.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + partes.size() <= palabras.size(); ++i) {
        QRectF caja;
        bool igual = true;
        for (qsizetype j = 0; j < partes.size() && igual; ++j) {
            const QString& t = palabras[i + j].texto;
            igual = t == partes[j] || (seguida && j + 1 == partes.size() && t.startsWith(partes[j]));
            caja = caja.isNull() ? palabras[i + j].caja : caja.united(palabras[i + j].caja);
        }
        if (igual && !partes.isEmpty())
            return caja;
    }
    return QRectF();
}

QString PaginaPdf::Texto() const
{
    QStringList t;
    for (const Palabra& p : palabras)
        t << p.texto;
    return t.join(u' ');
}

QString PaginaPdf::TextoEn(const QRectF& zona) const
{
    QStringList t;
    for (const Palabra& p : palabras)
        if (zona.contains(p.caja.center()))
            t << p.texto;
    return t.join(u' ');
}

bool DentroDe(const QRectF& dentro, const QRectF& fuera, qreal holgura)
{
    return !dentro.isNull() && fuera.adjusted(-holgura, -holgura, holgura, holgura).contains(dentro);
}
