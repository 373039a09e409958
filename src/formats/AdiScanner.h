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
/// starts no field. A value never runs past the next end-of-record tag, which keeps a wrong length from
/// swallowing the records after it. Tags without a length ("<EOH>", "<b>") carry no value and are
/// skipped, except the end-of-record tag, which is reported.
class AdiScanner
{
public:
    enum class Token { Field, EndOfRecord, End };

    explicit AdiScanner(std::string_view text)
        : m_text(text)
    {
    }

    Token next(AdiField &field);
    /// Bytes consumed so far.
    std::size_t position() const { return m_pos; }
    /// How many values were read by characters instead of bytes (see next()).
    int characterLengthRecoveries() const { return m_recoveries; }

private:
    std::size_t nextEndOfRecord(std::size_t from);
    std::string_view takeValue(std::size_t start, unsigned long long length);

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_endOfRecord = 0; // cached position of the next "<EOR>" at or after m_pos
    bool m_endOfRecordKnown = false;
    int m_recoveries = 0;
};

/// Where the records of an ADI file begin: just after the header's "<EOH>" when one stands before the
/// first "<EOR>", else at the start.
std::size_t adiRecordsStart(std::string_view text);

/// Position of the next tag "<" name ">" at or after from, letter case ignored; npos when none.
std::size_t findAdiTag(std::string_view text, std::string_view name, std::size_t from = 0);

} // namespace quillog
