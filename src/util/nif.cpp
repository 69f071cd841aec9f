#include "util/nif.h"
#include "util/texto.h"

namespace {
const char kLetras[] = "TRWAGMYFPDXBNJZSQVHLCKE";
}

QChar LetraNif(const QString& numero)
{
    const QString t = numero.trimmed();
    if (t.startsWith(u'-'))
        return QChar();
    for (QChar c : t)
        if ((c < u'0' || c > u'9') && !QStringLiteral(".-/_, ").contains(c))
            return QChar();
    bool ok = true;
    const qint64 n = TextoAEntero(t, &ok);
    if (!ok || n < 0)
        return QChar();
    return QChar::fromLatin1(kLetras[n % 23]);
}
