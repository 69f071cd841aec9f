#include "util/texto_sepa.h"

bool EsCaracterSepa(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return true;
    return QStringView(u"/-?:().,'+ ").contains(c);
}

QString TransliterarSepa(const QString& texto)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        if (c.unicode() < 0x80) {
            r += c;
        } else if (c == u'º') {
            r += u'o';
        } else if (c == u'ª') {
            r += u'a';
        } else {
            // The canonical decomposition puts the base letter first: á -> a + acute, ñ -> n + tilde.
            const QString d = QString(c).normalized(QString::NormalizationForm_D);
            r += d[0].unicode() < 0x80 && d.size() > 1 ? d[0] : c;
        }
    }
    return r;
}

QChar CaracterNoSepa(const QString& texto)
{
    for (QChar c : TransliterarSepa(texto))
        if (!EsCaracterSepa(c))
            return c;
    return QChar();
}

QString TextoLibreSepa(const QString& texto, int maximo)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : TransliterarSepa(texto)) {
        if (!EsCaracterSepa(c))
            c = u' ';
        if (c == u' ' && (r.isEmpty() || r.endsWith(u' ')))
            continue;
        r += c;
    }
    return r.left(maximo).trimmed();
}

QString ProblemaIdentificadorSepa(const QString& id)
{
    if (id.isEmpty())
        return QStringLiteral("está vacío");
    if (id.size() > 35)
        return QStringLiteral("tiene %1 caracteres (como máximo 35)").arg(id.size());
    for (QChar c : id)
        if (c == u' ' || !EsCaracterSepa(c))
            return QStringLiteral("contiene el carácter «%1», que el banco no admite").arg(c);
    if (id.startsWith(u'/') || id.endsWith(u'/'))
        return QStringLiteral("no puede empezar ni acabar por «/»");
    if (id.contains(QLatin1String("//")))
        return QStringLiteral("no puede contener «//»");
    return QString();
}

QString MandatoPropuesto(const QString& codref, const QDate& firma)
{
    QString base;
    for (QChar c : TransliterarSepa(codref.trimmed())) {
        if (c == u' ' || c == u'/' || !EsCaracterSepa(c))
            c = u'-';
        if (c == u'-' && (base.isEmpty() || base.endsWith(u'-')))
            continue;
        base += c;
    }
    if (base.isEmpty())
        base = QStringLiteral("MANDATO");
    return base.left(24) + u'-' + firma.toString(QStringLiteral("yyyyMMdd"));
}
