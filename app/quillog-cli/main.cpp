// SPDX-License-Identifier: GPL-3.0-or-later
// quillog-cli: the Quillog engine without a window, for batch work and pipelines.
#include "CliArguments.h"
#include "Commands.h"
#include "core/ProgramInfo.h"

#include <cstdio>

int main(int argc, char **argv)
{
    using namespace quillog::cli;
    const CliArguments arguments = parseArguments(argc, argv);
    if (arguments.has("--help")) {
        std::fputs(usageText(), stdout);
        return ExitSuccess;
    }
    if (arguments.has("--version")) {
        std::printf("quillog-cli %.*s\n", static_cast<int>(quillog::programVersion.size()),
            quillog::programVersion.data());
        return ExitSuccess;
    }
    if (!arguments.error.empty() || arguments.command.empty()) {
        std::fprintf(stderr, "quillog-cli: %s\n",
            arguments.error.empty() ? "no command given" : arguments.error.c_str());
        std::fputs(usageText(), stderr);
        return ExitFailure;
    }
    return runCommand(arguments);
}
