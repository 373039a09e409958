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
/// the last one also without its end tag, returning whether to go on; goOnAt(position) after each
/// end-of-record tag, returning whether to go on from there. Between records it reports the share of
/// the text read and asks whether the operator stopped. Returns false when stopped.
template <typename Scanner, typename Field, typename OnField, typename OnRecord, typename GoOnAt>
bool walkRecords(Scanner &scanner, std::size_t textSize, Progress &progress, PercentReporter &percent,
    OnField onField, OnRecord onRecord, GoOnAt goOnAt)
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
        if (token == Scanner::Token::End || !goOnAt(scanner.position()))
            return true;
        percent.report(scanner.position(), textSize);
        if (!progress.isRunning())
            return false;
    }
}

template <typename Scanner, typename Field, typename OnField, typename OnRecord>
bool walkRecords(Scanner &scanner, std::size_t textSize, Progress &progress, PercentReporter &percent,
    OnField onField, OnRecord onRecord)
{
    return walkRecords<Scanner, Field>(
        scanner, textSize, progress, percent, onField, onRecord, [](std::size_t) { return true; });
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

} // namespace quillog
