// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TimeConversion.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/NameIndex.h"
#include "tools/UndoSteps.h"

namespace quillog
{

namespace
{

bool hasColonAt(std::string_view text, std::size_t position)
{
    return text.size() > position && text[position] == ':';
}

} // namespace

const std::array<std::string_view, 6> &timeTemplateNames()
{
    static constexpr std::array<std::string_view, 6> names { "HH:MM", "HH:MM:SS", "HHMM", "HHMMSS", "HH",
        "MM" };
    return names;
}

const std::array<std::string_view, 2> &timeTargetNames()
{
    static constexpr std::array<std::string_view, 2> names { "HHMM", "HHMMSS" };
    return names;
}

std::optional<TimeTemplate> timeTemplateNamed(std::string_view name)
{
    return choiceNamed<TimeTemplate>(timeTemplateNames(), name);
}

std::optional<TimeTarget> timeTargetNamed(std::string_view name)
{
    return choiceNamed<TimeTarget>(timeTargetNames(), name);
}

std::optional<std::string> adifTimeFrom(std::string_view cell, TimeTemplate layout, TimeTarget target)
{
    const std::string_view text = trimmed(cell);
    const bool seconds = target == TimeTarget::Hhmmss;
    switch (layout) {
    case TimeTemplate::HhColonMm:
        if (text.size() < 5 || !hasColonAt(text, 2))
            return std::nullopt;
        return std::string(text.substr(0, 2)) + std::string(text.substr(3, 2)) + (seconds ? "00" : "");
    case TimeTemplate::HhColonMmColonSs:
        if (text.size() < 8 || !hasColonAt(text, 2) || !hasColonAt(text, 5))
            return std::nullopt;
        return std::string(text.substr(0, 2)) + std::string(text.substr(3, 2))
            + (seconds ? std::string(text.substr(6, 2)) : "");
    case TimeTemplate::Hhmm:
        if (text.size() < 4)
            return std::nullopt;
        return std::string(text.substr(0, 4)) + (seconds ? "00" : "");
    case TimeTemplate::Hhmmss:
        if (text.size() < 6)
            return std::nullopt;
        return std::string(text.substr(0, seconds ? 6 : 4));
    case TimeTemplate::Hh:
    case TimeTemplate::Mm:
        return std::string(text.substr(0, 2));
    }
    return std::nullopt;
}

ToolResult convertTimeColumn(
    LogTable &table, UndoJournal &journal, int column, TimeTemplate layout, TimeTarget target)
{
    if (!isFieldColumn(table, column))
        return ToolResult::warning(std::string(kNoTimeColumnMessage));
    ToolResult result;
    recordColumnSnapshot(journal, column, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        if (const auto time = adifTimeFrom(table.text(row, column), layout, target)) {
            table.setText(row, column, *time);
            ++result.cellsChanged;
        }
    }
    return result;
}

} // namespace quillog
