#include "cli/cli.h"

std::vector<Subcommand> BillingSubcommands()
{
    return {};
}
