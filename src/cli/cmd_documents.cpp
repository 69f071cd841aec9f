#include <QFile>

#include "cli/cli.h"
#include "documents/impresor_texto.h"
#include "util/errores.h"

namespace {

int cmdTextoPdf(const Args& a)
{
    RechazarSalidaSobre(a[1], a[0]);
    int alto = CImpresorTexto::kAltoPorDefecto;
    if (a.has(QStringLiteral("--alto"))) {
        bool ok = false;
        alto = a.option(QStringLiteral("--alto")).toInt(&ok);
        if (!ok || alto < 1 || alto > 200)
            throw UsageError{QStringLiteral("--alto es el tamaño de la letra en puntos, un número de 1 a 200.")};
    }
    QFile entrada(a[0]);
    if (!entrada.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("No se puede leer el archivo %1: %2.").arg(a[0], entrada.errorString()));
    CImpresorTexto impresor(QString::fromUtf8(entrada.readAll()),
                            a.option(QStringLiteral("--titulo"), QStringLiteral("Contrato")),
                            a.has(QStringLiteral("--paginas")));
    impresor.PonerAltoLetra(alto);
    out() << impresor.APdf(a[1]) << '\n';
    return kExitOk;
}

}  // namespace

std::vector<Subcommand> DocumentsSubcommands()
{
    return {
        {"texto-pdf", "ENTRADA.txt SALIDA.pdf [--titulo T] [--paginas] [--alto N]", 2, 2, cmdTextoPdf,
         {{"--titulo", true}, {"--paginas", false}, {"--alto", true}},
         "imprime en PDF un texto (UTF-8)"},
    };
}
