#include <QDate>
#include <QDateTime>

#include "bank/remesa_sepa.h"
#include "billing/facturaciones.h"
#include "cli/cli.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "data/workspace.h"
#include "settings/ajustes.h"
#include "util/formato.h"
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

int cmdSepa(const Args& a)
{
    const QDate mes = LeerMes(a[2]);
    QDate cargo = ProponerFechaCobro(mes, LeerAjustesRecibo().vencimiento);
    if (a.has(QStringLiteral("--cargo"))) {
        cargo = QDate::fromString(a.option(QStringLiteral("--cargo")), QStringLiteral("dd/MM/yyyy"));
        if (!cargo.isValid())
            throw UsageError{QStringLiteral("La fecha de cargo debe escribirse DD/MM/AAAA, por ejemplo 05/03/2024.")};
    }
    ComprobarSalidas({a[0]}, {a[3]});
    Database db = AbrirWorkspace(a[0]);
    const ResultadoSepa r = GenerarRemesaSepa(db, a[1], mes, QDateTime::currentDateTime(), cargo, a[3],
                                              a.has(QStringLiteral("--marcar")));
    out() << r.recibos << '\n' << MonedaATexto(r.total) << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> SepaSubcommands()
{
    return {
        {"sepa", "FICHERO.rtv PROPIETARIO AAAA-MM SALIDA.xml [--cargo DD/MM/AAAA] [--marcar]", 4, 4,
         cmdSepa, {{"--cargo", true}, {"--marcar", false}},
         "adeudos SEPA (pain.008.001.02) de un propietario"},
        {"iban", "BANCO SUCURSAL DC CUENTA", 4, 4, cmdIban, {}, "IBAN de una cuenta española"},
        {"iban-valida", "IBAN", 1, 9, cmdIbanValida, {}, "comprueba un IBAN de cualquier país"},
        {"id-acreedor", "NIF", 1, 1, cmdIdAcreedor, {},
         "identificador de acreedor SEPA de un NIF"},
    };
}
