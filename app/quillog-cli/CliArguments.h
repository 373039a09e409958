// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quillog::cli
{

/// The command line split into the command, its paths and its flags; flags may stand anywhere.
struct CliArguments {
    std::string command;
    std::vector<std::string> paths;
    std::set<std::string> flags;
    /// The values of options that take one, in order: "--step" may stand several times.
    std::vector<std::pair<std::string, std::string>> values;
    std::string error; ///< set when the line cannot be understood

    bool has(const std::string &flag) const { return flags.count(flag) != 0; }
    /// Every value given to the option, in order.
    std::vector<std::string> valuesOf(const std::string &option) const;
    /// The last value given to the option, empty when it was not given.
    std::string value(const std::string &option) const;
};

CliArguments parseArguments(int argc, char **argv);

} // namespace quillog::cli
