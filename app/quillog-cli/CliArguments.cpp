// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArguments.h"

#include <algorithm>
#include <array>

namespace quillog::cli
{

namespace
{

constexpr std::array knownFlags = { "--help", "--ignore-brackets", "--lower-case", "--type-indicator",
    "--comma-freq", "--no-checks", "--separate-qsos", "--grid" };
constexpr std::array valueOptions = { "--separator" };

bool takesValue(const std::string &name)
{
    return std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
}

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
        } else if (const std::size_t equals = word.find('=');
                   !onlyPaths && equals != std::string::npos && takesValue(word.substr(0, equals))) {
            arguments.values[word.substr(0, equals)] = word.substr(equals + 1);
        } else if (!onlyPaths && takesValue(word)) {
            if (i + 1 < argc)
                arguments.values[word] = argv[++i];
            else
                arguments.error = word + " needs a value";
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
