// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSupport.h"

#include "Commands.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdxReader.h"

#include <cstdio>
#include <filesystem>

namespace quillog::cli
{

// True when the path names an ADX file (by its extension, letter case ignored).
bool isAdxPath(const std::string &path)
{
    constexpr std::string_view extension = ".adx";
    return path.size() >= extension.size()
        && equalsIgnoreCase(std::string_view(path).substr(path.size() - extension.size()), extension);
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "quillog-cli: %s\n", message.c_str());
    return ExitFailure;
}

bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, AdiReadResult &result)
{
    RunningFlag progress;
    AdiReadOptions options;
    options.ignoreBracket = arguments.has("--ignore-brackets");
    result
        = isAdxPath(path) ? readAdxFile(path, table, progress) : readAdiFile(path, table, options, progress);
    if (result.ok)
        return true;
    fail(result.message.empty() ? path + ": No valid entries found." : result.message);
    return false;
}

std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

void addRowNumbers(LogTable &table)
{
    table.insertColumn("#", 0);
    table.setFixedColumnCount(1);
    table.numberRows();
}

} // namespace quillog::cli
