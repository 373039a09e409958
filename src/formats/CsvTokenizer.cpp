// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CsvTokenizer.h"

namespace quillog
{

char detectCsvSeparator(std::string_view text)
{
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    int lineEnds = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size() && lineEnds < 3; ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted; // a doubled quote toggles twice and so changes nothing
        else if (quoted)
            continue;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lineEnds;
    }
    return semicolons > commas ? ';' : ',';
}

bool CsvTokenizer::next(std::vector<std::string> &fields)
{
    fields.clear();
    if (m_position >= m_text.size())
        return false;
    for (;;) {
        std::string &field = fields.emplace_back();
        if (m_text[m_position] == '"')
            readQuoted(field);
        readPlain(field);
        if (m_position >= m_text.size())
            return true;
        if (m_text[m_position] == m_separator) {
            ++m_position;
            if (m_position >= m_text.size()) {
                fields.emplace_back(); // "a," at the very end still holds two fields
                return true;
            }
            continue;
        }
        skipLineEnd();
        return true;
    }
}

void CsvTokenizer::readQuoted(std::string &field)
{
    std::size_t from = m_position + 1;
    for (;;) {
        const std::size_t quote = m_text.find('"', from);
        if (quote == std::string_view::npos) {
            // Never closed: the field is the rest of the line it opened on, doubled quotes undone.
            std::size_t end = m_text.find_first_of("\r\n", m_position + 1);
            if (end == std::string_view::npos)
                end = m_text.size();
            field.clear();
            for (std::size_t i = m_position + 1; i < end; ++i) {
                field += m_text[i];
                if (m_text[i] == '"' && i + 1 < end && m_text[i + 1] == '"')
                    ++i;
            }
            m_position = end;
            return;
        }
        field.append(m_text.substr(from, quote - from));
        if (quote + 1 < m_text.size() && m_text[quote + 1] == '"') {
            field += '"';
            from = quote + 2;
            continue;
        }
        m_position = quote + 1;
        return;
    }
}

void CsvTokenizer::readPlain(std::string &field)
{
    const std::size_t start = m_position;
    while (m_position < m_text.size() && m_text[m_position] != m_separator && !atLineEnd())
        ++m_position;
    field.append(m_text.substr(start, m_position - start));
}

bool CsvTokenizer::atLineEnd() const
{
    return m_text[m_position] == '\n' || m_text[m_position] == '\r';
}

void CsvTokenizer::skipLineEnd()
{
    if (m_text[m_position] == '\r' && m_position + 1 < m_text.size() && m_text[m_position + 1] == '\n')
        ++m_position;
    ++m_position;
}

} // namespace quillog
