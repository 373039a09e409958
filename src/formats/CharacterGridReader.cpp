// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CharacterGridReader.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdxText.h"
#include "formats/ImportResult.h"
#include "formats/ReadLimits.h"
#include "formats/TextLines.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace quillog
{

namespace
{

constexpr std::size_t shortestLine = 10;
constexpr std::size_t longestLine = 256;

// The cells of a line: one per character. In a UTF-8 file a character's whole byte sequence is one
// cell, so that a name with accents is not broken into bytes that show as nothing legible.
std::vector<std::string_view> charactersOf(std::string_view line, bool utf8)
{
    std::vector<std::string_view> characters;
    for (std::size_t start = 0; start < line.size();) {
        std::size_t end = start + 1;
        while (utf8 && end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            ++end;
        characters.push_back(line.substr(start, end - start));
        start = end;
    }
    return characters;
}

struct GridShape {
    std::size_t rows = 0;
    std::size_t widest = 0;
    bool tooLong = false;
};

GridShape measure(std::string_view text, bool utf8, Progress &progress)
{
    progress.setLabel("Parsing lines ...");
    GridShape shape;
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const std::size_t length = charactersOf(trimmedRight(line), utf8).size();
        if (length > longestLine)
            return { 0, 0, true };
        if (length >= shortestLine) {
            ++shape.rows;
            shape.widest = std::max(shape.widest, length);
        }
    }
    return shape;
}

} // namespace

ReadResult readCharacterGrid(std::string_view bytes, LogTable &table, Progress &progress)
{
    const std::string_view text = withoutByteOrderMark(bytes);
    const bool utf8 = isValidUtf8(text);
    const GridShape shape = measure(text, utf8, progress);
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
        const std::vector<std::string_view> characters = charactersOf(trimmedRight(line), utf8);
        if (characters.size() < shortestLine)
            continue;
        ++row;
        for (std::size_t k = 0; k < characters.size(); ++k)
            built.setText(row, static_cast<int>(k), characters[k]);
        percent.report(lines.position(), lines.size());
        stopped = !progress.isRunning();
    }
    progress.setLabel("Filling the grid ...");
    return keepImportedRows(table, std::move(built), static_cast<int>(shape.rows), row, stopped);
}

ReadResult CharacterGridReader::read(
    LargeBuffer bytes, LogTable &table, const ReadOptions &, Progress &progress) const
{
    return completed(readCharacterGrid(std::string_view(bytes.data(), bytes.size()), table, progress));
}

} // namespace quillog
