// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/TrlogReader.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/ImportResult.h"
#include "formats/TextLines.h"

#include <limits>

namespace quillog
{

namespace
{

constexpr std::string_view ruleMark = "----";

bool isListingLine(std::string_view line)
{
    return line.size() >= 50 && line.size() <= 100;
}

// Walks the listing: the columns come from its first rule line, visit() is called for every QSO line
// after it until it returns false.
template <typename Visit> std::vector<TextSpan> walkListing(std::string_view text, Visit visit)
{
    std::vector<TextSpan> columns;
    bool ruleSeen = false;
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const bool rule = line.find(ruleMark) != std::string_view::npos;
        ruleSeen = ruleSeen || rule;
        if (!ruleSeen || !isListingLine(line))
            continue;
        if (columns.empty()) {
            if (rule)
                columns = trlogColumns(line);
        } else if (!rule && line.find("Call worked") == std::string_view::npos) {
            if (!visit(line, columns, lines.position(), lines.size()))
                break;
        }
    }
    return columns;
}

std::string_view cellOf(std::string_view line, const TextSpan &span)
{
    if (span.first >= line.size())
        return {};
    return trimmed(line.substr(span.first, span.last - span.first + 1));
}

} // namespace

std::vector<TextSpan> trlogColumns(std::string_view rule)
{
    std::vector<TextSpan> columns;
    std::size_t start = 0;
    for (std::size_t i = 0; i < rule.size(); ++i) {
        const bool last = i + 1 == rule.size();
        if (!last && rule[i] == ' ' && rule[i + 1] != ' ')
            start = i;
        if (rule[i] != ' ' && (last || rule[i + 1] == ' '))
            columns.push_back({ start, i });
    }
    if (columns.size() >= 4) {
        columns[0] = { 0, 5 };
        columns[1] = { 6, 15 };
        columns[2] = { 16, 21 };
    }
    return columns;
}

ReadResult readTrlog(std::string_view bytes, LogTable &table, Progress &progress)
{
    const std::string_view text = withoutByteOrderMark(bytes);
    std::size_t count = 0;
    const std::vector<TextSpan> columns = walkListing(text, [&](auto &&...) { return ++count, true; });
    if (count == 0 || count >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return importFailed();

    LogTable built;
    if (!built.setColumnCount(static_cast<int>(columns.size()))
        || !built.setRowCount(static_cast<int>(count) + 1))
        return importFailed();
    PercentReporter percent(progress, "Reading file ...");
    int row = 0;
    bool stopped = false;
    walkListing(text,
        [&](std::string_view line, const std::vector<TextSpan> &spans, std::size_t done, std::size_t total) {
            ++row;
            for (std::size_t column = 0; column < spans.size(); ++column)
                built.setText(row, static_cast<int>(column), cellOf(line, spans[column]));
            percent.report(done, total);
            stopped = !progress.isRunning();
            return !stopped;
        });
    progress.setLabel("Filling the grid ...");
    return keepImportedRows(table, std::move(built), static_cast<int>(count), row, stopped);
}

ReadResult TrlogReader::read(
    LargeBuffer bytes, LogTable &table, const ReadOptions &, Progress &progress) const
{
    return completed(readTrlog(std::string_view(bytes.data(), bytes.size()), table, progress));
}

} // namespace quillog
