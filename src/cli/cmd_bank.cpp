#include "cli/cli.h"

std::vector<Subcommand> BankSubcommands()
{
    return {};
}
