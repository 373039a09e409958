// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogReader.h"

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class Progress;

inline constexpr std::string_view longLinesMessage
    = "This log contains extremely long strings and cannot be opened.";

/// Replaces the table with any text cut into single characters: every line of at least ten characters
/// (trailing white space removed) is a row, its character at position k the cell of column k, every
/// header empty; the operator joins the cells into fields with the column tools. In a file that is valid
/// UTF-8 a character is a whole UTF-8 sequence, else one byte. A leading byte-order mark is dropped.
///
/// Failure leaves the table untouched: a line longer than 256 characters gives the warning "This log
/// contains extremely long strings and cannot be opened.", a file without a line of ten characters
/// none. A stop keeps the rows read so far.
ReadResult readCharacterGrid(std::string_view bytes, LogTable &table, Progress &progress);
/// The character-grid reader of the format registry.
class CharacterGridReader final : public LogReader
{
public:
    std::string_view failureText() const override { return "No valid entries found."; }
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
};

} // namespace quillog
