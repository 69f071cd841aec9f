#include "bank/formato_banco.h"

namespace formato_banco {

QString RellenarCeros(const QString& s, int ancho)
{
    return s.size() >= ancho ? s.right(ancho) : s.rightJustified(ancho, u'0');
}

QString AjustarIzquierda(const QString& s, int ancho)
{
    return s.leftJustified(ancho, u' ', true);
}

QString AjustarDerecha(const QString& s, int ancho)
{
    return s.size() >= ancho ? s.left(ancho) : s.rightJustified(ancho, u' ');
}

QString EnteroConPuntos(qint64 n)
{
    QString s = QString::number(n < 0 ? -n : n);
    for (qsizetype i = s.size() - 3; i > 0; i -= 3)
        s.insert(i, u'.');
    return n < 0 ? QLatin1Char('-') + s : s;
}

QString MonedaATexto(Moneda m)
{
    qint64 c = RedondearCentimos(m).Diezmilesimas() / Moneda::kPorCentimo;
    const bool negativo = c < 0;
    if (negativo)
        c = -c;
    return (negativo ? QStringLiteral("-") : QString()) + EnteroConPuntos(c / 100) + u',' +
           QString::number(c % 100).rightJustified(2, u'0');
}

QString NombreMesMayusculas(int mes)
{
    static const char* const kMeses[] = {"ENERO", "FEBRERO", "MARZO", "ABRIL", "MAYO", "JUNIO",
                                         "JULIO", "AGOSTO", "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE",
                                         "DICIEMBRE"};
    return mes >= 1 && mes <= 12 ? QString::fromLatin1(kMeses[mes - 1]) : QString();
}

QString CalcularDC(const QString& banco, const QString& sucursal, const QString& ccc)
{
    static const int kPesos[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
    // Weighted sum of a digit text right-aligned in `ancho` places ending at weight `fin`.
    auto suma = [](const QString& s, int ancho, int fin) {
        int total = 0;
        const qsizetype n = qMin<qsizetype>(s.size(), ancho);
        for (qsizetype i = 0; i < n; ++i)
            total += s[s.size() - n + i].digitValue() * kPesos[fin - n + i];
        return total;
    };
    auto digito = [](int suma) {
        const int d = 11 - suma % 11;
        return d == 11 ? 0 : d == 10 ? 1 : d;
    };
    const int d1 = digito(suma(banco, 4, 6) + suma(sucursal, 4, 10));
    const int d2 = digito(suma(ccc, 10, 10));
    const QChar dc[] = {QChar(u'0' + d1), QChar(u'0' + d2)};
    return QString(dc, 2);
}

}  // namespace formato_banco
