// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CabrilloReader.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/CabrilloColumns.h"
#include "formats/CabrilloLayout.h"
#include "formats/ImportResult.h"
#include "formats/ReadLimits.h"
#include "formats/TextLines.h"

#include <algorithm>
#include <limits>

namespace quillog
{

namespace
{

struct QsoLines {
    std::size_t count = 0;
    std::size_t widest = 0; // fields of the line with the most
};

QsoLines countQsoLines(std::string_view text, const CabrilloLayout &layout)
{
    QsoLines lines;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        if (const auto qso = cabrilloQsoText(line)) {
            ++lines.count;
            lines.widest = std::max(lines.widest, cutCabrilloQso(*qso, layout).size());
        }
    }
    return lines;
}

struct Filled {
    int rows = 0;
    bool stopped = false;
};

// Fills the rows in file order until the table is full or the operator stops.
Filled fillRows(std::string_view text, const CabrilloLayout &layout, LogTable &table, Progress &progress)
{
    PercentReporter percent(progress, "Reading file ...");
    LineReader reader(text);
    std::string_view line;
    int row = 1;
    while (row < table.rowCount() && reader.next(line)) {
        const auto qso = cabrilloQsoText(line);
        if (!qso)
            continue;
        const std::vector<std::string_view> fields = cutCabrilloQso(*qso, layout);
        for (std::size_t i = 0; i < fields.size(); ++i)
            table.setText(row, static_cast<int>(i), fields[i]);
        ++row;
        percent.report(reader.position(), reader.size());
        if (!progress.isRunning())
            return { row - 1, true };
    }
    return { row - 1, false };
}

} // namespace

ReadResult readCabrillo(
    std::string_view bytes, LogTable &table, const ReadOptions &options, Progress &progress)
{
    const std::string_view text = withoutByteOrderMark(bytes);
    const CabrilloLayout layout = probeCabrilloLayout(text);
    if (!layout.found)
        return importFailed();
    const QsoLines lines = countQsoLines(text, layout);
    // The table is at least as wide as the layout, even when every line is shorter.
    const std::size_t columns
        = std::max(lines.widest, layout.singleSeparators ? 0 : layout.offsets.size() - 1);
    constexpr std::size_t intLimit = std::numeric_limits<int>::max();
    if (lines.count == 0 || lines.count >= intLimit || columns >= intLimit
        || !tableFitsFile(lines.count + 1, columns, bytes.size()))
        return importFailed();

    LogTable built;
    if (!built.setColumnCount(static_cast<int>(columns))
        || !built.setRowCount(static_cast<int>(lines.count) + 1))
        return importFailed();
    const auto [rows, stopped] = fillRows(text, layout, built, progress);
    progress.setLabel("Filling the grid ...");
    if (!layout.contest.empty()) {
        nameCabrilloColumns(built, cabrilloExchangeNames(layout.contest, options.contests));
        fixCabrilloValues(built, options.decimalComma);
    }
    return keepImportedRows(table, std::move(built), static_cast<int>(lines.count), rows, stopped);
}

ReadResult CabrilloReader::read(
    LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const
{
    return completed(readCabrillo(std::string_view(bytes.data(), bytes.size()), table, options, progress));
}

} // namespace quillog
