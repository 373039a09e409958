// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/StepRegistry.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <algorithm>

namespace quillog
{

StepArguments::StepArguments(const LogTable &table, std::vector<std::string> words)
    : m_table(table)
    , m_words(std::move(words))
{
}

int StepArguments::column(std::size_t index) const
{
    if (index >= m_words.size())
        return -1;
    const std::string &reference = m_words[index];
    const int first = m_table.fixedColumnCount();
    if (reference.size() > 1 && reference[0] == '@'
        && std::all_of(reference.begin() + 1, reference.end(), [](char c) { return isDigit(c); })) {
        const long long number = leadingInteger(std::string_view(reference).substr(1));
        return number >= 1 && number <= m_table.columnCount() - first ? first + int(number) - 1 : -1;
    }
    for (int column = first; column < m_table.columnCount(); ++column) {
        if (equalsIgnoreCase(m_table.text(0, column), reference))
            return column;
    }
    return -1;
}

bool StepArguments::hasFlag(std::string_view flag, std::size_t from) const
{
    return from < m_words.size()
        && std::find(m_words.begin() + long(from), m_words.end(), flag) != m_words.end();
}

void StepRegistry::add(Step step)
{
    m_steps.push_back(std::move(step));
}

const Step *StepRegistry::find(std::string_view name) const
{
    const auto step
        = std::find_if(m_steps.begin(), m_steps.end(), [name](const Step &s) { return s.name == name; });
    return step == m_steps.end() ? nullptr : &*step;
}

StepOutcome StepRegistry::run(std::string_view line, StepContext &context) const
{
    std::string error;
    std::vector<std::string> words = splitStepLine(line, error);
    if (!error.empty())
        return { false, error, {} };
    if (words.empty())
        return { false, "empty step", {} };
    const Step *step = find(words.front());
    if (step == nullptr)
        return { false, "unknown step " + words.front(), {} };
    words.erase(words.begin());
    if (words.size() < step->minimum || words.size() > step->maximum) {
        const std::string usage = step->arguments.empty() ? step->name : step->name + " " + step->arguments;
        return { false, "usage: " + usage, {} };
    }
    StepOutcome outcome;
    outcome.result = step->run(context, StepArguments(context.table, std::move(words)));
    outcome.ok = !(outcome.result.messageKind == BoxKind::Warning && !outcome.result.message.empty()
        && !outcome.result.changedAnything());
    outcome.message = outcome.result.message;
    return outcome;
}

std::vector<std::string> splitStepLine(std::string_view line, std::string &error)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        if (at >= line.size())
            return words;
        std::string word;
        while (at < line.size() && !isBlank(line[at])) {
            const char c = line[at++];
            if (c != '\'' && c != '"') {
                word += c;
                continue;
            }
            const std::size_t close = line.find(c, at);
            if (close == std::string_view::npos) {
                error = "unclosed quote in step: " + std::string(line);
                return words;
            }
            word.append(line.substr(at, close - at));
            at = close + 1;
        }
        words.push_back(std::move(word));
    }
}

} // namespace quillog
