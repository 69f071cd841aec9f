#include "documents/impresor_texto.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSaveFile>
#include <QTextLayout>
#include <cmath>
#include <vector>

#include "reports/pagina_listado.h"
#include "reports/salida_pdf.h"
#include "util/errores.h"

namespace {

struct Bandas {
    QRectF cabecera, cuerpo, pie;
};

Bandas BandasPagina(const QPagedPaintDevice& d)
{
    const qreal w = d.width(), h = d.height();
    return {QRectF(QPointF(w / 20, h / 40), QPointF(w - w / 20, h / 20)),
            QRectF(QPointF(w / 20, h / 20), QPointF(w - w / 20, h - h / 20)),
            QRectF(QPointF(w / 20, h - h / 20), QPointF(w - w / 20, h))};
}

}  // namespace

CImpresorTexto::CImpresorTexto(const QString& texto, const QString& titulo, bool numerarPaginas)
    : m_texto(texto), m_titulo(titulo), m_numerar(numerarPaginas)
{
}

QString CImpresorTexto::NombreDocumento() const
{
    return QStringLiteral("Rentiva ") + m_titulo;
}

int CImpresorTexto::Imprimir(QPagedPaintDevice& dispositivo) const
{
    if (m_texto.isEmpty())
        return 0;
    QFont fuente(QStringLiteral("Courier New"));
    fuente.setStyleHint(QFont::TypeWriter);
    fuente.setFixedPitch(true);
    fuente.setPixelSize(qMax(1, int(std::lround(m_alto * dispositivo.logicalDpiY() / 72.0))));
    const Bandas b = BandasPagina(dispositivo);
    const qreal alto = QFontMetricsF(fuente, &dispositivo).lineSpacing();
    const int porPagina = int(b.cuerpo.height() / alto);
    if (porPagina < 1)
        throw UserError(QStringLiteral("Con letra de %1 puntos no cabe ni una línea en la página: "
                                       "elija un tamaño de letra menor.").arg(m_alto));

    QPainter p;
    if (!p.begin(&dispositivo))
        throw UserError(QStringLiteral("No se puede abrir la impresora o el archivo de salida."));
    p.setFont(fuente);
    p.setPen(Qt::black);
    int pagina = 0;
    int enPagina = porPagina;   // a page starts with the first line
    auto empezarPagina = [&] {
        if (pagina > 0 && !dispositivo.newPage()) {
            p.end();
            throw UserError(QStringLiteral("La impresora ha fallado después de %1 páginas; "
                                           "compruébela y vuelva a imprimir.").arg(pagina));
        }
        ++pagina;
        enPagina = 0;
        p.drawText(b.cabecera, Qt::AlignCenter | Qt::TextSingleLine, NombreDocumento());
        if (m_numerar)
            p.drawText(b.pie, Qt::AlignCenter | Qt::TextSingleLine, QString::number(pagina));
    };

    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);   // a long word is broken
    QString texto = m_texto;
    texto.remove(u'\r');
    QStringList parrafos = texto.split(u'\n');
    if (parrafos.size() > 1 && parrafos.last().isEmpty())
        parrafos.removeLast();   // the final line feed opens no line of its own
    for (const QString& parrafo : parrafos) {
        QTextLayout layout(parrafo, fuente, &dispositivo);
        layout.setTextOption(opcion);
        layout.setCacheEnabled(true);
        std::vector<QTextLine> lineas;
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(b.cuerpo.width());
            l.setPosition(QPointF(0, 0));
            lineas.push_back(l);
        }
        layout.endLayout();
        for (const QTextLine& l : lineas) {
            if (enPagina == porPagina)
                empezarPagina();
            l.draw(&p, QPointF(b.cuerpo.left(), b.cuerpo.top() + enPagina * alto));
            ++enPagina;
        }
    }
    p.end();
    return pagina;
}

int CImpresorTexto::APdf(const QString& ruta) const
{
    if (m_texto.isEmpty())
        return 0;
    return EscribirPdf(ruta, NombreDocumento(),
                                       [this](QPagedPaintDevice& d) { return Imprimir(d); });
}

void GuardarTexto(const QString& ruta, const QString& texto)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Text) || archivo.write(texto.toUtf8()) < 0 ||
        !archivo.commit())
        throw UserError(QStringLiteral(" No ha sido posible guardar el fichero"));
}
