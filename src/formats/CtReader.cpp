// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CtReader.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/ImportResult.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace quillog
{

namespace
{

constexpr std::size_t headerSize = 128;

unsigned byteAt(std::string_view record, std::size_t offset)
{
    return static_cast<unsigned char>(record[offset]);
}

int signed16(std::string_view record, std::size_t offset)
{
    const auto value = static_cast<std::uint16_t>(byteAt(record, offset) | byteAt(record, offset + 1) << 8);
    return static_cast<std::int16_t>(value);
}

// Counts above the largest signed 32-bit number are taken as that number.
std::uint32_t capped32(std::string_view record, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | byteAt(record, offset + i);
    return std::min<std::uint32_t>(value, std::numeric_limits<std::int32_t>::max());
}

std::string_view textField(std::string_view record, std::size_t offset, std::size_t size)
{
    const std::string_view field = record.substr(offset, size);
    return field.substr(0, field.find('\0'));
}

std::string_view bandName(unsigned code)
{
    constexpr std::array<std::string_view, 7> bands { "160M", "80M", "40M", "20M", "15M", "10M", "6M" };
    return code >= 1 && code <= bands.size() ? bands[code - 1] : std::string_view {};
}

std::string_view modeName(unsigned code)
{
    constexpr std::array<std::string_view, 3> modes { "RTTY", "CW", "SSB" };
    return code < modes.size() ? modes[code] : std::string_view {};
}

// The civil date of a day count since 1970-01-01 (proleptic Gregorian calendar).
void civilDate(long long days, long long &year, unsigned &month, unsigned &day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

void setFormatted(LogTable &table, int row, int column, const char *format, long long value)
{
    std::array<char, 32> text {};
    std::snprintf(text.data(), text.size(), format, value);
    table.setText(row, column, text.data());
}

void setTimeAndDate(LogTable &table, int row, std::uint32_t seconds)
{
    const long long minutes = seconds / 60;
    setFormatted(table, row, 9, "%04lld", minutes / 60 % 24 * 100 + minutes % 60);
    long long year = 0;
    unsigned month = 0, day = 0;
    civilDate(seconds / 86400, year, month, day);
    std::array<char, 32> text {};
    std::snprintf(text.data(), text.size(), "%04lld-%02u-%02u", year, month, day);
    table.setText(row, 10, text.data());
}

void fillRecord(LogTable &table, int row, std::string_view record, const CtLayout &layout)
{
    table.setText(row, 0, textField(record, 0, 16));
    table.setText(row, 1, textField(record, 16, 8));
    table.setText(row, 2, bandName(byteAt(record, 24)));
    table.setText(row, 3, modeName(byteAt(record, 25)));
    setFormatted(table, row, 4, "%lld", byteAt(record, 26));
    setFormatted(table, row, 5, "%lld", signed16(record, 28));
    setFormatted(table, row, 6, "%lld", signed16(record, 30));
    setFormatted(table, row, 7, "%lld", capped32(record, 34));
    setFormatted(table, row, 8, "%lld", capped32(record, 38));
    setTimeAndDate(table, row, capped32(record, 42));
    setFormatted(table, row, 11, "%lld", byteAt(record, 46));
    setFormatted(table, row, 12, "%lld", byteAt(record, 47));
    if (layout.version == 10)
        table.setText(row, 13, textField(record, 50, 14));
    else
        table.setText(row, 13, textField(record, 47, 1));
}

} // namespace

std::optional<CtLayout> ctLayout(std::string_view header)
{
    if (header.size() < headerSize || header[32] != 'C' || header[33] != 'T')
        return std::nullopt;
    if (header[35] == '8')
        return CtLayout { 8, 1024, 50, 14 };
    if (header[35] == '9')
        return CtLayout { 9, 4096, 50, 14 };
    if (header[35] == '1' && header[36] == '0')
        return CtLayout { 10, 4096, 64, 15 };
    return std::nullopt;
}

ReadResult readCt(std::string_view bytes, LogTable &table, Progress &progress)
{
    if (bytes.empty())
        return importFailed();
    if (bytes.size() < headerSize)
        return importFailed(std::string(ctInvalidContentMessage));
    const auto layout = ctLayout(bytes);
    if (!layout)
        return importFailed(std::string(ctUnsupportedVersionMessage));
    const std::size_t records
        = bytes.size() > layout->dataOffset ? (bytes.size() - layout->dataOffset) / layout->recordSize : 0;
    if (records == 0 || records >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return importFailed();

    LogTable built;
    if (!built.setColumnCount(layout->columns) || !built.setRowCount(static_cast<int>(records) + 1))
        return importFailed();
    PercentReporter percent(progress, "Reading file ...");
    int rows = 0;
    bool stopped = false;
    while (static_cast<std::size_t>(rows) < records && !stopped) {
        const std::size_t offset = layout->dataOffset + static_cast<std::size_t>(rows) * layout->recordSize;
        fillRecord(built, ++rows, bytes.substr(offset, layout->recordSize), *layout);
        percent.report(offset + layout->recordSize, bytes.size());
        stopped = !progress.isRunning();
    }
    progress.setLabel("Filling the grid ...");
    return keepImportedRows(table, std::move(built), static_cast<int>(records), rows, stopped);
}

ReadResult CtReader::read(LargeBuffer bytes, LogTable &table, const ReadOptions &, Progress &progress) const
{
    return completed(readCt(std::string_view(bytes.data(), bytes.size()), table, progress));
}

} // namespace quillog
