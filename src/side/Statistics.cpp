// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/Statistics.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "side/BandOrder.h"
#include "side/FrequencyBand.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

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

std::string bandOfRow(const LogTable &table, int row, const StatisticsColumns &columns)
{
    std::string band = toUpper(trimmed(table.text(row, columns.band)));
    if (band.empty() && columns.freq >= 0)
        band = sideBandOfFrequency(trimmed(table.text(row, columns.freq)));
    return band;
}

class Counter
{
public:
    Counter(const LogTable &table, const StatisticsColumns &columns)
        : m_table(table)
        , m_columns(columns)
    {
        m_calls.reserve(static_cast<std::size_t>(table.qsoCount()));
    }

    void count(int row, LogStatistics &statistics)
    {
        BandTally &tally = tallyFor(bandOfRow(m_table, row, m_columns), statistics);
        ++tally.qsos;
        ++tally.byModeClass[static_cast<std::size_t>(modeClassOf(m_table.text(row, m_columns.mode)))];
        if (m_columns.dxcc >= 0) {
            if (const int code = entityCode(m_table.text(row, m_columns.dxcc)); code > 0)
                tally.entities.insert(code);
        }
        if (const std::string_view call = trimmed(m_table.text(row, m_columns.call)); !call.empty())
            m_calls.insert(toUpper(call));
    }

    int uniqueCalls() const { return static_cast<int>(m_calls.size()); }

private:
    BandTally &tallyFor(std::string band, LogStatistics &statistics)
    {
        const auto [at, added] = m_index.try_emplace(band, statistics.bands.size());
        if (added)
            statistics.bands.push_back(BandTally { std::move(band), 0, {}, {} });
        return statistics.bands[at->second];
    }

    const LogTable &m_table;
    StatisticsColumns m_columns;
    std::unordered_map<std::string, std::size_t> m_index;
    std::unordered_set<std::string> m_calls;
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
