#include "util/nif.h"

#include <QRegularExpression>

#include "util/texto.h"

namespace {

const char kLetras[] = "TRWAGMYFPDXBNJZSQVHLCKE";
const char kLetrasCif[] = "JABCDEFGHI";

QChar LetraDe(qint64 n)
{
    return QChar::fromLatin1(kLetras[n % 23]);
}

ComprobacionDocumento Resultado(TipoDocumento tipo, bool valido, const QString& control,
                                const QString& mensaje)
{
    return {tipo, valido, control, valido ? QString() : mensaje};
}

}  // namespace

QChar LetraNif(const QString& numero)
{
    QString t = numero.trimmed();
    if (!t.isEmpty()) {
        const int nie = QStringLiteral("XYZ").indexOf(t[0].toUpper());
        if (nie >= 0)
            t = QString::number(nie) + t.mid(1);
    }
    if (t.startsWith(u'-'))
        return QChar();
    for (QChar c : t)
        if ((c < u'0' || c > u'9') && !QStringLiteral(".-/_, ").contains(c))
            return QChar();
    bool ok = true;
    const qint64 n = TextoAEntero(t, &ok);
    if (!ok || n < 0)
        return QChar();
    return LetraDe(n);
}

ComprobacionDocumento ComprobarDocumento(const QString& texto)
{
    const QString d = NormalizarDocumento(texto);
    // A NIF may be written without its leading zeros; K, L and M numbers (Spaniards without a
    // DNI) carry the letter of their seven digits.
    static const QRegularExpression kDni(QStringLiteral("^[0-9]{1,8}[A-Z]$"));
    static const QRegularExpression kKlm(QStringLiteral("^[KLM][0-9]{7}[A-Z]$"));
    static const QRegularExpression kNie(QStringLiteral("^[XYZ][0-9]{7}[A-Z]$"));
    static const QRegularExpression kCif(QStringLiteral("^[ABCDEFGHJNPQRSUVW][0-9]{7}[0-9A-J]$"));
    if (d.isEmpty())
        return {};
    const QChar primero = d[0];
    // Only the shape of the start decides the kind: a word such as a passport's is not checked.
    if (d.size() < 2 || !d[1].isDigit())
        return {};
    if (primero.isDigit() || kKlm.match(d).hasMatch()) {
        if (!kDni.match(d).hasMatch() && !kKlm.match(d).hasMatch())
            return Resultado(TipoDocumento::Dni, false, QString(),
                             QStringLiteral("El DNI %1 debe tener 8 cifras y una letra.").arg(texto.trimmed()));
        const QString numero = d.chopped(1);
        const QString letra(LetraNif(primero.isDigit() ? numero : numero.mid(1)));
        return Resultado(TipoDocumento::Dni, d.back() == letra[0], letra,
                         QStringLiteral("La letra del DNI %1 no es correcta: para %2 es %3.")
                             .arg(texto.trimmed(), numero, letra));
    }
    if (QStringLiteral("XYZ").contains(primero)) {
        if (!kNie.match(d).hasMatch())
            return Resultado(TipoDocumento::Nie, false, QString(),
                             QStringLiteral("El NIE %1 debe tener una X, Y o Z, 7 cifras y una letra.")
                                 .arg(texto.trimmed()));
        const QString letra(LetraNif(d.left(8)));
        return Resultado(TipoDocumento::Nie, d.back() == letra[0], letra,
                         QStringLiteral("La letra del NIE %1 no es correcta: para %2 es %3.")
                             .arg(texto.trimmed(), d.left(8), letra));
    }
    if (QStringLiteral("ABCDEFGHJNPQRSUVW").contains(primero)) {
        if (!kCif.match(d).hasMatch())
            return Resultado(TipoDocumento::Cif, false, QString(),
                             QStringLiteral("El CIF %1 debe tener una letra, 7 cifras y un dígito o letra de control.")
                                 .arg(texto.trimmed()));
        const int digito = DigitoControlCif(d.mid(1, 7));
        const QChar letra = QChar::fromLatin1(kLetrasCif[digito]);
        const QString control = QString::number(digito) + QStringLiteral(" o ") + letra;
        const bool ok = d.back() == QChar(u'0' + digito) || d.back() == letra;
        return Resultado(TipoDocumento::Cif, ok, QString::number(digito) + letra,
                         QStringLiteral("El carácter de control del CIF %1 no es correcto: para %2 es %3.")
                             .arg(texto.trimmed(), d.left(8), control));
    }
    return {};
}

// Odd positions doubled (digits of the product summed), even ones added, and ten minus
// the last digit of the sum.
int DigitoControlCif(const QString& siete)
{
    int suma = 0;
    for (int i = 0; i < 7 && i < siete.size(); ++i) {
        int d = siete[i].digitValue();
        if (i % 2 == 0) {
            d *= 2;
            d = d / 10 + d % 10;
        }
        suma += d;
    }
    return (10 - suma % 10) % 10;
}

QString NombreTipoDocumento(TipoDocumento t)
{
    switch (t) {
    case TipoDocumento::Dni: return QStringLiteral("DNI");
    case TipoDocumento::Nie: return QStringLiteral("NIE");
    case TipoDocumento::Cif: return QStringLiteral("CIF");
    case TipoDocumento::Otro: break;
    }
    return QString();
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

bool DocumentoValido(const QString& documento)
{
    return ComprobarDocumento(documento).valido;
}

bool TipoDocumentoComprobable(const QString& tipo)
{
    const QString t = NormalizarDocumento(tipo);
    return !t.startsWith(QLatin1String("PASAPORTE")) && t != QLatin1String("OTRO") &&
           !t.startsWith(QLatin1String("EXTRANJER"));
}
