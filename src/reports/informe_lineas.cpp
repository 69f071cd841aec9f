#include "reports/informe_lineas.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "reports/pagina_listado.h"
#include "util/formato.h"

using namespace pagina_listado;

CInformeLineas::CInformeLineas(const QStringList& lineas, const QString& titulo)
    : m_lineas(lineas), m_titulo(titulo)
{
}

int CInformeLineas::Paginas() const
{
    const int cuerpo = qMax(0, int(m_lineas.size()) - 1);
    return qMax(1, (cuerpo + kLineasPorPagina - 1) / kLineasPorPagina);
}

void CInformeLineas::DibujarPagina(QPainter& p, int primera, int pagina, const QDate& hoy) const
{
    PrepararPagina(p);
    p.setFont(FuenteCourier(50, QFont::Black));
    Texto(p, Rect(50, 100, 1950, 150), m_titulo, Colocacion::Centrada);
    p.setFont(FuenteCourier(29));
    Texto(p, Rect(50, 50, 1950, 100),
          QStringLiteral("Fecha informe: ") + FechaCorta(hoy),
          Colocacion::LineaIzquierda);
    p.drawRect(Rect(50, 200, 1950, 2800));
    p.drawRect(Rect(50, 200, 1950, 300));
    auto sinFinDeLinea = [](QString s) {
        while (s.endsWith(u'\n') || s.endsWith(u'\r'))
            s.chop(1);
        return s;
    };
    Texto(p, Rect(60, 210, 1940, 290), m_lineas.isEmpty() ? QString() : sinFinDeLinea(m_lineas[0]),
          Colocacion::LineaIzquierda);
    for (int a = 0; a < kLineasPorPagina && primera + a < m_lineas.size(); ++a) {
        Texto(p, Rect(60, 310 + 50 * a, 1940, 350 + 50 * a), sinFinDeLinea(m_lineas[primera + a]),
              Colocacion::LineaAbajo);
        LineaHorizontal(p, 350 + 50 * a);
    }
    PiePagina(p, pagina);
}

int CInformeLineas::Dibujar(QPainter& p, QPagedPaintDevice& dispositivo, const QDate& hoy) const
{
    const int paginas = Paginas();
    for (int n = 0; n < paginas; ++n) {
        if (n > 0)
            dispositivo.newPage();
        DibujarPagina(p, 1 + n * kLineasPorPagina, n + 1, hoy);
    }
    return paginas;
}

void CInformeLineas::APdf(const QString& ruta) const
{
    pagina_listado::APdf(ruta, m_titulo, [this](QPainter& p, QPagedPaintDevice& d) { Dibujar(p, d); });
}
