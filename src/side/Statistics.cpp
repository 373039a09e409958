// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/Statistics.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "side/BandOrder.h"
#include "side/CallSet.h"
#include "tools/BandOfFrequency.h"

#include <algorithm>
#include <climits>

namespace quillog
{

namespace
{

struct StatisticsColumns {
    int call = -1, dxcc = -1, band = -1, freq = -1, mode = -1;

    bool enough() const { return call >= 0 && mode >= 0 && (band >= 0 || freq >= 0); }
};

// The rightmost column whose trimmed header is the name, beside the row-number column.
int columnNamed(const LogTable &table, std::string_view name)
{
    for (int column = table.columnCount() - 1; column >= table.fixedColumnCount(); --column) {
        if (trimmed(table.text(0, column)) == name)
            return column;
    }
    return -1;
}

StatisticsColumns findColumns(const LogTable &table)
{
    return { columnNamed(table, "CALL"), columnNamed(table, "DXCC"), columnNamed(table, "BAND"),
        columnNamed(table, "FREQ"), columnNamed(table, "MODE") };
}

// A DXCC code is a whole number of 1 or more; anything else (text, 0, a sign, a fraction) counts as none.
int entityCode(std::string_view cell)
{
    const std::string_view text = trimmed(cell);
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return 0;
    const long long code = leadingInteger(text);
    return code >= 1 && code <= INT_MAX ? static_cast<int>(code) : 0;
}

class Counter
{
public:
    Counter(const LogTable &table, const StatisticsColumns &columns)
        : m_table(table)
        , m_columns(columns)
        , m_calls(static_cast<std::size_t>(table.qsoCount()))
    {
    }

    void count(int row, LogStatistics &statistics)
    {
        BandTally &tally = tallyFor(row, statistics);
        ++tally.qsos;
        ++tally.byModeClass[static_cast<std::size_t>(modeClassOf(m_table.text(row, m_columns.mode)))];
        if (m_columns.dxcc >= 0) {
            if (const int code = entityCode(m_table.text(row, m_columns.dxcc)); code > 0)
                tally.entities.insert(code);
        }
        // The views point into the table, which nobody changes while it is counted.
        m_calls.insert(trimmed(m_table.text(row, m_columns.call)));
    }

    int uniqueCalls() const { return static_cast<int>(m_calls.size()); }

private:
    // The BAND cell (trimmed, any letter case), or the band of the FREQ cell where that is empty.
    std::string_view bandOf(int row) const
    {
        const std::string_view band = trimmed(m_table.text(row, m_columns.band));
        if (band.empty() && m_columns.freq >= 0)
            return bandOfFrequency(trimmed(m_table.text(row, m_columns.freq)));
        return band;
    }

    // Few bands and long runs of one band: the last tally used is tried first, then each in turn.
    BandTally &tallyFor(int row, LogStatistics &statistics)
    {
        const std::string_view band = bandOf(row);
        if (m_last < statistics.bands.size() && equalsIgnoreCase(statistics.bands[m_last].band, band))
            return statistics.bands[m_last];
        for (m_last = 0; m_last < statistics.bands.size(); ++m_last) {
            if (equalsIgnoreCase(statistics.bands[m_last].band, band))
                return statistics.bands[m_last];
        }
        statistics.bands.push_back(BandTally { toUpper(band), 0, {}, {} });
        return statistics.bands.back();
    }

    const LogTable &m_table;
    StatisticsColumns m_columns;
    std::size_t m_last = 0;
    CallSet m_calls;
};

} // namespace

LogStatistics countStatistics(const LogTable &table, Progress &progress)
{
    LogStatistics statistics;
    const StatisticsColumns columns = findColumns(table);
    if (!columns.enough()) {
        statistics.message = kNotEnoughDataMessage;
        return statistics;
    }
    statistics.ok = true;
    statistics.qsos = table.qsoCount();
    Counter counter(table, columns);
    PercentReporter percent(progress, "Collecting QSOs ...");
    for (int row = 1; row < table.rowCount(); ++row) {
        if (!progress.isRunning()) {
            statistics.stopped = true;
            break;
        }
        counter.count(row, statistics);
        percent.report(
            static_cast<unsigned long long>(row), static_cast<unsigned long long>(table.qsoCount()));
    }
    statistics.uniqueCalls = counter.uniqueCalls();
    return statistics;
}

std::vector<BandFigures> statisticsGrid(const LogStatistics &statistics)
{
    std::vector<BandFigures> rows;
    for (const BandTally &tally : statistics.bands) {
        if (!tally.band.empty())
            rows.push_back(
                { tally.band, tally.qsos, static_cast<int>(tally.entities.size()), tally.byModeClass });
    }
    std::sort(
        rows.begin(), rows.end(), [](const BandFigures &a, const BandFigures &b) { return a.band < b.band; });
    return rows;
}

std::vector<BandFigures> bandsByFrequency(std::vector<BandFigures> rows)
{
    std::stable_sort(rows.begin(), rows.end(),
        [](const BandFigures &a, const BandFigures &b) { return bandBefore(a.band, b.band); });
    return rows;
}

} // namespace quillog
