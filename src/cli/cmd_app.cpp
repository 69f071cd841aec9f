#include "cli/cli.h"

std::vector<Subcommand> AppSubcommands()
{
    return {};
}
