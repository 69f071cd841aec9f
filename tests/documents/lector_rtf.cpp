#include "lector_rtf.h"

#include <QStringDecoder>
#include <cstring>
#include <cctype>
#include <vector>

QString TextoDeRtf(const QByteArray& rtf, bool* ok)
{
    struct Grupo {
        bool oculto = false;
        int uc = 1;
    };
    std::vector<Grupo> pila{Grupo{}};
    QString r;
    int saltar = 0;   // fallback characters still to skip after \uN
    bool bien = true;
    auto emitir = [&](const QString& s) {
        if (!pila.back().oculto)
            r += s;
    };
    for (qsizetype i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{') {
            pila.push_back(pila.back());
            saltar = 0;
            ++i;
        } else if (c == '}') {
            if (pila.size() == 1)
                bien = false;
            else
                pila.pop_back();
            saltar = 0;
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            if (saltar > 0)
                --saltar;
            else
                emitir(QString(QChar::fromLatin1(c)));
            ++i;
        } else if (i + 1 < rtf.size() && std::strchr("\\{}", rtf[i + 1])) {
            if (saltar > 0)
                --saltar;
            else
                emitir(QString(QChar::fromLatin1(rtf[i + 1])));
            i += 2;
        } else if (i + 1 < rtf.size() && rtf[i + 1] == '\'') {
            const QByteArray byte = QByteArray::fromHex(rtf.mid(i + 2, 2));
            if (saltar > 0)
                --saltar;
            else
                emitir(QStringDecoder("windows-1252").decode(byte));
            i += 4;
        } else if (i + 1 < rtf.size() && rtf[i + 1] == '*') {
            pila.back().oculto = true;
            i += 2;
        } else {
            qsizetype j = i + 1;
            while (j < rtf.size() && std::isalpha(uchar(rtf[j])))
                ++j;
            const QByteArray palabra = rtf.mid(i + 1, j - i - 1);
            qsizetype k = j;
            if (k < rtf.size() && rtf[k] == '-')
                ++k;
            while (k < rtf.size() && std::isdigit(uchar(rtf[k])))
                ++k;
            const QByteArray numero = rtf.mid(j, k - j);
            if (k < rtf.size() && rtf[k] == ' ')
                ++k;
            i = k;
            if (palabra == "par" || palabra == "line")
                emitir(QStringLiteral("\n"));
            else if (palabra == "tab")
                emitir(QStringLiteral("\t"));
            else if (palabra == "uc")
                pila.back().uc = numero.toInt();
            else if (palabra == "u") {
                emitir(QString(QChar(char16_t(numero.toInt()))));
                saltar = pila.back().uc;
            } else if (palabra == "fonttbl" || palabra == "colortbl" || palabra == "stylesheet"
                       || palabra == "info")
                pila.back().oculto = true;
        }
    }
    if (ok)
        *ok = bien && pila.size() == 1;
    return r;
}
