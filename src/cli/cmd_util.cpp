#include <QDate>
#include <QRegularExpression>

#include "cli/cli.h"
#include "util/cuentas.h"
#include "util/formato.h"
#include "util/letras.h"
#include "util/nif.h"
#include "util/referencia_inmueble.h"

namespace {

bool SonDigitos(const QString& s, int ancho)
{
    static const QRegularExpression kDigitos(QStringLiteral("^[0-9]*$"));
    return s.size() <= ancho && kDigitos.match(s).hasMatch();
}

void ComprobarCuenta(const QString& banco, const QString& sucursal, const QString& cuenta)
{
    if (!SonDigitos(banco, 4))
        throw UsageError{QStringLiteral("El banco debe tener como mucho 4 dígitos: %1").arg(banco)};
    if (!SonDigitos(sucursal, 4))
        throw UsageError{QStringLiteral("La sucursal debe tener como mucho 4 dígitos: %1").arg(sucursal)};
    if (!SonDigitos(cuenta, 10))
        throw UsageError{QStringLiteral("La cuenta debe tener como mucho 10 dígitos: %1").arg(cuenta)};
}

int cmdNif(const Args& a)
{
    const QChar letra = LetraNif(a[0]);
    if (letra.isNull())
        throw UsageError{QStringLiteral("El NIF debe ser un número sin signo ni letras: %1").arg(a[0])};
    out() << letra << '\n';
    return kExitOk;
}

int cmdCcc(const Args& a)
{
    ComprobarCuenta(a[0], a[1], a[2]);
    out() << DigitosControlCcc(a[0], a[1], a[2]) << '\n';
    return kExitOk;
}

int cmdCccValida(const Args& a)
{
    ComprobarCuenta(a[0], a[1], a[3]);
    if (a[2].size() > 2)
        throw UsageError{QStringLiteral("El DC debe tener como mucho 2 caracteres: %1").arg(a[2])};
    const bool ok = ValidarCcc(a[0], a[1], a[2], a[3]);
    out() << (ok ? "valida" : "no valida") << '\n';
    return ok ? kExitOk : kExitFailure;
}

int cmdLetras(const Args& a)
{
    bool ok = false;
    const Moneda importe = TextoAMoneda(a[0], &ok);
    if (!ok)
        throw UsageError{QStringLiteral("El importe no es válido; escríbalo como 1.234,56: %1").arg(a[0])};
    out() << ImporteEnLetras(importe).trimmed() << '\n';
    return kExitOk;
}

int cmdFechaLetras(const Args& a)
{
    static const QRegularExpression kFecha(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const auto m = kFecha.match(a[0]);
    const QDate fecha = m.hasMatch()
        ? QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()) : QDate();
    if (!fecha.isValid())
        throw UsageError{QStringLiteral("La fecha no es válida; escríbala DD/MM/AAAA: %1").arg(a[0])};
    out() << FechaEnLetras(fecha) << '\n';
    return kExitOk;
}

int cmdCodref(const Args& a)
{
    out() << CReferenciaInmueble(a[0], a[1]).Codigo() << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> UtilSubcommands()
{
    return {
        {"nif", "NUMERO", 1, 1, cmdNif},
        {"ccc", "BANCO SUCURSAL CUENTA", 3, 3, cmdCcc},
        {"ccc-valida", "BANCO SUCURSAL DC CUENTA", 4, 4, cmdCccValida},
        {"letras", "IMPORTE", 1, 1, cmdLetras},
        {"fecha-letras", "DD/MM/AAAA", 1, 1, cmdFechaLetras},
        {"codref", "DIRECCION PISO", 2, 2, cmdCodref},
    };
}
