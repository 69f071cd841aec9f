// The printed listing of a direct-debit file.
#include <QPagedPaintDevice>
#include <QPainter>

#include "bank/fichero_cuaderno19.h"
#include "bank/listado_remesa.h"
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

std::vector<PaginaListado> PaginarListadoRemesa(int lineas)
{
    std::vector<PaginaListado> paginas;
    int siguiente = 0;
    for (;;) {
        PaginaListado p;
        p.primera = siguiente;
        p.lineas = qMin(kLineasListadoPorPagina, lineas - siguiente);
        siguiente += p.lineas;
        // Lines left over go on; a full-ish last page sends the totals to a page of their own.
        p.totales = siguiente >= lineas && p.lineas < kLineasListadoSinTotales;
        paginas.push_back(p);
        if (p.totales)
            return paginas;
    }
}

namespace {

void DibujarPagina(QPainter& p, const DatosListadoRemesa& d, const PaginaListado& pagina, int numero)
{
    PrepararPagina(p);
    p.setFont(FuenteCourier(50, QFont::Black));
    Texto(p, Rect(50, 50, 1950, 150), d.titulo, Colocacion::Centrada);
    Texto(p, Rect(50, 100, 1950, 200),
          QStringLiteral("LISTADO DEL FICHERO DEL SOPORTE DE FACTURACIÓN"), Colocacion::Centrada);

    const QString& nifSufijo = d.identificacion;
    p.setFont(FuenteCourier(34));
    p.drawRect(Rect(50, 200, 1950, 350));
    Texto(p, Rect(60, 210, 1940, 340), QStringLiteral("Presentador: ") + d.nombre,
          Colocacion::Izquierda);
    Texto(p, Rect(60, 210, 1940, 340), nifSufijo, Colocacion::Derecha);
    Texto(p, Rect(60, 260, 1940, 340),
          QStringLiteral("Fecha Presentación ") + FechaListado(d.creacion), Colocacion::Centrada);

    p.drawRect(Rect(50, 350, 1950, 500));
    Texto(p, Rect(60, 360, 1940, 490), QStringLiteral("Ordenante: ") + d.nombre,
          Colocacion::Izquierda);
    Texto(p, Rect(60, 410, 1940, 490),
          QStringLiteral("Datos Bancarios ") + d.datosBancarios,
          Colocacion::Izquierda);
    Texto(p, Rect(60, 360, 1940, 490), nifSufijo, Colocacion::Derecha);
    Texto(p, Rect(60, 410, 1940, 490),
          QStringLiteral("Fecha Facturación ") + FechaListado(d.cargo), Colocacion::Derecha);

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
        QString linea = d.lineas[pagina.primera + i];
        linea.chop(2);   // the CR LF
        Texto(p, Rect(50, 610 + 50 * i, 1950, 660 + 50 * i), linea, Colocacion::Izquierda);
        LineaHorizontal(p, 650 + 50 * i);
    }

    if (pagina.totales) {
        const int dy = 50 * pagina.lineas;
        p.setFont(FuenteCourier(34));
        p.drawRect(Rect(550, 700 + dy, 1550, 950 + dy));
        Texto(p, Rect(560, 710 + dy, 1440, 790 + dy), QStringLiteral("          REGISTROS TOTALES"),
              Colocacion::Izquierda);
        const QString filas[][2] = {
            {QStringLiteral("Total Importe del Soporte:"), MonedaATexto(d.total)},
            {QStringLiteral("Total Importe de Ordenantes:"), QStringLiteral("1")},
            {QStringLiteral("Total Número de Recibos:"), EnteroConPuntos(d.recibos)},
        };
        for (int k = 0; k < 3; ++k) {
            const int y = 810 + dy + kAltoLinea * k;
            Texto(p, Rect(560, y, 1440, y + kAltoLinea),
                  JuntarDerecha(AjustarIzquierda(filas[k][0], 30), filas[k][1], 10),
                  Colocacion::Izquierda);
        }
    }
    PiePagina(p, numero);
}

}  // namespace

int DibujarListadoRemesa(QPainter& p, QPagedPaintDevice& dispositivo, const DatosListadoRemesa& d)
{
    const auto paginas = PaginarListadoRemesa(int(d.lineas.size()));
    for (size_t n = 0; n < paginas.size(); ++n) {
        if (n > 0)
            dispositivo.newPage();
        DibujarPagina(p, d, paginas[n], int(n) + 1);
    }
    return int(paginas.size());
}

QString TituloDocumentoListadoRemesa()
{
    return QStringLiteral("Informe Recibos Banco");
}

void ListadoRemesaAPdf(QIODevice& salida, const DatosListadoRemesa& d)
{
    EscribirPdf(salida, TituloDocumentoListadoRemesa(),
                [&d](QPainter& p, QPagedPaintDevice& dis) { DibujarListadoRemesa(p, dis, d); });
}

DatosListadoRemesa CFicheroCuaderno19::DatosListado() const
{
    // The suffix printed is the one the file carries, not a fixed "001".
    return {QStringLiteral("GESTIÓN DE RECIBOS FOLLETO 19"), m_nombre,
            QStringLiteral("NIF/Sufijo= ") + m_documento + QStringLiteral("/ ") +
                QStringLiteral("%1").arg(m_sufijo, 3, 10, QLatin1Char('0')),
            m_banco + u' ' + m_sucursal + u' ' + m_dc + u' ' + m_ccc, m_creacion, m_cargo, m_total,
            m_recibos, LineasListado()};
}

int CFicheroCuaderno19::DibujarListado(QPainter& p, QPagedPaintDevice& dispositivo) const
{
    return DibujarListadoRemesa(p, dispositivo, DatosListado());
}

void CFicheroCuaderno19::ListadoAPdf(const QString& ruta) const
{
    const DatosListadoRemesa d = DatosListado();
    EscribirPdf(ruta, TituloDocumentoListadoRemesa(),
                [&d](QPainter& p, QPagedPaintDevice& dis) { DibujarListadoRemesa(p, dis, d); });
}

void CFicheroCuaderno19::ListadoAPdf(QIODevice& salida) const
{
    ListadoRemesaAPdf(salida, DatosListado());
}
