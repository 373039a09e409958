// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// The separator of a spreadsheet export: ";" when the first three records hold more semicolons than
/// commas outside quotes, else ",".
char detectCsvSeparator(std::string_view text);

/// Cuts CSV text (RFC 4180) into records of fields. A field that opens with a double quote runs to its
/// closing quote; "" inside it is one quote, and separators and line ends inside it belong to the
/// field. Text between the closing quote and the next separator is kept. A quote that is never closed
/// ends at the end of the line it opened on, so one stray quote cannot swallow the rest of the file.
/// Records end at LF, CR LF or a lone CR outside quotes.
class CsvTokenizer
{
public:
    CsvTokenizer(std::string_view text, char separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    /// Reads the next record into fields (cleared first); false when the text is used up.
    bool next(std::vector<std::string> &fields);
    /// Bytes consumed so far, for progress.
    std::size_t position() const { return m_position; }

private:
    void readQuoted(std::string &field);
    void readPlain(std::string &field);
    bool atLineEnd() const;
    void skipLineEnd();

    std::string_view m_text;
    char m_separator;
    std::size_t m_position = 0;
};

} // namespace quillog
