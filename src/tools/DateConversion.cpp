// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DateConversion.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/NameIndex.h"
#include "tools/UndoSteps.h"

namespace quillog
{

namespace
{

// Where a layout keeps its parts: start positions, the year's width (2 or 4) and whether the month is a
// three-letter name.
struct DateLayout {
    std::size_t length;
    std::size_t day;
    std::size_t month;
    std::size_t year;
    std::size_t yearWidth;
    bool monthName;
};

constexpr std::array<DateLayout, 8> layouts { {
    { 8, 0, 3, 6, 2, false }, // DD.MM.YY
    { 6, 0, 2, 4, 2, false }, // DDMMYY
    { 10, 0, 3, 6, 4, false }, // DD.MM.YYYY
    { 9, 0, 3, 7, 2, true }, // DD.MMM.YY
    { 11, 0, 3, 7, 4, true }, // DD.MMM.YYYY
    { 8, 3, 0, 6, 2, false }, // MM.DD.YY
    { 8, 6, 3, 0, 2, false }, // YY.MM.DD
    { 10, 8, 5, 0, 4, false }, // YYYY.MM.DD
} };

constexpr std::array<std::string_view, 12> monthNames { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
    "Aug", "Sep", "Oct", "Nov", "Dec" };

// The two-digit month of a month name in any letter case; the three characters themselves otherwise.
std::string monthNumber(std::string_view name)
{
    for (std::size_t index = 0; index < monthNames.size(); ++index) {
        if (equalsIgnoreCase(name, monthNames[index]))
            return (index < 9 ? "0" : "") + std::to_string(index + 1);
    }
    return std::string(name);
}

// A two-digit year gets its century: up to 50 is 20xx, above it 19xx. The digits stay as they are.
std::string widenedYear(std::string_view year)
{
    return (leadingInteger(year) <= 50 ? "20" : "19") + std::string(year);
}

} // namespace

const std::array<std::string_view, 8> &dateTemplateNames()
{
    static constexpr std::array<std::string_view, 8> names { "DD.MM.YY", "DDMMYY", "DD.MM.YYYY", "DD.MMM.YY",
        "DD.MMM.YYYY", "MM.DD.YY", "YY.MM.DD", "YYYY.MM.DD" };
    return names;
}

std::optional<DateTemplate> dateTemplateNamed(std::string_view name)
{
    return choiceNamed<DateTemplate>(dateTemplateNames(), name);
}

std::optional<std::string> adifDateFrom(std::string_view cell, DateTemplate layout)
{
    const DateLayout &at = layouts[static_cast<std::size_t>(layout)];
    const std::string_view text = trimmed(cell);
    if (text.size() < at.length)
        return std::nullopt;
    const std::string_view year = text.substr(at.year, at.yearWidth);
    std::string date = at.yearWidth == 2 ? widenedYear(year) : std::string(year);
    date += at.monthName ? monthNumber(text.substr(at.month, 3)) : std::string(text.substr(at.month, 2));
    date += text.substr(at.day, 2);
    return date;
}

ToolResult convertDateColumn(LogTable &table, UndoJournal &journal, int column, DateTemplate layout)
{
    if (!isFieldColumn(table, column))
        return ToolResult::warning(std::string(kNoDateColumnMessage));
    ToolResult result;
    recordColumnSnapshot(journal, column, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        if (const auto date = adifDateFrom(table.text(row, column), layout)) {
            table.setText(row, column, *date);
            ++result.cellsChanged;
        }
    }
    return result;
}

} // namespace quillog
