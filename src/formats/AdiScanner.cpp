// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiScanner.h"

#include "core/Text.h"

#include <cstring>

namespace quillog
{

namespace
{

const char *findByte(std::string_view text, std::size_t from, char byte)
{
    if (from >= text.size())
        return nullptr;
    return static_cast<const char *>(std::memchr(text.data() + from, byte, text.size() - from));
}

// A field name holds no blank or control character; anything else after a "<" is plain text.
bool isFieldName(std::string_view name)
{
    if (name.empty())
        return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) <= ' ')
            return false;
    }
    return true;
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

bool endsValue(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return true;
    const char c = text[pos];
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '<';
}

// The end of count UTF-8 characters from start, not beyond limit.
std::size_t skipCharacters(
    std::string_view text, std::size_t start, unsigned long long count, std::size_t limit)
{
    std::size_t pos = start;
    for (unsigned long long i = 0; i < count && pos < limit; ++i) {
        ++pos;
        while (pos < limit && isContinuationByte(text[pos]))
            ++pos;
    }
    return pos;
}

} // namespace

std::size_t findAdiTag(std::string_view text, std::string_view name, std::size_t from)
{
    for (const char *p = findByte(text, from, '<'); p != nullptr; p = findByte(text, from, '<')) {
        const std::size_t at = static_cast<std::size_t>(p - text.data());
        const std::size_t close = at + 1 + name.size();
        if (close < text.size() && text[close] == '>'
            && equalsIgnoreCase(text.substr(at + 1, name.size()), name))
            return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

std::size_t adiRecordsStart(std::string_view text)
{
    const std::size_t header = findAdiTag(text, "EOH");
    if (header == std::string_view::npos)
        return 0;
    const std::size_t record = findAdiTag(text.substr(0, header), "EOR");
    return record == std::string_view::npos ? header + 5 : 0;
}

std::size_t AdiScanner::nextEndOfRecord(std::size_t from)
{
    if (!m_endOfRecordKnown || m_endOfRecord < from) {
        m_endOfRecord = findAdiTag(m_text, "EOR", from);
        m_endOfRecordKnown = true;
    }
    return m_endOfRecord == std::string_view::npos ? m_text.size() : m_endOfRecord;
}

std::string_view AdiScanner::takeValue(std::size_t start, unsigned long long length)
{
    const std::size_t limit = nextEndOfRecord(start);
    const std::size_t available = limit - start;
    const std::size_t bytes = length < available ? static_cast<std::size_t>(length) : available;
    std::size_t end = start + bytes;
    // Some programs count a UTF-8 value's length in characters. When the byte count stops inside a
    // character and the character count stops cleanly before a separator, the characters were meant.
    if (bytes == length && end < limit && isContinuationByte(m_text[end])) {
        const std::size_t byCharacters = skipCharacters(m_text, start, length, limit);
        if (endsValue(m_text, byCharacters)) {
            end = byCharacters;
            ++m_recoveries;
        }
    }
    return m_text.substr(start, end - start);
}

AdiScanner::Token AdiScanner::next(AdiField &field)
{
    while (const char *open = findByte(m_text, m_pos, '<')) {
        const std::size_t tag = static_cast<std::size_t>(open - m_text.data());
        std::size_t pos = tag + 1;
        while (pos < m_text.size() && m_text[pos] != ':' && m_text[pos] != '>' && m_text[pos] != '<')
            ++pos;
        if (pos >= m_text.size())
            break;
        const std::string_view name = m_text.substr(tag + 1, pos - tag - 1);
        if (m_text[pos] == '<' || !isFieldName(name)) {
            m_pos = m_text[pos] == '<' ? pos : tag + 1;
            continue;
        }
        if (m_text[pos] == '>') {
            m_pos = pos + 1;
            if (equalsIgnoreCase(name, "EOR"))
                return Token::EndOfRecord;
            continue;
        }
        // The length: blanks, then every digit (no limit of four), saturating far beyond any file.
        std::size_t cursor = pos + 1;
        while (cursor < m_text.size() && m_text[cursor] == ' ')
            ++cursor;
        unsigned long long length = 0;
        for (; cursor < m_text.size() && isDigit(m_text[cursor]); ++cursor)
            length
                = length > (1ull << 60) ? length : length * 10 + static_cast<unsigned>(m_text[cursor] - '0');
        std::size_t close = cursor;
        while (close < m_text.size() && m_text[close] != '>' && m_text[close] != '<')
            ++close;
        if (close >= m_text.size() || m_text[close] == '<') {
            m_pos = close; // a tag without ">" names no field
            continue;
        }
        const std::string_view rest = m_text.substr(cursor, close - cursor);
        const std::size_t typeColon = rest.find(':');
        field.name = name;
        field.type
            = typeColon == std::string_view::npos ? std::string_view {} : trimmed(rest.substr(typeColon + 1));
        field.value = takeValue(close + 1, length);
        m_pos = close + 1 + field.value.size();
        return Token::Field;
    }
    m_pos = m_text.size();
    return Token::End;
}

} // namespace quillog
