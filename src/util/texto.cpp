#include "util/texto.h"

#include <limits>

QString RellenarCeros(const QString& texto, int n)
{
    if (n <= 0)
        return QString();
    if (texto.size() >= n)
        return texto.right(n);
    return QString(n - texto.size(), u'0') + texto;
}

QString QuitarCaracteres(const QString& conjunto, const QString& texto)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto)
        if (!conjunto.contains(c))
            r += c;
    return r;
}

qint64 TextoAEntero(const QString& texto, bool* ok)
{
    if (ok)
        *ok = true;
    quint64 acumulado = 0;
    constexpr quint64 kMaximo = quint64(std::numeric_limits<qint64>::max());
    for (QChar c : texto) {
        if (c == u',')
            break;
        if (c < u'0' || c > u'9')
            continue;
        const quint64 digito = quint64(c.unicode() - u'0');
        // A typed 3000000000 must not wrap into a negative amount: refuse instead.
        if (acumulado > (kMaximo - digito) / 10) {
            if (ok)
                *ok = false;
            return 0;
        }
        acumulado = acumulado * 10 + digito;
    }
    const qint64 valor = qint64(acumulado);
    return texto.startsWith(u'-') ? -valor : valor;
}

QString EscaparLike(const QString& texto)
{
    QString r;
    r.reserve(texto.size());
    for (const QChar c : texto) {
        if (c == u'%' || c == u'_' || c == u'\\')
            r += u'\\';
        r += c;
    }
    return r;
}
