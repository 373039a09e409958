// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the command-line tool as an operator would, for the tests of its commands.

#include "TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quillog::test
{

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// environment: assignments put before the command, such as "XDG_DATA_HOME=/tmp/x".
inline CliRun cli(const std::string &arguments, const std::string &environment = "")
{
    // One file per process: ctest may run the tests of this file side by side.
    const std::filesystem::path errors
        = std::filesystem::temp_directory_path() / ("quillog-cli-test-" + std::to_string(getpid()) + ".err");
    const std::string command
        = environment + " " + std::string(QUILLOG_CLI) + " " + arguments + " 2>" + errors.string();
    CliRun run;
    FILE *pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = fileContents(errors);
    return run;
}

inline std::string quoted(const std::string &path)
{
    return "'" + path + "'";
}

} // namespace quillog::test
