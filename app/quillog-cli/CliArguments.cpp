// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArguments.h"

#include <algorithm>
#include <array>

namespace quillog::cli
{

namespace
{

constexpr std::array knownFlags = { "--help", "--version", "--ignore-brackets", "--lower-case",
    "--type-indicator", "--comma-freq", "--no-checks", "--separate-qsos" };

// Options that take a value, given as "--to adx" or "--to=adx".
constexpr std::array valueOptions = { "--to" };

} // namespace

CliArguments parseArguments(int argc, char **argv)
{
    CliArguments arguments;
    bool onlyPaths = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!onlyPaths && word == "--") {
            onlyPaths = true;
        } else if (!onlyPaths && (word == "-h" || word == "--help")) {
            arguments.flags.insert("--help");
        } else if (const auto option = std::find_if(valueOptions.begin(), valueOptions.end(),
                       [&](std::string_view o) {
                           return word.starts_with(std::string(o) + "=") || word == o;
                       });
                   !onlyPaths && option != valueOptions.end()) {
            const std::size_t equals = word.find('=');
            if (equals != std::string::npos)
                arguments.values[*option] = word.substr(equals + 1);
            else if (i + 1 < argc)
                arguments.values[*option] = argv[++i];
            else
                arguments.error = std::string(*option) + " needs a value";
        } else if (!onlyPaths && word.size() > 1 && word[0] == '-') {
            if (std::find(knownFlags.begin(), knownFlags.end(), word) == knownFlags.end())
                arguments.error = "unknown option " + word;
            arguments.flags.insert(word);
        } else if (arguments.command.empty()) {
            arguments.command = word;
        } else {
            arguments.paths.push_back(word);
        }
    }
    return arguments;
}

} // namespace quillog::cli
