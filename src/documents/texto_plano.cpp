#include "documents/texto_plano.h"

#include "util/formato.h"

QString LineaTabla(const QString& etiqueta, const QString& importe)
{
    return JuntarDerecha(QStringLiteral("  ") + AjustarIzquierda(etiqueta, 40), importe, 20) + u'\n';
}

QString LineaTablaImporte(const QString& etiqueta, Moneda importe)
{
    return LineaTabla(etiqueta, MonedaATexto(importe) + QStringLiteral(" €"));
}

QString FinesCrLf(QString texto)
{
    return texto.replace(u'\n', QStringLiteral("\r\n"));
}

QString Enumerar(const QStringList& lista)
{
    if (lista.size() <= 1)
        return lista.join(QString());
    return lista.mid(0, lista.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") + lista.last();
}
