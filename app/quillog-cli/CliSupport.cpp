// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSupport.h"

#include "Commands.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/FormatRegistry.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace quillog::cli
{

// A message on one line: its paragraphs joined by blanks.
std::string oneLine(std::string text)
{
    for (std::size_t at; (at = text.find("\n\n")) != std::string::npos;)
        text.replace(at, 2, " ");
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "quillog-cli: %s\n", oneLine(message).c_str());
    return ExitFailure;
}

// Reads the log as the editor would: its kind judged by its content, UTF-16 read through a copy.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, ReadResult &result)
{
    const ClassifiedLog log = classifyLog(path);
    if (log.reader == nullptr) {
        fail(path + ": " + log.refusal);
        return false;
    }
    RunningFlag progress;
    ReadOptions options;
    options.ignoreBracket = arguments.has("--ignore-brackets");
    result = log.reader->readFile(path, log.wideSource, table, options, progress);
    if (result.ok)
        return true;
    fail(path + ": " + result.message + (result.detail.empty() ? "" : " (" + result.detail + ")"));
    return false;
}

std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

} // namespace quillog::cli
