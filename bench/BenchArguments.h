// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace quillog::bench
{

/// What a benchmark measures: the log (a generated one of qsos QSOs when no path is given) and how
/// many runs the median is taken over.
struct BenchArguments {
    int qsos = 100000;
    int runs = 5;
    std::string path;
};

/// Reads "[--qsos N] [--runs R] [FILE]".
BenchArguments parseBenchArguments(int argc, char **argv);

/// The path of the log to measure: the given file, or a generated log of the asked size, made once
/// in the temporary folder and reused afterwards.
std::string benchLogPath(const BenchArguments &arguments);

} // namespace quillog::bench
