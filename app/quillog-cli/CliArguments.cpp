// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArguments.h"

#include <algorithm>
#include <array>

namespace quillog::cli
{

namespace
{

constexpr std::array knownFlags
    = { "--help", "--version", "--ignore-brackets", "--lower-case", "--type-indicator", "--comma-freq",
          "--no-checks", "--separate-qsos", "--dump", "--list", "--match-case", "--whole-cell", "--grid",
          "--json", "--new", "--received", "--not-in-log", "--swl", "--replace", "--time-on" };
// Options followed by a value, given as "--to adx" or "--to=adx". Each command reads a value in its own
// meaning: --to is the format written for convert and apply, the last day kept for eqsl-compare.
constexpr std::array valueOptions
    = { "--step", "--column", "--to", "--separator", "--from", "--profile", "--filters", "--call", "--date",
          "--time", "--band", "--mode", "--rst-sent", "--rst-rcvd", "--name", "--qth", "--gridsquare" };

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
                arguments.values.emplace_back(*option, word.substr(equals + 1));
            else if (i + 1 < argc)
                arguments.values.emplace_back(*option, argv[++i]);
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

std::vector<std::string> CliArguments::valuesOf(const std::string &option) const
{
    std::vector<std::string> found;
    for (const auto &[name, value] : values) {
        if (name == option)
            found.push_back(value);
    }
    return found;
}

std::string CliArguments::value(const std::string &option) const
{
    const std::vector<std::string> given = valuesOf(option);
    return given.empty() ? std::string() : given.back();
}

} // namespace quillog::cli
