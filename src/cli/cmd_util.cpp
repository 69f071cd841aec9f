#include "cli/cli.h"

std::vector<Subcommand> UtilSubcommands()
{
    return {};
}
