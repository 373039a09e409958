// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"
#include "definitions/ContestTemplates.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// What the operator chose for one read. Every reader gets the same options and uses those that
/// concern its format; a new kind of choice (a per-record filter, a contest template) is a new member
/// here, so the reader interface stays as it is.
struct ReadOptions {
    /// Removes every "<" and ">" from the values ("Ignore '<' symbols in content").
    bool ignoreBracket = false;
    /// The contest templates whose field lists name a Cabrillo log's exchange columns.
    std::vector<ContestTemplate> contests {};
    /// Frequencies a reader converts get a decimal comma ("Use Comma as <FREQ> point").
    bool decimalComma = false;
    /// Decides, once a record's values stand in its row, whether the record stays (the filtered open).
    /// A record it turns down leaves no row behind. Empty: every record stays. Called on the worker.
    std::function<bool(const LogTable &table, int row)> keepRecord = nullptr;
    /// How many threads share the reading of an ADI or ADX log (each takes a stretch of records); 0: one
    /// per core for a log large enough to gain from it. A filtered read uses one.
    std::size_t readerThreads = 0;
};

/// The outcome of one read, the same for every format.
struct ReadResult {
    /// True when at least one record was read.
    bool ok = false;
    /// True when the operator stopped the read.
    bool stopped = false;
    /// Records found in the file (the rows the table was given).
    int records = 0;
    /// Records whose values reached the table (fewer than records after a stop).
    int recordsRead = 0;
    /// Records that stayed in the table: recordsRead less those a per-record filter turned down.
    int recordsKept = 0;
    /// Values whose length was counted in characters rather than bytes (ADI only).
    int characterLengthRecoveries = 0;
    /// Values the end of the file cut short of their declared length; they keep what there was (ADI only).
    int truncatedValues = 0;
    /// Tags that could not be read and were skipped: no ">", a blank or control character in the name
    /// (ADI only).
    int skippedTags = 0;
    /// End-of-record tags that closed no field; they give no row (ADI only).
    int emptyRecords = 0;
    /// On failure: the warning the program shows, in the words of the format that failed.
    std::string message;
    /// On failure, when the reader found the file damaged: its own warning ("Invalid file content."),
    /// shown before message.
    std::string warning;
    /// On failure, when known: what went wrong underneath (an unreadable or empty file, no memory).
    std::string detail;
};

/// What the operator should hear about a read that needed repairs or skipped something: one sentence per
/// kind, each ending in a line feed; empty when the file was read as it stands.
std::string readProblemsText(const ReadResult &result);

/// One file format that can fill the log table. A reader is stateless: one object serves every read.
class LogReader
{
public:
    virtual ~LogReader() = default;

    /// The warning shown when a read finds no record, e.g. "No valid entries found.".
    virtual std::string_view failureText() const = 0;

    /// Replaces the table with the records of bytes, which the table may take over. Failure (no record,
    /// a stop before the table was sized) leaves the table untouched. A stop while filling keeps the rows
    /// filled so far and reports success with stopped set.
    virtual ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const = 0;

    /// Reads the file at path; a log in UTF-16 (wideSource) is read from a UTF-8 copy. Every failure
    /// carries failureText() as its message.
    ReadResult readFile(const std::string &path, bool wideSource, LogTable &table, const ReadOptions &options,
        Progress &progress) const;

    /// The same with another way of putting the bytes into the table (the ADI merge, say).
    ReadResult readFileWith(
        const std::string &path, bool wideSource, const std::function<ReadResult(LargeBuffer)> &read) const;

    /// The result of a read with failureText() as the message of a failure that has none.
    ReadResult completed(ReadResult result) const;

    /// A failed read's result: failureText() and what went wrong underneath, when known.
    ReadResult failed(std::string detail = {}, bool stopped = false) const;
};

} // namespace quillog
