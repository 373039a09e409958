// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as an ADI file, an ADX file or text pasted from the clipboard (so that values may
// hold anything, "<EOR>" included), saves it without checks and reads the saved file again: every
// record written must come back, each value as it was saved (trimmed; QSO_DATE and FREQ are normalised
// on the way out and not compared). The same records with their lengths counted in UTF-8 characters,
// as some programs write them, must come back too wherever that is unambiguous: valid UTF-8 without "<".
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "core/UndoJournal.h"
#include "formats/AdiReader.h"
#include "formats/AdiWriter.h"
#include "formats/AdxReader.h"
#include "formats/AdxText.h"
#include "tools/RecordInsertion.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace quillog;

namespace
{

struct WrittenColumn {
    std::string name;
    int column = -1;
};

// The columns a save writes: the first of each trimmed, upper-cased name.
std::vector<WrittenColumn> writtenColumns(const LogTable &table)
{
    std::vector<WrittenColumn> columns;
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        std::string name = toUpper(trimmed(table.text(0, column)));
        const bool taken = std::any_of(
            columns.begin(), columns.end(), [&](const WrittenColumn &c) { return c.name == name; });
        if (!name.empty() && !taken)
            columns.push_back({ std::move(name), column });
    }
    return columns;
}

// Values a file with character-counted lengths carries without doubt.
bool isCharacterCountable(std::string_view value)
{
    return isValidUtf8(value) && value.find('<') == std::string_view::npos;
}

std::size_t characterCount(std::string_view value)
{
    std::size_t count = 0;
    for (const char c : value)
        count += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u ? 1 : 0;
    return count;
}

// Whether a save writes the row; with countableOnly, whether the character-counted text holds it.
bool isWritten(const LogTable &table, int row, const std::vector<WrittenColumn> &columns, bool countableOnly)
{
    return std::any_of(columns.begin(), columns.end(), [&](const WrittenColumn &c) {
        const std::string_view value = trimmed(table.text(row, c.column));
        return !value.empty() && (!countableOnly || isCharacterCountable(value));
    });
}

// A name the tagged form can carry; ADX names such as "MY CALL" or "EOR" it cannot.
bool isAdiName(std::string_view name)
{
    if (equalsIgnoreCase(name, "EOR") || equalsIgnoreCase(name, "EOH"))
        return false;
    return std::none_of(name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == ':' || c == '<' || c == '>'; });
}

void compareRecord(const LogTable &saved, int row, const LogTable &reread, int record,
    const std::vector<WrittenColumn> &columns, bool countableOnly)
{
    for (const WrittenColumn &c : columns) {
        if (c.name == "QSO_DATE" || c.name == "FREQ")
            continue;
        if (countableOnly && !isCharacterCountable(trimmed(saved.text(row, c.column))))
            continue;
        const std::string_view before = trimmed(saved.text(row, c.column));
        const int column = reread.findColumn(c.name);
        const std::string_view after = column < 0 ? std::string_view {} : reread.text(record, column);
        if (before != after) {
            std::fprintf(stderr, "row %d, %s: \"%.*s\" came back as \"%.*s\"\n", row, c.name.c_str(),
                static_cast<int>(before.size()), before.data(), static_cast<int>(after.size()), after.data());
            fuzz::require(false, "a saved value changed when read again");
        }
    }
}

// The written records as ADI text whose lengths count characters; only countable values are written.
std::string characterCountedText(const LogTable &table, const std::vector<WrittenColumn> &columns)
{
    std::string text;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (!isWritten(table, row, columns, true))
            continue;
        for (const WrittenColumn &c : columns) {
            const std::string_view value = trimmed(table.text(row, c.column));
            if (!value.empty() && isCharacterCountable(value))
                text += "<" + c.name + ":" + std::to_string(characterCount(value)) + ">" + std::string(value)
                    + " ";
        }
        text += "<EOR>\r\n";
    }
    return text;
}

// The table as the operator would have it from the input: opened as ADI or ADX, or pasted.
bool readSource(const std::uint8_t *data, std::size_t size, unsigned char flags, LogTable &table)
{
    RunningFlag progress;
    switch ((flags >> 4) & 3) {
    case 1:
        return readAdx(fuzz::bufferOf(data, size), table, progress).ok;
    case 2: {
        UndoJournal journal(table);
        const std::string_view text(reinterpret_cast<const char *>(data), size);
        return insertAdiRecords(table, journal, text, -1, false).rows > 0;
    }
    default:
        return readAdi(fuzz::bufferOf(data, size), table, {}, progress).ok;
    }
}

void compareAll(const LogTable &table, const LogTable &reread, const std::vector<WrittenColumn> &columns,
    bool countableOnly)
{
    int record = 0;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (isWritten(table, row, columns, countableOnly))
            compareRecord(table, row, reread, ++record, columns, countableOnly);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    LogTable table;
    if (!readSource(data, size, flags, table))
        return 0;

    const std::vector<WrittenColumn> columns = writtenColumns(table);
    if (!std::all_of(
            columns.begin(), columns.end(), [](const WrittenColumn &c) { return isAdiName(c.name); }))
        return 0;

    RunningFlag progress;
    SaveOptions options;
    options.noChecks = true;
    options.typeIndicator = flags & 1;
    options.lowerCase = flags & 4;
    options.separateQsos = flags & 8;
    const std::string path = fuzz::scratchFile("round-trip.adi");
    const SaveResult saved = writeAdiFile(path, table, options, fuzz::saveDefinitions(), progress);
    fuzz::require(saved.ok, "a save without checks failed");
    LogTable reread;
    const ReadResult result = readAdiFile(path, reread, {}, progress);
    fuzz::require(result.records == saved.written, "the saved file holds another number of records");
    compareAll(table, reread, columns, false);

    LogTable counted;
    const std::string text = characterCountedText(table, columns);
    if (readAdi(fuzz::bufferOf(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()), counted, {},
            progress)
            .ok)
        compareAll(table, counted, columns, true);
    return 0;
}
