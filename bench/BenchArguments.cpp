// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchArguments.h"

#include "LogGenerator.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quillog::bench
{

namespace
{

// A positive count, or 0 for anything else.
int countOf(const char *text)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return end != text && *end == 0 && value > 0 && value <= 100000000 ? static_cast<int>(value) : 0;
}

} // namespace

BenchArguments parseBenchArguments(int argc, char **argv)
{
    BenchArguments arguments;
    for (int i = 1; i < argc && arguments.error.empty() && !arguments.help; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            arguments.help = true;
        } else if (argument == "--qsos" || argument == "--runs") {
            const int count = i + 1 < argc ? countOf(argv[++i]) : 0;
            if (count == 0)
                arguments.error = argument + " needs a positive number";
            (argument == "--qsos" ? arguments.qsos : arguments.runs) = count;
        } else if (argument.size() > 1 && argument[0] == '-') {
            arguments.error = "unknown option " + argument;
        } else if (!arguments.path.empty()) {
            arguments.error = "only one log can be measured";
        } else if (std::error_code error; !std::filesystem::is_regular_file(argument, error)) {
            arguments.error = "no such file: " + argument;
        } else {
            arguments.path = argument;
        }
    }
    return arguments;
}

int printUsage(const char *program, const BenchArguments &arguments, const char *usage)
{
    if (!arguments.error.empty())
        std::fprintf(stderr, "%s: %s\n", program, arguments.error.c_str());
    std::fprintf(stderr, "usage: %s %s\n", program, usage);
    return usageExitCode;
}

std::string benchLogPath(const BenchArguments &arguments)
{
    if (!arguments.path.empty())
        return arguments.path;
    const std::string name = "quillog-bench-" + std::to_string(arguments.qsos) + ".adi";
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "generating %s ...\n", path.c_str());
        std::ofstream(path, std::ios::binary) << generateAdiLog(arguments.qsos);
    }
    return path;
}

} // namespace quillog::bench
