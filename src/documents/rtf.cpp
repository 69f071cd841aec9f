#include "documents/rtf.h"

QByteArray EscaparRtf(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size() + texto.size() / 8);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        switch (c) {
        case u'\\': r += "\\\\"; break;
        case u'{': r += "\\{"; break;
        case u'}': r += "\\}"; break;
        case u'\t': r += "\\tab "; break;
        case u'\r':
            if (i + 1 < texto.size() && texto[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n': r += "\\par\r\n"; break;
        default:
            if (c >= 0x20 && c < 0x7f)
                r += char(c);
            else if (c >= 0x80)
                // RTF reads N as a signed 16-bit number; surrogate halves go one by one.
                r += "\\u" + QByteArray::number(int(qint16(c))) + '?';
        }
    }
    return r;
}

QByteArray GrupoRtf(const QString& texto)
{
    if (texto.isEmpty())
        return {};
    return "{\\uc1 " + EscaparRtf(texto) + '}';
}

QByteArray DocumentoRtfTexto(const QString& texto, int puntos)
{
    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                   "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
                   "\\pard\\plain\\f0\\fs" + QByteArray::number(qMax(1, puntos) * 2) + ' ';
    r += EscaparRtf(texto);
    r += "}\r\n";
    return r;
}
