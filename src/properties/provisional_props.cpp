#include "properties/provisional_props.h"

namespace provisional_props {

namespace {

bool SoloDigitos(const QString& s, int max)
{
    if (s.trimmed().size() > max)
        return false;
    for (QChar c : s.trimmed())
        if (!c.isDigit())
            return false;
    return true;
}

int Digito(const QString& diez)
{
    static const int kPesos[10] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += (diez.at(i).unicode() - '0') * kPesos[i];
    const int d = 11 - suma % 11;
    return d == 11 ? 0 : d == 10 ? 1 : d;
}

}  // namespace

bool ValidarCcc(const QString& banco, const QString& sucursal, const QString& dc,
                const QString& cuenta)
{
    if (!SoloDigitos(banco, 4) || !SoloDigitos(sucursal, 4) || !SoloDigitos(cuenta, 10) ||
        !SoloDigitos(dc, 2))
        return false;
    const QString primero = QStringLiteral("00") + banco.trimmed().rightJustified(4, u'0') +
                            sucursal.trimmed().rightJustified(4, u'0');
    const QString calculado = QString::number(Digito(primero)) +
                              QString::number(Digito(cuenta.trimmed().rightJustified(10, u'0')));
    return calculado == dc.trimmed().rightJustified(2, u'0');
}

QString CodigoReferencia(const QString& direccion, const QString& piso)
{
    return direccion.simplified().left(6).leftJustified(6, u' ') +
           piso.simplified().left(6).leftJustified(6, u' ');
}

}  // namespace provisional_props
