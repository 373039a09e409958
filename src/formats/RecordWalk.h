// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Progress.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillog
{

/// Walks the records of a scanner's text (AdiScanner, AdxScanner): onField(field, ordinal) for each
/// field, returning whether the field counts; onRecord() after each record that held a counted field,
/// the last one also without its end tag, returning whether to go on. Between records it reports the
/// share of the text read and asks whether the operator stopped. Returns false when stopped.
template <typename Scanner, typename Field, typename OnField, typename OnRecord>
bool walkRecords(Scanner &scanner, std::size_t textSize, Progress &progress, PercentReporter &percent,
    OnField onField, OnRecord onRecord)
{
    Field field;
    bool recordHasField = false;
    std::size_t ordinal = 0;
    for (;;) {
        const auto token = scanner.next(field);
        if (token == Scanner::Token::Field) {
            recordHasField |= onField(field, ordinal++);
            continue;
        }
        if (recordHasField && !onRecord())
            return true;
        recordHasField = false;
        ordinal = 0;
        if (token == Scanner::Token::End)
            return true;
        percent.report(scanner.position(), textSize);
        if (!progress.isRunning())
            return false;
    }
}

/// What the first pass of a reader found: the field names new to the table, in order of first
/// appearance, and the records that hold at least one field.
struct CollectedNames {
    std::vector<std::string> newNames;
    int records = 0;
    bool stopped = false;
    // What the scanner had to repair or skip, for scanners that count it.
    int truncatedValues = 0;
    int skippedTags = 0;
    int emptyRecords = 0;
};

/// The first pass of a reader: counts the records that hold at least one named field (a last record
/// cut off by the end of the text too) and collects the names not yet known. columnOf(field, ordinal)
/// gives a known field's column or -1; nameOf(field) the column name of a new one (empty: the field
/// has no name and does not count); add(name, column) registers a name and says whether it was new.
template <typename Scanner, typename Field, typename ColumnOf, typename NameOf, typename Add>
CollectedNames collectFieldNames(
    std::string_view text, int firstNewColumn, Progress &progress, ColumnOf columnOf, NameOf nameOf, Add add)
{
    CollectedNames collected;
    PercentReporter percent(progress, "Collecting tags ...");
    Scanner scanner(text);
    const bool finished = walkRecords<Scanner, Field>(
        scanner, text.size(), progress, percent,
        [&](const Field &field, std::size_t ordinal) {
            if (columnOf(field, ordinal) >= 0)
                return true;
            std::string name = nameOf(field);
            if (name.empty())
                return false;
            if (add(name, firstNewColumn + static_cast<int>(collected.newNames.size())))
                collected.newNames.push_back(std::move(name));
            return true;
        },
        [&] {
            ++collected.records;
            return true;
        });
    collected.stopped = !finished;
    if constexpr (requires { scanner.truncatedValues(); }) {
        collected.truncatedValues = scanner.truncatedValues();
        collected.skippedTags = scanner.skippedTags();
        collected.emptyRecords = scanner.emptyRecords();
    }
    return collected;
}

} // namespace quillog
