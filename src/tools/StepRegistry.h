// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;
class UndoJournal;
struct BandPlan;
struct ValueLists;

/// What the steps of a batch work on: the table with its "#" column, its journal, and what the tools
/// read besides (lists, band plan, the comma setting, the progress of long tools).
struct StepContext {
    LogTable &table;
    UndoJournal &journal;
    const ValueLists &lists;
    const BandPlan &bandPlan;
    bool commaFrequency = false;
    Progress &progress;
};

/// A step's words after its name, with the readings the steps share.
class StepArguments
{
public:
    StepArguments(const LogTable &table, std::vector<std::string> words);

    std::size_t size() const { return m_words.size(); }
    const std::string &operator[](std::size_t index) const { return m_words[index]; }
    /// The column the word names: the leftmost column whose header equals it, letter case ignored, or
    /// "@N", the Nth column after "#". -1 when there is none.
    int column(std::size_t index) const;
    /// True when one of the words from index on is the flag.
    bool hasFlag(std::string_view flag, std::size_t from) const;

private:
    const LogTable &m_table;
    std::vector<std::string> m_words;
};

/// Runs one step; a warning result means the step could not run (nothing was changed).
using StepFunction = std::function<ToolResult(StepContext &context, const StepArguments &arguments)>;

/// One named step: its arguments as "--list" shows them, how many it takes and what it runs.
struct Step {
    std::string name;
    std::string arguments;
    std::size_t minimum = 0;
    std::size_t maximum = 0;
    StepFunction run;
};

struct StepOutcome {
    bool ok = true;
    /// Why the step could not run, or a message of the tool to show.
    std::string message;
    ToolResult result;
};

/// The steps a batch can name, in the order they were added.
class StepRegistry
{
public:
    void add(Step step);
    const Step *find(std::string_view name) const;
    const std::vector<Step> &steps() const { return m_steps; }

    /// Splits the line, finds the step, checks its argument count and runs it.
    StepOutcome run(std::string_view line, StepContext &context) const;

private:
    std::vector<Step> m_steps;
};

/// A step line split at blanks; single or double quotes hold blanks (and the other quote) together.
/// Sets error for an unclosed quote.
std::vector<std::string> splitStepLine(std::string_view line, std::string &error);

} // namespace quillog
