// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace quillog
{

/// The text without a leading UTF-8 byte-order mark. Spreadsheets and editors put one in front of
/// UTF-8 files; left in place it would become part of the first field name or the first cell.
std::string_view withoutByteOrderMark(std::string_view text);

/// Hands out the lines of a text one by one, without their line ends. A line ends at LF, CR LF or a
/// lone CR, so files from any system read alike; a last line without a line end is a line too.
class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {
    }

    /// False when the text is used up.
    bool next(std::string_view &line);
    /// Bytes consumed so far, for progress.
    std::size_t position() const { return m_position; }
    std::size_t size() const { return m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace quillog
