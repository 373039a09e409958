// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace quillog
{

/// One field of ADI text: "<" NAME ":" LENGTH [":" TYPE] ">" VALUE.
struct AdiField {
    std::string_view name; ///< as written, in its own letter case
    std::string_view type; ///< the data-type letter, empty when absent
    std::string_view value; ///< exactly the declared bytes (see AdiScanner)
};

/// Walks ADI text field by field. Values are taken by their declared length, so a "<" inside a value
/// starts no field, not even "<EOR>". A declared length is trusted when it ends where a value ends:
/// before blanks and then "<", or at the end of the text. When it does not, the length may have been
/// counted in UTF-8 characters (taken when that reading ends so), or be simply wrong: then the value
/// stops at the next end-of-record tag, which keeps a wrong length from swallowing the records after
/// it. Tags without a length ("<EOH>", "<b>") carry no value and are skipped; the end-of-record tag,
/// with or without a length, is reported.
class AdiScanner
{
public:
    enum class Token { Field, EndOfRecord, End };

    /// Walks text from start on, which must be where a record begins (0, or just after an end-of-record
    /// tag).
    explicit AdiScanner(std::string_view text, std::size_t start = 0)
        : m_text(text)
        , m_pos(start)
    {
    }

    Token next(AdiField &field);
    /// Bytes consumed so far.
    std::size_t position() const { return m_pos; }
    /// How many values were read by characters instead of bytes (see next()).
    int characterLengthRecoveries() const { return m_recoveries; }
    /// How many values the end of the text cut short of their declared length.
    int truncatedValues() const { return m_truncated; }
    /// How many tags that look like fields could not be read (a blank in the name, no ">").
    int skippedTags() const { return m_skippedTags; }
    /// How many end-of-record tags closed a record without any field.
    int emptyRecords() const { return m_emptyRecords; }

private:
    std::size_t nextEndOfRecord(std::size_t from);
    std::string_view takeValue(std::size_t start, unsigned long long length);
    bool endsCleanly(std::size_t pos) const;
    Token endRecord();

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_endOfRecord = 0; // cached position of the next "<EOR>" at or after m_pos
    bool m_endOfRecordKnown = false;
    int m_recoveries = 0;
    int m_truncated = 0;
    int m_skippedTags = 0;
    int m_emptyRecords = 0;
    int m_fieldsInRecord = 0;
};

/// Where the records of an ADI file begin: just after the header's end tag when one stands before the
/// first end-of-record tag, else at the start.
std::size_t adiRecordsStart(std::string_view text);

/// Just after the first end-of-record tag at or after from; npos when there is none. Where a record may
/// begin: the tag may also lie inside a value.
std::size_t adiRecordBoundaryAfter(std::string_view text, std::size_t from);

/// Position of the next tag "<" name ">" or "<" name ":" ... ">" (a marker written with a length, as
/// "<EOR:0>") at or after from, letter case ignored; npos when none.
std::size_t findAdiTag(std::string_view text, std::string_view name, std::size_t from = 0);

} // namespace quillog
