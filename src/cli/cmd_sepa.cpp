#include <QDate>

#include "cli/cli.h"
#include "util/cuentas.h"
#include "util/errores.h"
#include "util/iban.h"
#include "util/nif.h"

namespace {

int cmdIban(const Args& a)
{
    const QString iban = IbanDesdeCcc(a[0], a[1], a[2], a[3]);
    if (iban.isEmpty()) {
        const QString motivo = MensajeCuentaErronea(a[0], a[1], a[2], a[3]);
        throw UserError(motivo.isEmpty()
                            ? QStringLiteral("La cuenta %1 %2 %3 %4 no es una cuenta española válida "
                                             "(4, 4, 2 y 10 dígitos).").arg(a[0], a[1], a[2], a[3])
                            : motivo);
    }
    out() << iban << '\n';
    return kExitOk;
}

int cmdIbanValida(const Args& a)
{
    // The IBAN may come in groups of four, as separate words.
    const QString iban = a.positional.join(QString());
    const QString problema = ProblemaIban(iban);
    out() << (problema.isEmpty() ? "valida" : "no valida") << '\n';
    if (!problema.isEmpty())
        err() << problema.left(1).toUpper() + problema.mid(1) << ".\n";
    return problema.isEmpty() ? kExitOk : kExitFailure;
}

int cmdIdAcreedor(const Args& a)
{
    const QString id = IdentificadorAcreedor(a[0]);
    if (id.isEmpty())
        throw UserError(QStringLiteral("«%1» no es un NIF: solo puede tener letras y cifras.").arg(a[0]));
    out() << id << '\n';
    // The identifier is computed all the same: the bank, not us, registers it.
    const ComprobacionDocumento c = ComprobarDocumento(a[0]);
    if (!c.valido)
        err() << "Aviso: " << (c.mensaje.isEmpty() ? QStringLiteral("«%1» no es un NIF, NIE ni CIF "
                                                                    "español.").arg(a[0])
                                                   : c.mensaje) << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> SepaSubcommands()
{
    return {
        {"iban", "BANCO SUCURSAL DC CUENTA", 4, 4, cmdIban, {}, "IBAN de una cuenta española"},
        {"iban-valida", "IBAN", 1, 9, cmdIbanValida, {}, "comprueba un IBAN de cualquier país"},
        {"id-acreedor", "NIF", 1, 1, cmdIdAcreedor, {},
         "identificador de acreedor SEPA de un NIF"},
    };
}
