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
    std::map<std::string, std::string>
        options; ///< options with a value: "--profile lotw" or "--profile=lotw"
    std::string error; ///< set when the line cannot be understood

    bool has(const std::string &flag) const { return flags.count(flag) != 0; }
    std::string option(const std::string &name, const std::string &fallback) const
    {
        const auto found = options.find(name);
        return found == options.end() ? fallback : found->second;
    }
};

CliArguments parseArguments(int argc, char **argv);

} // namespace quillog::cli
