#pragma once
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

// Exit codes of rentiva-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The arguments of one subcommand: positional values and --options.
class Args {
public:
    QStringList positional;
    QMap<QString, QString> options;   // "--gris" -> "" for flags; the last value given
    QMap<QString, QStringList> repeated;   // every value given, in order (repeatable options)

    const QString& operator[](int i) const { return positional[i]; }
    int size() const { return int(positional.size()); }
    bool has(const QString& opt) const { return options.contains(opt); }
    QString option(const QString& opt, const QString& porDefecto = QString()) const
    {
        return options.value(opt, porDefecto);
    }
    QStringList values(const QString& opt) const { return repeated.value(opt); }
};

// Misuse of a subcommand: the shared main prints the usage line and exits 2.
struct UsageError {
    QString mensaje;
};

struct OptionSpec {
    const char* name;      // "--notas"
    bool takesValue;
};

struct Subcommand {
    const char* name;
    const char* usage;     // "BANCO SUCURSAL DC CUENTA"
    int minArgs;
    int maxArgs;
    int (*run)(const Args&);
    std::vector<OptionSpec> options = {};
    const char* description = "";   // a few Spanish words for --help
};

// --hoy AAAA-MM-DD, or today's date without it; a UsageError for another form.
QDate LeerHoy(const Args& a);

// A month typed AAAA-MM, as its first day; a UsageError otherwise.
QDate LeerMes(const QString& texto);


QTextStream& out();
QTextStream& err();

// Each subsystem lists its subcommands in its own file.
std::vector<Subcommand> UtilSubcommands();
std::vector<Subcommand> DataSubcommands();
std::vector<Subcommand> AppSubcommands();
std::vector<Subcommand> BillingSubcommands();
std::vector<Subcommand> CobrosSubcommands();
std::vector<Subcommand> ReceiptsSubcommands();
std::vector<Subcommand> BankSubcommands();
std::vector<Subcommand> SepaSubcommands();
std::vector<Subcommand> ReportsSubcommands();
std::vector<Subcommand> DocumentsSubcommands();
std::vector<Subcommand> MailingSubcommands();
std::vector<Subcommand> UpdateSubcommands();
std::vector<Subcommand> PropertiesSubcommands();
