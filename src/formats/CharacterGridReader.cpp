// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CharacterGridReader.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/ReadLimits.h"
#include "formats/TextLines.h"

#include <algorithm>
#include <limits>

namespace quillog
{

namespace
{

constexpr std::size_t shortestLine = 10;
constexpr std::size_t longestLine = 256;

struct GridShape {
    std::size_t rows = 0;
    std::size_t widest = 0;
    bool tooLong = false;
};

GridShape measure(std::string_view text, Progress &progress)
{
    progress.setLabel("Parsing lines ...");
    GridShape shape;
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        line = trimmedRight(line);
        if (line.size() > longestLine)
            return { 0, 0, true };
        if (line.size() >= shortestLine) {
            ++shape.rows;
            shape.widest = std::max(shape.widest, line.size());
        }
    }
    return shape;
}

} // namespace

ImportResult readCharacterGrid(std::string_view bytes, LogTable &table, Progress &progress)
{
    const std::string_view text = withoutByteOrderMark(bytes);
    const GridShape shape = measure(text, progress);
    if (shape.tooLong)
        return importFailed(std::string(longLinesMessage));
    if (shape.rows == 0 || shape.rows >= static_cast<std::size_t>(std::numeric_limits<int>::max())
        || !tableFitsFile(shape.rows + 1, shape.widest, bytes.size()))
        return importFailed();

    LogTable built;
    if (!built.setColumnCount(static_cast<int>(shape.widest))
        || !built.setRowCount(static_cast<int>(shape.rows) + 1))
        return importFailed();
    PercentReporter percent(progress, "Reading file ...");
    LineReader lines(text);
    std::string_view line;
    int row = 0;
    bool stopped = false;
    while (!stopped && lines.next(line)) {
        line = trimmedRight(line);
        if (line.size() < shortestLine)
            continue;
        ++row;
        for (std::size_t k = 0; k < line.size(); ++k)
            built.setText(row, static_cast<int>(k), line.substr(k, 1));
        percent.report(lines.position(), lines.size());
        stopped = !progress.isRunning();
    }
    built.setRowCount(row + 1);
    progress.setLabel("Filling the grid ...");
    replaceTable(table, std::move(built));
    return importedRows(row, stopped);
}

ImportResult readCharacterGridFile(const std::string &path, LogTable &table, Progress &progress)
{
    const FileBytes file = readFileBytes(path);
    if (!file.ok)
        return importFailed();
    return readCharacterGrid(std::string_view(file.bytes.data(), file.bytes.size()), table, progress);
}

} // namespace quillog
