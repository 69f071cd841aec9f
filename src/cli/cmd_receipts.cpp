#include "cli/cli.h"

std::vector<Subcommand> ReceiptsSubcommands()
{
    return {};
}
