#include "util/cp1252.h"

#include "util/errores.h"

namespace {

// U+xxxx of bytes 0x80..0x9F; 0 where the code page leaves the byte unused.
constexpr char16_t kAlto[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool EsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
}

}  // namespace

int ByteCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kAlto[i] != 0 && kAlto[i] == c)
            return 0x80 + i;
    return -1;
}

QString AdaptarCp1252(const QString& texto)
{
    QString r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
            ++i;
            r += u'?';
            continue;
        }
        if (EsControl(c.unicode())) {
            r += u' ';
            continue;
        }
        if (ByteCp1252(c.unicode()) >= 0) {
            r += c;
            continue;
        }
        // A letter with a mark the code page lacks keeps its base letter.
        const QString base = QString(c).normalized(QString::NormalizationForm_D);
        if (!base.isEmpty() && base[0] != c && ByteCp1252(base[0].unicode()) >= 0 &&
            !EsControl(base[0].unicode()))
            r += base[0];
        else
            r += u'?';
    }
    return r;
}

QByteArray ACp1252(const QString& texto)
{
    QByteArray r(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const int b = ByteCp1252(texto[i].unicode());
        if (b < 0)
            throw UserError(QStringLiteral("El carácter \"%1\" (U+%2) no se puede escribir en el "
                                           "juego de caracteres del fichero.")
                                .arg(texto[i])
                                .arg(texto[i].unicode(), 4, 16, QLatin1Char('0')));
        r[i] = char(b);
    }
    return r;
}

QByteArray AdaptadoACp1252(const QString& texto)
{
    // Plain Latin-1 text, the usual case, needs no adapting.
    QByteArray r(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
            r[i] = char(c);
        else
            return ACp1252(AdaptarCp1252(texto));
    }
    return r;
}

QString DesdeCp1252(const QByteArray& bytes)
{
    QString r(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b < 0xA0)
            r[i] = QChar(kAlto[b - 0x80] ? kAlto[b - 0x80] : char16_t(0xFFFD));
        else
            r[i] = QChar(b);
    }
    return r;
}
