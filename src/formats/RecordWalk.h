// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Progress.h"

#include <cstddef>

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

} // namespace quillog
