#include "util/iban.h"

#include "util/cuentas.h"
#include "util/nif.h"
#include "util/texto.h"

namespace {

// Lengths of the IBAN registry (ISO 13616) by country.
struct LongitudPais {
    char pais[3];
    int longitud;
};
constexpr LongitudPais kLongitudes[] = {
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16},
    {"BG", 22}, {"BH", 22}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28},
    {"CZ", 24}, {"DE", 22}, {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24},
    {"FI", 18}, {"FO", 18}, {"FR", 27}, {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18},
    {"GR", 27}, {"GT", 28}, {"HR", 21}, {"HU", 28}, {"IE", 22}, {"IL", 23}, {"IQ", 23},
    {"IS", 26}, {"IT", 27}, {"JO", 30}, {"KW", 30}, {"KZ", 20}, {"LB", 28}, {"LC", 32},
    {"LI", 21}, {"LT", 20}, {"LU", 20}, {"LV", 21}, {"MC", 27}, {"MD", 24}, {"ME", 22},
    {"MK", 19}, {"MR", 27}, {"MT", 31}, {"MU", 30}, {"NL", 18}, {"NO", 15}, {"PK", 24},
    {"PL", 28}, {"PS", 29}, {"PT", 25}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"SA", 24},
    {"SC", 31}, {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"ST", 25}, {"SV", 28},
    {"TL", 23}, {"TN", 24}, {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20},
};

int LongitudIban(const QString& pais)
{
    for (const LongitudPais& l : kLongitudes)
        if (pais == QLatin1String(l.pais))
            return l.longitud;
    return 0;
}

