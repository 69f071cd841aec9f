#include "reports/lineas_facturacion.h"

#include "data/database.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/letras.h"

QString TituloFacturacion(const QDate& fecha)
{
    return QStringLiteral("Facturación ") + NombreMesMayusculas(fecha.month()) + QStringLiteral(" del ") +
           EnteroATexto(fecha.year()) + u'.';
}

QStringList LineasFacturacion(Database& db)
{
    if (!db.isOpen())
        throw UserError(QStringLiteral("No hay base abierta"));
    Statement st(db, "SELECT numero_recibo, direccion, piso, nom_arrendatario, doc_arrendatario_num,"
                     " renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3"
                     " FROM emision_recibo ORDER BY rowid");
    const QChar sp = u' ';
    QStringList lineas{Centrar(QStringLiteral("NUMERO"), 10) + sp + Centrar(QStringLiteral("DIRECCION"), 50) +
                       sp + Centrar(QStringLiteral("NOMBRE"), 30) + sp + Centrar(QStringLiteral("DOCUMENTO"), 12) +
                       sp + Centrar(QStringLiteral("IMPORTE"), 10)};
    Moneda total;
    while (st.next()) {
        Moneda importe;
        for (int c = 5; c <= 10; ++c)
            importe += st.money(c);
        total += importe;
        const QString inicio = JuntarDerecha(QString(), EnteroConPuntos(st.integer(0)), 10) + sp +
                               AjustarIzquierda(st.text(1) + sp + st.text(2), 50) + sp +
                               AjustarIzquierda(st.text(3), 30) + sp + AjustarDerecha(st.text(4), 12) + sp;
        lineas << JuntarDerecha(inicio, MonedaATexto(importe), 10);
    }
    if (lineas.size() == 1)
        throw UserError(QStringLiteral("No existen recibos para esta selección."));
    lineas << JuntarDerecha(AjustarIzquierda(QStringLiteral("TOTAL"), 105) + sp, MonedaATexto(total), 10);
    return lineas;
}
