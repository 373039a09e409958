// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/LogCheck.h"

#include "check/CheckColumns.h"
#include "check/ValueTests.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "definitions/ValueLists.h"

#include <algorithm>
#include <array>

namespace quillog
{

namespace
{

struct ListSets {
    CaseInsensitiveSet modes, bands, submodeNames;
};

ListSets listSets(const ValueLists &lists)
{
    ListSets sets { CaseInsensitiveSet(lists.modes), CaseInsensitiveSet(lists.bands), {} };
    for (const std::string &entry : lists.submodes) {
        if (entry.find('=') != std::string::npos)
            sets.submodeNames.insert(submodeName(entry));
    }
    return sets;
}

// The columns of one row that failed; each tested column at most once.
struct RowFailures {
    std::array<int, 6> columns {};
    int count = 0;

    void add(int column)
    {
        if (column >= 0 && !contains(column))
            columns[static_cast<std::size_t>(count++)] = column;
    }
    bool contains(int column) const
    {
        return std::find(columns.begin(), columns.begin() + count, column) != columns.begin() + count;
    }
};

// A QSO needs its band: a listed BAND, or a FREQ from which the band follows. A FREQ that is given must
// be a frequency even when the band is there.
void testBandAndFrequency(std::string_view band, std::string_view frequency, const CheckColumns &columns,
    const ListSets &sets, bool commaFrequency, RowFailures &failures)
{
    const bool frequencyValid = isValidFrequency(frequency, commaFrequency);
    if (!frequency.empty() && !frequencyValid)
        failures.add(columns.frequency);
    if (!band.empty()) {
        if (band.size() < 2 || !sets.bands.contains(band))
            failures.add(columns.band);
    } else if (!frequencyValid) {
        failures.add(columns.band);
        failures.add(columns.frequency);
    }
}

RowFailures testRow(const LogTable &table, int row, const CheckColumns &columns, const ListSets &sets,
    bool commaFrequency, bool &deprecatedModeSeen)
{
    const auto value
        = [&](int column) { return column < 0 ? std::string_view() : trimmed(table.text(row, column)); };
    RowFailures failures;
    if (!isValidCallsign(value(columns.call)))
        failures.add(columns.call);
    const std::string_view mode = value(columns.mode);
    if (mode.size() < 2 || !sets.modes.contains(mode)) {
        failures.add(columns.mode);
        deprecatedModeSeen = deprecatedModeSeen || (mode.size() >= 2 && sets.submodeNames.contains(mode));
    }
    testBandAndFrequency(
        value(columns.band), value(columns.frequency), columns, sets, commaFrequency, failures);
    if (!isValidQsoTime(value(columns.time)))
        failures.add(columns.time);
    if (!isValidQsoDate(value(columns.date)))
        failures.add(columns.date);
    return failures;
}

// Every data cell gets its colour anew, so marks of an earlier check in columns not tested now go away.
void paintRow(
    LogTable &table, int row, const RowFailures &failures, const CheckColours &colours, Colour rowColour)
{
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        Colour colour = colours.normal;
        if (failures.count > 0)
            colour = failures.contains(column) ? colours.marked : rowColour;
        table.setBackgroundColour(row, column, colour);
    }
}

void setClosingMessage(CheckResult &result)
{
    if (!result.invalidFound) {
        result.messageKind = CheckMessageKind::Information;
        result.message = kCheckCleanMessage;
        return;
    }
    result.status = CheckStatus::InvalidFound;
    result.messageKind = CheckMessageKind::Warning;
    result.message = result.deprecatedModeSeen ? kCheckDeprecatedModeMessage : kCheckInvalidMessage;
}

} // namespace

Colour rowColourFor(Colour marked)
{
    const auto lowered = [](int part) { return std::max(part - 50, 0); };
    return makeColour(lowered(colourRed(marked)), lowered(colourGreen(marked)), lowered(colourBlue(marked)));
}

CheckResult checkLog(LogTable &table, const ValueLists &lists, const CheckColours &colours,
    Progress &progress, bool commaFrequency)
{
    CheckResult result;
    const CheckColumns columns = findCheckColumns(table);
    if (const std::string_view missing = missingColumnMessage(columns); !missing.empty()) {
        result.status = CheckStatus::MissingColumn;
        result.messageKind = CheckMessageKind::Warning;
        result.message = missing;
        return result;
    }
    const ListSets sets = listSets(lists);
    const Colour rowColour = rowColourFor(colours.marked);
    const int qsos = table.qsoCount();
    PercentReporter percent(progress, "Checking QSOs ...");
    for (int row = 1; row <= qsos && progress.isRunning(); ++row) {
        percent.report(static_cast<unsigned long long>(row), static_cast<unsigned long long>(qsos) + 1);
        const RowFailures failures
            = testRow(table, row, columns, sets, commaFrequency, result.deprecatedModeSeen);
        paintRow(table, row, failures, colours, rowColour);
        if (failures.count > 0)
            result.failedRows.push_back(row);
        result.rowsChecked = row;
    }
    result.invalidFound = !result.failedRows.empty();
    progress.setPercent(100);
    if (!progress.isRunning()) {
        result.status = CheckStatus::Stopped;
        return result;
    }
    setClosingMessage(result);
    return result;
}

} // namespace quillog
