#include "cli/cli.h"

std::vector<Subcommand> DataSubcommands()
{
    return {};
}
