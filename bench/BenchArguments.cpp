// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchArguments.h"

#include "LogGenerator.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace quillog::bench
{

BenchArguments parseBenchArguments(int argc, char **argv)
{
    BenchArguments arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--qsos") == 0 && i + 1 < argc)
            arguments.qsos = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            arguments.runs = std::max(1, std::atoi(argv[++i]));
        else
            arguments.path = argv[i];
    }
    return arguments;
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
