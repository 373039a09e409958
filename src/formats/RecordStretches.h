// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Parallel.h"
#include "core/Progress.h"
#include "formats/FieldColumns.h"
#include "formats/RecordWalk.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

// A large log is read by several threads at once, each walking a stretch of its text that begins where
// a record begins. Where a stretch may begin is guessed from an end-of-record mark; as the mark may lie
// inside a value, a guess holds only when the walk of the stretch before it ends a record exactly there.
// A stretch whose start did not hold is read as part of the stretch before it, so the rows, their order
// and the columns are those of one walk through the whole text.

/// One stretch of the text: from start to end, holding records that each hold a counted field.
struct RecordStretch {
    std::size_t start = 0;
    std::size_t end = 0;
    int records = 0;
};

/// How many stretches a text of this size is cut into: one per core, none smaller than a few megabytes;
/// wanted, when not 0, overrides both.
std::size_t stretchCount(std::size_t textSize, std::size_t wanted);

/// Where stretches may begin: 0 and, for each further stretch, the first guess at or after its equal
/// share of the text; increasing, without repeats. boundaryAfter(text, from) is the position just after
/// the next end-of-record mark at or after from, npos when there is none.
template <typename BoundaryAfter>
std::vector<std::size_t> stretchStarts(std::string_view text, std::size_t count, BoundaryAfter boundaryAfter)
{
    std::vector<std::size_t> starts { 0 };
    for (std::size_t part = 1; part < count; ++part) {
        const std::size_t share = Shares { text.size(), count }.start(part);
        const std::size_t start = boundaryAfter(text, std::max(share, starts.back()));
        if (start == std::string_view::npos || start >= text.size())
            break;
        if (start > starts.back())
            starts.push_back(start);
    }
    return starts;
}

namespace detail
{

struct StretchNames {
    RecordStretch stretch;
    CollectedNames collected;
};

// The first pass over one stretch: walks from its start until a record ends exactly where a later
// stretch begins (that stretch then holds), or to the end of the text.
template <typename Scanner, typename Field, typename ColumnOf, typename NameOf>
StretchNames collectStretch(std::string_view text, const std::vector<std::size_t> &starts, std::size_t index,
    FieldColumns columns, Progress &progress, ColumnOf columnOf, NameOf nameOf)
{
    StretchNames found;
    found.stretch.start = starts[index];
    std::size_t nextStart = index + 1;
    const std::size_t plannedEnd = nextStart < starts.size() ? starts[nextStart] : text.size();
    bool reachedStart = false;
    PercentReporter percent(progress, "Collecting tags ...");
    Scanner scanner(text, found.stretch.start);
    const bool finished = walkRecords<Scanner, Field>(
        scanner, plannedEnd, progress, percent,
        [&](const Field &field, std::size_t ordinal) {
            if (columnOf(columns, field, ordinal) >= 0)
                return true;
            std::string name = nameOf(field);
            if (name.empty())
                return false;
            if (columns.add(name, 0))
                found.collected.newNames.push_back(std::move(name));
            return true;
        },
        [&] {
            ++found.collected.records;
            return true;
        },
        [&](std::size_t position) {
            while (nextStart < starts.size() && starts[nextStart] < position)
                ++nextStart;
            reachedStart = nextStart < starts.size() && starts[nextStart] == position;
            return !reachedStart;
        });
    found.collected.stopped = !finished;
    // A walk that did not end on a later start ran to the end of the text (a comment or a value may
    // swallow everything after it).
    found.stretch.end = reachedStart ? starts[nextStart] : text.size();
    found.stretch.records = found.collected.records;
    if constexpr (requires { scanner.truncatedValues(); }) {
        found.collected.truncatedValues = scanner.truncatedValues();
        found.collected.skippedTags = scanner.skippedTags();
        found.collected.emptyRecords = scanner.emptyRecords();
    }
    return found;
}

// The stretches one walk through the whole text would pass through, in order: the first, then the one
// beginning where the last one taken ended, and so on.
std::vector<std::size_t> heldStretches(const std::vector<StretchNames> &found, std::size_t textSize);

// Runs task(index, progress) for each stretch at once; a task returns whether it went to its end. The
// first stretch asks progress whether to go on and, when it was stopped, tells the others through a
// flag of their own: only one thread speaks to the progress window.
template <typename Task> void runStretches(std::size_t count, Progress &progress, Task task)
{
    if (count == 1) {
        task(0, progress);
        return;
    }
    RunningFlag others;
    runTogether(count, [&](std::size_t index) {
        if (index > 0)
            task(index, others);
        else if (!task(index, progress))
            others.stop();
    });
}

} // namespace detail

/// The first pass of a reader, over stretches read at once: counts the records that hold at least one
/// counted field (a last record cut off by the end of the text too) and adds the names new to columns,
/// in order of first appearance, from firstNewColumn on; nameOf(field) gives a new field's column name
/// (empty: the field has no name and does not count). stretches is set to the stretches that held,
/// with their record counts. columnOf(columns, field, ordinal) gives a
/// field's column or -1 in a thread's own copy of the columns.
template <typename Scanner, typename Field, typename ColumnOf, typename NameOf>
CollectedNames collectFieldNamesInStretches(std::string_view text, const std::vector<std::size_t> &starts,
    FieldColumns &columns, int firstNewColumn, Progress &progress, ColumnOf columnOf, NameOf nameOf,
    std::vector<RecordStretch> &stretches)
{
    std::vector<detail::StretchNames> found(starts.size());
    detail::runStretches(starts.size(), progress, [&](std::size_t index, Progress &own) {
        found[index]
            = detail::collectStretch<Scanner, Field>(text, starts, index, columns, own, columnOf, nameOf);
        return !found[index].collected.stopped;
    });
    CollectedNames collected;
    stretches.clear();
    for (const std::size_t index : detail::heldStretches(found, text.size())) {
        const CollectedNames &part = found[index].collected;
        for (const std::string &name : part.newNames) {
            if (columns.add(name, firstNewColumn + static_cast<int>(collected.newNames.size())))
                collected.newNames.push_back(name);
        }
        collected.records += part.records;
        collected.stopped |= part.stopped;
        collected.truncatedValues += part.truncatedValues;
        collected.skippedTags += part.skippedTags;
        collected.emptyRecords += part.emptyRecords;
        stretches.push_back(found[index].stretch);
    }
    return collected;
}

/// The second pass over the stretches at once: fill(index, firstRow, progress) puts the records of
/// stretches[index] into the rows from firstRow on and returns how many it put there. Its walk must end at
/// the stretch's end: a stretch may hold no record at all, only empty ones, and its record count alone would
/// let it run on into the rows of the next. Returns how many stretches, from the first, hold rows to keep:
/// those read to their end and the first one stopped short. After a Stop, the rows of the stretches after it
/// would leave a gap in the log.
template <typename Fill>
std::size_t fillStretches(
    const std::vector<RecordStretch> &stretches, int firstRow, Progress &progress, Fill fill)
{
    std::vector<int> firstRows;
    int row = firstRow;
    for (const RecordStretch &stretch : stretches) {
        firstRows.push_back(row);
        row += stretch.records;
    }
    std::vector<int> filled(stretches.size(), 0);
    detail::runStretches(stretches.size(), progress, [&](std::size_t index, Progress &own) {
        filled[index] = fill(index, firstRows[index], own);
        return filled[index] == stretches[index].records;
    });
    std::size_t held = 0;
    while (held < stretches.size()) {
        const bool whole = filled[held] == stretches[held].records;
        ++held;
        if (!whole)
            break;
    }
    return held;
}

} // namespace quillog
