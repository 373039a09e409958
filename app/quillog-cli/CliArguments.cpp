// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArguments.h"

#include <algorithm>
#include <array>

namespace quillog::cli
{

namespace
{

constexpr std::array knownFlags = { "--help", "--ignore-brackets", "--lower-case", "--type-indicator",
    "--comma-freq", "--no-checks", "--separate-qsos", "--json" };
constexpr std::array valueOptions = { "--profile" };

bool isValueOption(const std::string &word)
{
    return std::find(valueOptions.begin(), valueOptions.end(), word) != valueOptions.end();
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
        } else if (!onlyPaths && isValueOption(word.substr(0, word.find('=')))) {
            const std::size_t equals = word.find('=');
            if (equals == std::string::npos && i + 1 >= argc)
                arguments.error = word + " needs a value";
            else
                arguments.options[word.substr(0, equals)]
                    = equals == std::string::npos ? argv[++i] : word.substr(equals + 1);
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
