#include <QDate>
#include <QRegularExpression>
#include <limits>

#include "cli/cli.h"
#include "util/cuentas.h"
#include "util/formato.h"
#include "util/letras.h"
#include "util/nif.h"
#include "util/referencia_inmueble.h"

namespace {

// A field of at most `ancho` digits; the message says whether the text holds something
// else than digits or is too long.
void ComprobarDigitos(const QString& campo, const QString& s, int ancho)
{
    static const QRegularExpression kDigitos(QStringLiteral("^[0-9]+$"));
    if (!kDigitos.match(s).hasMatch())
        throw UsageError{QStringLiteral("%1 solo admite dígitos (0-9) y no puede quedar vacío: «%2»")
                             .arg(campo, s)};
    if (s.size() > ancho)
        throw UsageError{QStringLiteral("%1 debe tener como mucho %2 dígitos: %3").arg(campo).arg(ancho).arg(s)};
}

void ComprobarCuenta(const QString& banco, const QString& sucursal, const QString& cuenta)
{
    ComprobarDigitos(QStringLiteral("El banco"), banco, 4);
    ComprobarDigitos(QStringLiteral("La sucursal"), sucursal, 4);
    ComprobarDigitos(QStringLiteral("La cuenta"), cuenta, 10);
}

int cmdNif(const Args& a)
{
    const QChar letra = a[0].trimmed().isEmpty() ? QChar() : LetraNif(a[0]);
    if (letra.isNull())
        throw UsageError{QStringLiteral("Escriba el número del DNI (solo cifras) o del NIE (X, Y o Z y "
                                        "7 cifras), sin la letra: «%1»").arg(a[0])};
    out() << letra << '\n';
    return kExitOk;
}

int cmdDocumentoValida(const Args& a)
{
    const ComprobacionDocumento c = ComprobarDocumento(a[0]);
    if (c.tipo == TipoDocumento::Otro)
        throw UsageError{QStringLiteral("«%1» no tiene la forma de un DNI, un NIE ni un CIF.").arg(a[0])};
    out() << NombreTipoDocumento(c.tipo) << (c.valido ? " valida" : " no valida") << '\n';
    if (!c.valido)
        err() << c.mensaje << '\n';
    return c.valido ? kExitOk : kExitFailure;
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
        throw UsageError{QStringLiteral("El importe no es válido; escríbalo como 1.234,56, sin pasar "
                                        "de %1: %2").arg(MonedaATexto(Moneda::DeDiezmilesimas(
                                        std::numeric_limits<qint64>::max())), a[0])};
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
        {"nif", "NUMERO", 1, 1, cmdNif, {}, "letra del DNI o del NIE"},
        {"documento-valida", "DOCUMENTO", 1, 1, cmdDocumentoValida, {},
         "comprueba un DNI, NIE o CIF"},
        {"ccc", "BANCO SUCURSAL CUENTA", 3, 3, cmdCcc, {},
         "dígitos de control de una cuenta bancaria"},
        {"ccc-valida", "BANCO SUCURSAL DC CUENTA", 4, 4, cmdCccValida, {},
         "comprueba una cuenta bancaria"},
        {"letras", "IMPORTE", 1, 1, cmdLetras, {}, "un importe escrito en letras"},
        {"fecha-letras", "DD/MM/AAAA", 1, 1, cmdFechaLetras, {}, "una fecha escrita en letras"},
        {"codref", "DIRECCION PISO", 2, 2, cmdCodref, {},
         "código de referencia de un inmueble"},
    };
}
