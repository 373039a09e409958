// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArguments.h"

#include <algorithm>
#include <array>

namespace quillog::cli
{

namespace
{

constexpr std::array knownFlags = { "--help", "--ignore-brackets", "--lower-case", "--type-indicator",
    "--comma-freq", "--no-checks", "--separate-qsos", "--dump", "--list", "--match-case", "--whole-cell",
    "--json", "--new", "--received", "--not-in-log", "--swl" };
// Options followed by a value.
constexpr std::array valueOptions = { "--step", "--column", "--from", "--to" };

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
        } else if (!onlyPaths
            && std::find(valueOptions.begin(), valueOptions.end(), word) != valueOptions.end()) {
            if (i + 1 >= argc)
                arguments.error = word + " needs a value";
            else
                arguments.values.emplace_back(word, argv[++i]);
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

std::vector<std::string> CliArguments::valuesOf(const std::string &option) const
{
    std::vector<std::string> found;
    for (const auto &[name, value] : values) {
        if (name == option)
            found.push_back(value);
    }
    return found;
}

} // namespace quillog::cli
