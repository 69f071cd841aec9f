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

QString NormalizarDocumento(const QString& numero)
{
    QString r;
    r.reserve(numero.size());
    for (QChar c : numero)
        if (!QStringLiteral("-/_,. ").contains(c))
            r += c;
    return r.toUpper();
}

namespace {

bool SoloDigitos(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QChar LetraDe(qint64 n)
{
    return QChar::fromLatin1(kLetras[n % 23]);
}

// The control of a CIF: the digit, or its letter for the kinds that carry one.
bool ControlCifValido(QChar tipo, QStringView digitos, QChar control)
{
    int suma = 0;
    for (int i = 0; i < 7; ++i) {
        const int v = digitos[i].digitValue();
        suma += i % 2 == 0 ? (2 * v) / 10 + (2 * v) % 10 : v;
    }
    const int d = (10 - suma % 10) % 10;
    const QChar digito = QChar(u'0' + d);
    const QChar letra = QChar::fromLatin1("JABCDEFGHI"[d]);
    if (QStringLiteral("PQRSNW").contains(tipo))
        return control == letra;
    if (QStringLiteral("ABEH").contains(tipo))
        return control == digito;
    return control == digito || control == letra;
}

}  // namespace

bool DocumentoValido(const QString& documento)
{
    const QString d = NormalizarDocumento(documento);
    if (d.size() < 2 || d.size() > 9)
        return false;
    const QChar primero = d.front();
    const QChar ultimo = d.back();
    const QStringView medio = QStringView(d).mid(1, d.size() - 2);
    if (primero.isDigit() && SoloDigitos(QStringView(d).chopped(1)))
        return ultimo == LetraDe(d.chopped(1).toLongLong());
    if (d.size() != 9 || !SoloDigitos(medio))
        return false;
    const int nie = QStringLiteral("XYZ").indexOf(primero);
    if (nie >= 0)
        return ultimo == LetraDe((QString::number(nie) + medio.toString()).toLongLong());
    if (QStringLiteral("KLM").contains(primero))
        return ultimo == LetraDe(medio.toString().toLongLong());
    if (QStringLiteral("ABCDEFGHJNPQRSUVW").contains(primero))
        return ControlCifValido(primero, medio, ultimo);
    return false;
}
