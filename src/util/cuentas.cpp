#include "util/cuentas.h"
#include "util/texto.h"

namespace {

constexpr int kPesos[10] = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};

bool SoloDigitos(const QString& s, int ancho)
{
    if (s.size() > ancho)
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// s mod 11 mapped to one digit: 11 - r, where 10 reads 1 and 11 reads 0.
QChar Digito(int suma)
{
    int d = 11 - suma % 11;
    if (d == 10)
        d = 1;
    else if (d == 11)
        d = 0;
    return QChar(u'0' + d);
}

}  // namespace

bool CccCalculable(const QString& banco, const QString& sucursal, const QString& cuenta)
{
    return SoloDigitos(banco.trimmed(), 4) && SoloDigitos(sucursal.trimmed(), 4) &&
           SoloDigitos(cuenta.trimmed(), 10);
}

QString DigitosControlCcc(const QString& banco, const QString& sucursal, const QString& cuenta)
{
    if (!CccCalculable(banco, sucursal, cuenta))
        return kDcErroneo;
    const QString entidad = RellenarCeros(banco.trimmed(), 4) + RellenarCeros(sucursal.trimmed(), 4);
    const QString numero = RellenarCeros(cuenta.trimmed(), 10);
    int suma1 = 0;
    for (int i = 0; i < 8; ++i)
        suma1 += (entidad[i].unicode() - u'0') * kPesos[7 - i];
    int suma2 = 0;
    for (int i = 0; i < 10; ++i)
        suma2 += (numero[i].unicode() - u'0') * kPesos[9 - i];
    return QString(Digito(suma1)) + Digito(suma2);
}

bool ValidarCcc(const QString& banco, const QString& sucursal, const QString& dc,
                const QString& cuenta)
{
    const QString d = dc.trimmed();
    if (!SoloDigitos(d, 2) || !CccCalculable(banco, sucursal, cuenta))
        return false;
    return RellenarCeros(d, 2) == DigitosControlCcc(banco, sucursal, cuenta);
}

QString MensajeCuentaErronea(const QString& banco, const QString& sucursal, const QString& dc,
                             const QString& cuenta)
{
    if (cuenta.trimmed().isEmpty() || !CccCalculable(banco, sucursal, cuenta) ||
        ValidarCcc(banco, sucursal, dc, cuenta))
        return QString();
    const QString correctos = DigitosControlCcc(banco, sucursal, cuenta);
    return QStringLiteral("Los dígitos de control de la cuenta %1 %2 %3 %4 no son correctos: para "
                          "ese banco, sucursal y cuenta son %5. Corrija el DC o la cuenta; si la "
                          "guarda así, su DC quedará como «**» y sus recibos no se podrán cobrar "
                          "por el banco.")
        .arg(banco.trimmed(), sucursal.trimmed(), dc.trimmed().isEmpty() ? QStringLiteral("--") : dc.trimmed(),
             cuenta.trimmed(), correctos);
}
