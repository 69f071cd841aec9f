#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <cstdio>
#include <exception>

#include "cli/cli.h"
#include "util/errores.h"

QDate LeerMes(const QString& texto)
{
    static const QRegularExpression kMes(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto m = kMes.match(texto);
    const QDate mes = m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), 1) : QDate();
    if (!mes.isValid())
        throw UsageError{QStringLiteral("El mes debe escribirse AAAA-MM, por ejemplo 2024-03.")};
    return mes;
}

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

namespace {

// Qt's own diagnostics are English and would precede (or be mistaken for) the Spanish messages
// of the contract on standard error; they are kept only when RENTIVA_DEPURAR is set.
void FiltrarMensajesQt(QtMsgType tipo, const QMessageLogContext&, const QString& mensaje)
{
    if (tipo == QtFatalMsg || tipo == QtCriticalMsg || !qEnvironmentVariableIsEmpty("RENTIVA_DEPURAR")) {
        fprintf(stderr, "%s\n", qPrintable(mensaje));
        fflush(stderr);
    }
}

std::vector<Subcommand> AllSubcommands()
{
    std::vector<Subcommand> all;
    for (auto list : {UtilSubcommands(), DataSubcommands(), AppSubcommands(), BillingSubcommands(),
                      PropertiesSubcommands(), CobrosSubcommands(), ReceiptsSubcommands(), BankSubcommands(),
                      SepaSubcommands(), ReportsSubcommands(), DocumentsSubcommands(), MailingSubcommands(),
                      UpdateSubcommands()})
        all.insert(all.end(), list.begin(), list.end());
    return all;
}

void PrintUsage(QTextStream& s, const Subcommand& c)
{
    s << "uso: rentiva-cli " << c.name;
    if (*c.usage)
        s << ' ' << c.usage;
    // A usage text may already show its options with better names than VALOR.
    const QString usage = QString::fromUtf8(c.usage);
    for (const auto& o : c.options)
        if (!usage.contains(QStringLiteral("[%1").arg(QLatin1String(o.name))))
            s << " [" << o.name << (o.takesValue ? " VALOR" : "") << ']';
    s << '\n';
}

void PrintAll(QTextStream& s, const std::vector<Subcommand>& all)
{
    s << "uso: rentiva-cli ORDEN [ARGUMENTOS]\n"
         "     rentiva-cli --version | --help | -h\n"
         "órdenes:\n";
    for (const auto& c : all) {
        QString linea = QStringLiteral("  ") + QLatin1String(c.name);
        if (*c.usage)
            linea += u' ' + QString::fromUtf8(c.usage);
        s << linea.leftJustified(48) << "  " << QString::fromUtf8(c.description) << '\n';
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Printing to PDF needs a GUI application object; no display is used.
    qInstallMessageHandler(FiltrarMensajesQt);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt would take "-reverse", "-style X" and the like as its own options: it sees only the
    // program's name, and every word reaches the subcommand, a file named "-style" too.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words << QFile::decodeName(argv[i]);
        // Qt cannot carry bytes that are not UTF-8 in a name: it would read or write
        // another file than the one named.
        if (QFile::encodeName(words.last()) != QByteArray(argv[i])) {
            err() << "El nombre «" << words.last() << "» no es texto UTF-8 válido y no se puede usar "
                     "tal cual. Cambie el nombre del archivo y vuelva a intentarlo.\n";
            err().flush();
            return kExitUsage;
        }
    }
    const auto all = AllSubcommands();

    if (!words.isEmpty() && words[0] == QLatin1String("--version")) {
        out() << "rentiva-cli " << RENTIVA_VERSION << '\n';
        out().flush();
        return kExitOk;
    }
    if (words.isEmpty() || words[0] == QLatin1String("--help") || words[0] == QLatin1String("-h")
        || words[0] == QLatin1String("ayuda")) {
        PrintAll(words.isEmpty() ? err() : out(), all);
        out().flush();
        err().flush();
        return words.isEmpty() ? kExitUsage : kExitOk;
    }

    const Subcommand* cmd = nullptr;
    for (const auto& c : all)
        if (words[0] == QLatin1String(c.name))
            cmd = &c;
    if (!cmd) {
        err() << "Orden desconocida: " << words[0] << '\n';
        PrintAll(err(), all);
        err().flush();
        return kExitUsage;
    }

    Args args;
    bool onlyPositional = false;
    for (int i = 1; i < words.size(); ++i) {
        const QString& w = words[i];
        if (!onlyPositional && w == QLatin1String("--")) {
            onlyPositional = true;
            continue;
        }
        if (!onlyPositional && w.startsWith(QLatin1String("--"))) {
            const OptionSpec* spec = nullptr;
            for (const auto& o : cmd->options)
                if (w == QLatin1String(o.name))
                    spec = &o;
            if (!spec) {
                err() << "Opción desconocida: " << w << '\n';
                PrintUsage(err(), *cmd);
                err().flush();
                return kExitUsage;
            }
            if (spec->takesValue) {
                if (i + 1 >= words.size()) {
                    err() << "Falta el valor de la opción " << w << '\n';
                    PrintUsage(err(), *cmd);
                    err().flush();
                    return kExitUsage;
                }
                args.options[w] = words[++i];
                args.repeated[w] << words[i];
            } else {
                args.options[w] = QString();
            }
            continue;
        }
        args.positional << w;
    }
    if (args.size() < cmd->minArgs || args.size() > cmd->maxArgs) {
        err() << "Número de argumentos incorrecto.\n";
        PrintUsage(err(), *cmd);
        err().flush();
        return kExitUsage;
    }

    int rc = kExitFailure;
    try {
        rc = cmd->run(args);
    } catch (const UsageError& e) {
        err() << e.mensaje << '\n';
        PrintUsage(err(), *cmd);
        rc = kExitUsage;
    } catch (const std::exception& e) {
        err() << TextoError(e) << '\n';
        rc = kExitFailure;
    }
    out().flush();
    err().flush();
    return rc;
}
