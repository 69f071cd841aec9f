// The printed listing of a direct-debit file.
#include <QPagedPaintDevice>
#include <QPainter>

#include "bank/fichero_cuaderno19.h"
#include "util/formato.h"
#include "reports/pagina_listado.h"
#include "reports/salida_pdf.h"

using namespace pagina_listado;

namespace {

QString FechaListado(const QDate& d)
{
    return QStringLiteral("%1/%2/%3").arg(d.day()).arg(d.month()).arg(d.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace

std::vector<PaginaListado> CFicheroCuaderno19::PaginarListado(int lineas)
{
    std::vector<PaginaListado> paginas;
    int siguiente = 0;
    for (;;) {
        PaginaListado p;
        p.primera = siguiente;
        p.lineas = qMin(kLineasPorPagina, lineas - siguiente);
        siguiente += p.lineas;
        // Lines left over go on; a full-ish last page sends the totals to a page of their own.
        p.totales = siguiente >= lineas && p.lineas < kLineasSinTotales;
        paginas.push_back(p);
        if (p.totales)
            return paginas;
    }
}

void CFicheroCuaderno19::DibujarPaginaListado(QPainter& p, const QStringList& lineas,
                                              const PaginaListado& pagina, int numero) const
{
    PrepararPagina(p);
    p.setFont(FuenteCourier(50, QFont::Black));
    Texto(p, Rect(50, 50, 1950, 150), QStringLiteral("GESTIÓN DE RECIBOS FOLLETO 19"),
          Colocacion::Centrada);
    Texto(p, Rect(50, 100, 1950, 200),
          QStringLiteral("LISTADO DEL FICHERO DEL SOPORTE DE FACTURACIÓN"), Colocacion::Centrada);

    // The suffix printed is the one the file carries, not a fixed "001".
    const QString nifSufijo = QStringLiteral("NIF/Sufijo= ") + m_documento + QStringLiteral("/ ") +
                              QStringLiteral("%1").arg(m_sufijo, 3, 10, QLatin1Char('0'));
    p.setFont(FuenteCourier(34));
    p.drawRect(Rect(50, 200, 1950, 350));
    Texto(p, Rect(60, 210, 1940, 340), QStringLiteral("Presentador: ") + m_nombre,
          Colocacion::Izquierda);
    Texto(p, Rect(60, 210, 1940, 340), nifSufijo, Colocacion::Derecha);
    Texto(p, Rect(60, 260, 1940, 340),
          QStringLiteral("Fecha Presentación ") + FechaListado(m_creacion), Colocacion::Centrada);

    p.drawRect(Rect(50, 350, 1950, 500));
    Texto(p, Rect(60, 360, 1940, 490), QStringLiteral("Ordenante: ") + m_nombre,
          Colocacion::Izquierda);
    Texto(p, Rect(60, 410, 1940, 490),
          QStringLiteral("Datos Bancarios ") + m_banco + u' ' + m_sucursal + u' ' + m_dc + u' ' + m_ccc,
          Colocacion::Izquierda);
    Texto(p, Rect(60, 360, 1940, 490), nifSufijo, Colocacion::Derecha);
    Texto(p, Rect(60, 410, 1940, 490),
          QStringLiteral("Fecha Facturación ") + FechaListado(m_cargo), Colocacion::Derecha);

    p.setFont(FuenteCourier(34));
    Texto(p, Rect(50, 550, 1950, 600),
          AjustarIzquierda(QStringLiteral(" Referencia"), 12) +
              AjustarIzquierda(QStringLiteral("   Titular del recibo"), 42) +
              AjustarIzquierda(QStringLiteral("   Datos bancarios"), 25) +
              AjustarIzquierda(QStringLiteral("   Importe"), 20),
          Colocacion::Izquierda);
    for (int y : {600, 595, 590, 2800, 2795, 2792})
        LineaHorizontal(p, y);

    for (int i = 0; i < pagina.lineas; ++i) {
        QString linea = lineas[pagina.primera + i];
        linea.chop(2);   // the CR LF
        Texto(p, Rect(50, 610 + 50 * i, 1950, 660 + 50 * i), linea, Colocacion::Izquierda);
        LineaHorizontal(p, 650 + 50 * i);
    }

    if (pagina.totales) {
        const int d = 50 * pagina.lineas;
        p.setFont(FuenteCourier(34));
        p.drawRect(Rect(550, 700 + d, 1550, 950 + d));
        Texto(p, Rect(560, 710 + d, 1440, 790 + d), QStringLiteral("          REGISTROS TOTALES"),
              Colocacion::Izquierda);
        const QString filas[][2] = {
            {QStringLiteral("Total Importe del Soporte:"), MonedaATexto(m_total)},
            {QStringLiteral("Total Importe de Ordenantes:"), QStringLiteral("1")},
            {QStringLiteral("Total Número de Recibos:"), EnteroConPuntos(m_recibos)},
        };
        for (int k = 0; k < 3; ++k) {
            const int y = 810 + d + kAltoLinea * k;
            Texto(p, Rect(560, y, 1440, y + kAltoLinea),
                  JuntarDerecha(AjustarIzquierda(filas[k][0], 30), filas[k][1], 10),
                  Colocacion::Izquierda);
        }
    }
    PiePagina(p, numero);
}

int CFicheroCuaderno19::DibujarListado(QPainter& p, QPagedPaintDevice& dispositivo) const
{
    const QStringList lineas = LineasListado();
    const auto paginas = PaginarListado(int(lineas.size()));
    for (size_t n = 0; n < paginas.size(); ++n) {
        if (n > 0)
            dispositivo.newPage();
        DibujarPaginaListado(p, lineas, paginas[n], int(n) + 1);
    }
    return int(paginas.size());
}

namespace {
const QString kTituloListado = QStringLiteral("Informe Recibos Banco");
}

void CFicheroCuaderno19::ListadoAPdf(const QString& ruta) const
{
    APdf(ruta, kTituloListado, [this](QPainter& p, QPagedPaintDevice& d) { DibujarListado(p, d); });
}

void CFicheroCuaderno19::ListadoAPdf(QIODevice& salida) const
{
    EscribirPdf(salida, kTituloListado, [this](QPainter& p, QPagedPaintDevice& d) { DibujarListado(p, d); });
}
