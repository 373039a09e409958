// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/TextLines.h"

namespace quillog
{

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return text.starts_with(mark) ? text.substr(mark.size()) : text;
}

bool LineReader::next(std::string_view &line)
{
    if (m_position >= m_text.size())
        return false;
    const std::size_t start = m_position;
    const std::size_t end = m_text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        line = m_text.substr(start);
        m_position = m_text.size();
        return true;
    }
    line = m_text.substr(start, end - start);
    m_position = end + 1;
    if (m_text[end] == '\r' && m_position < m_text.size() && m_text[m_position] == '\n')
        ++m_position;
    return true;
}

} // namespace quillog
