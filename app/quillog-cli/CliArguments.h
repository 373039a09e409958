// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillog::cli
{

/// The command line split into the command, its paths and its flags; flags may stand anywhere.
struct CliArguments {
    std::string command;
    std::vector<std::string> paths;
    std::set<std::string> flags;
    std::map<std::string, std::string> values; ///< options with a value, such as --to adx
    std::string error; ///< set when the line cannot be understood

    bool has(const std::string &flag) const { return flags.count(flag) != 0; }
    /// The value of an option with a value, empty when it was not given.
    std::string value(const std::string &option) const
    {
        const auto found = values.find(option);
        return found == values.end() ? std::string() : found->second;
    }
};

CliArguments parseArguments(int argc, char **argv);

} // namespace quillog::cli
