// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace quillog::bench
{

/// What a benchmark measures: the log (a generated one of qsos QSOs when no path is given) and how
/// many runs the median is taken over. error says what was wrong with the arguments; help is set by
/// --help or -h.
struct BenchArguments {
    int qsos = 100000;
    int runs = 5;
    std::string path;
    std::string error;
    bool help = false;
};

/// Reads "[--qsos N] [--runs R] [FILE]"; N and R must be positive numbers and FILE an existing file.
BenchArguments parseBenchArguments(int argc, char **argv);

/// Exit code of a benchmark started with wrong arguments or --help.
inline constexpr int usageExitCode = 2;

/// Prints the error (when there is one) and the usage line to standard error; returns usageExitCode.
int printUsage(const char *program, const BenchArguments &arguments, const char *usage);

/// The path of the log to measure: the given file, or a generated log of the asked size, made once
/// in the temporary folder and reused afterwards.
std::string benchLogPath(const BenchArguments &arguments);

} // namespace quillog::bench