bool EsAlfanumerico(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

// The remainder by 97 of the number the text stands for, letters read as 10 ... 35;
// -1 when the text holds anything else.
int Mod97(const QString& s)
{
    int r = 0;
    for (QChar c : s) {
        if (c >= u'0' && c <= u'9') {
            r = (r * 10 + (c.unicode() - u'0')) % 97;
        } else if (c >= u'A' && c <= u'Z') {
            r = (r * 100 + (c.unicode() - u'A' + 10)) % 97;
        } else {
            return -1;
        }
    }
    return r;
}

QString DosCifras(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString NormalizarIban(const QString& iban)
{
    QString r;
    r.reserve(iban.size());
    for (QChar c : iban)
        if (!c.isSpace())
            r += c.toUpper();
    return r;
}

QString ProblemaIban(const QString& texto)
{
    const QString iban = NormalizarIban(texto);
    if (iban.isEmpty())
        return QStringLiteral("el IBAN está vacío");
    for (QChar c : iban)
        if (!EsAlfanumerico(c))
            return QStringLiteral("el IBAN %1 contiene el carácter «%2»; solo admite letras y cifras")
                .arg(texto.trimmed(), QString(c));
    if (iban.size() < 4 || !iban[0].isLetter() || !iban[1].isLetter() || !iban[2].isDigit() ||
        !iban[3].isDigit())
        return QStringLiteral("el IBAN %1 debe empezar por el código del país (dos letras) y dos "
                              "dígitos de control").arg(texto.trimmed());
    const int longitud = LongitudIban(iban.left(2));
    if (longitud == 0)
        return QStringLiteral("el IBAN %1 empieza por %2, que no es el código de un país con IBAN")
            .arg(texto.trimmed(), iban.left(2));
    if (iban.size() != longitud)
        return QStringLiteral("el IBAN %1 tiene %2 caracteres; los de %3 tienen %4")
            .arg(texto.trimmed()).arg(iban.size()).arg(iban.left(2)).arg(longitud);
    if (Mod97(iban.mid(4) + iban.left(4)) != 1)
        return QStringLiteral("los dígitos de control del IBAN %1 no son correctos").arg(texto.trimmed());
    return QString();
}

bool ValidarIban(const QString& iban)
{
    return ProblemaIban(iban).isEmpty();
}

QString IbanAgrupado(const QString& iban)
{
    const QString n = NormalizarIban(iban);
    QString r;
    for (qsizetype i = 0; i < n.size(); i += 4) {
        if (i > 0)
            r += u' ';
        r += n.mid(i, 4);
    }
    return r;
}

QString IbanDesdeCcc(const QString& banco, const QString& sucursal, const QString& dc,
                     const QString& cuenta)
{
    if (cuenta.trimmed().isEmpty() || !ValidarCcc(banco, sucursal, dc, cuenta))
        return QString();
    const QString bban = RellenarCeros(banco.trimmed(), 4) + RellenarCeros(sucursal.trimmed(), 4) +
                         RellenarCeros(dc.trimmed(), 2) + RellenarCeros(cuenta.trimmed(), 10);
    return QStringLiteral("ES") + DosCifras(98 - Mod97(bban + QStringLiteral("ES00"))) + bban;
}

Ccc CccDesdeIban(const QString& texto)
{
    const QString iban = NormalizarIban(texto);
    if (!iban.startsWith(QLatin1String("ES")) || !ValidarIban(iban))
        return {};
    Ccc c{iban.mid(4, 4), iban.mid(8, 4), iban.mid(12, 2), iban.mid(14, 10)};
    // An IBAN whose check digits verify may still carry a CCC whose own ones do not.
    if (!ValidarCcc(c.banco, c.sucursal, c.dc, c.cuenta))
        return {};
    return c;
}

QString EntidadIban(const QString& iban)
{
    const QString n = NormalizarIban(iban);
    return n.startsWith(QLatin1String("ES")) && n.size() == 24 ? n.mid(4, 4) : QString();
}

QString NormalizarBic(const QString& bic)
{
    return NormalizarIban(bic);
}

bool ValidarBic(const QString& texto)
{
    const QString bic = NormalizarBic(texto);
    if (bic.size() != 8 && bic.size() != 11)
        return false;
    for (int i = 0; i < 6; ++i)
        if (bic[i] < u'A' || bic[i] > u'Z')
            return false;
    for (qsizetype i = 6; i < bic.size(); ++i)
        if (!EsAlfanumerico(bic[i]))
            return false;
    // What the banks' schema asks of the location code: no 0 or 1 first, no O second.
    return bic[6] != u'0' && bic[6] != u'1' && bic[7] != u'O';
}

QString IdentificadorAcreedor(const QString& nif, const QString& sufijo)
{
    const QString d = NormalizarDocumento(nif);
    if (d.isEmpty() || d.size() > 28 || sufijo.size() != 3 || Mod97(d) < 0 || Mod97(sufijo) < 0)
        return QString();
    return QStringLiteral("ES") + DosCifras(98 - Mod97(d + QStringLiteral("ES00"))) + sufijo + d;
}

bool ValidarIdentificadorAcreedor(const QString& texto)
{
    const QString id = NormalizarIban(texto);
    if (id.size() < 8 || id.size() > 35 || !id[0].isLetter() || !id[1].isLetter())
        return false;
    for (QChar c : id)
        if (!EsAlfanumerico(c))
            return false;
    const int r = Mod97(id.mid(7) + id.left(2) + QStringLiteral("00"));
    return r >= 0 && id.mid(2, 2) == DosCifras(98 - r);
}

CuentaBancaria ArmonizarCuenta(CuentaBancaria c, bool ibanEditado)
{
    c.iban = NormalizarIban(c.iban);
    if (ibanEditado) {
        if (c.iban.startsWith(QLatin1String("ES"))) {
            const Ccc desde = CccDesdeIban(c.iban);
            if (!desde.EsVacia())
                c.ccc = desde;
        } else if (!c.iban.isEmpty()) {
            c.ccc = Ccc{};
        }
        return c;
    }
    if (c.ccc.cuenta.trimmed().isEmpty()) {
        // A Spanish IBAN goes with its account; a foreign one has no CCC to follow.
        if (c.iban.startsWith(QLatin1String("ES")))
            c.iban.clear();
        return c;
    }
    c.iban = IbanDesdeCcc(c.ccc.banco, c.ccc.sucursal, c.ccc.dc, c.ccc.cuenta);
    return c;
}
