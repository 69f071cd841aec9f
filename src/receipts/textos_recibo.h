#pragma once
#include <QDate>
#include <QString>
#include "app/ajustes.h"
#include "util/moneda.h"

// Small text helpers of the receipt layouts; the shared ones of src/util replace them once landed.
namespace textos_recibo {

inline QString Mes(const QDate& d)
{
    static const char* const kMeses[] = {"ENERO", "FEBRERO", "MARZO", "ABRIL", "MAYO", "JUNIO",
                                         "JULIO", "AGOSTO", "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE",
                                         "DICIEMBRE"};
    return d.isValid() ? QString::fromLatin1(kMeses[d.month() - 1]) : QString();
}

// Digits grouped with "." (2005 -> 2.005).
inline QString ConPuntos(qint64 n)
{
    QString s = QString::number(n < 0 ? -n : n);
    for (qsizetype i = s.size() - 3; i > 0; i -= 3)
        s.insert(i, u'.');
    return n < 0 ? QLatin1Char('-') + s : s;
}

// "1.234,56", rounded to cents half away from zero.
inline QString Importe(Moneda m)
{
    qint64 n = m.Diezmilesimas();
    const bool neg = n < 0;
    if (neg)
        n = -n;
    const qint64 cent = (n + 50) / 100;
    const QString s = ConPuntos(cent / 100) + u',' +
                      QStringLiteral("%1").arg(cent % 100, 2, 10, QLatin1Char('0'));
    return (neg && cent != 0) ? QLatin1Char('-') + s : s;
}

// Amount, one space and the first character of the currency symbol, when there is one.
inline QString ImporteConSimbolo(Moneda m)
{
    const QString simbolo = SimboloMoneda();
    return simbolo.isEmpty() ? Importe(m) : Importe(m) + u' ' + simbolo.left(1);
}

}  // namespace textos_recibo
