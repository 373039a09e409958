// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiScanner.h"

#include "core/Text.h"

#include <algorithm>
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

// "EOR" or "EOH" in any letter case; checked on every tag, so without a call.
bool isMarkerNamed(std::string_view name, char last)
{
    return name.size() == 3 && toUpperAscii(name[0]) == 'E' && toUpperAscii(name[1]) == 'O'
        && toUpperAscii(name[2]) == last;
}

bool isEndOfRecord(std::string_view name)
{
    return isMarkerNamed(name, 'R');
}

bool isMarker(std::string_view name)
{
    return isMarkerNamed(name, 'R') || isMarkerNamed(name, 'H');
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

// The end of count UTF-8 characters from start, not beyond limit; npos when the text ends first. A
// character is a byte and at most three continuation bytes.
std::size_t skipCharacters(
    std::string_view text, std::size_t start, unsigned long long count, std::size_t limit)
{
    std::size_t pos = start;
    for (unsigned long long i = 0; i < count; ++i) {
        if (pos >= limit)
            return std::string_view::npos;
        const std::size_t last = std::min(limit, pos + 4);
        ++pos;
        while (pos < last && isContinuationByte(text[pos]))
            ++pos;
    }
    return pos;
}

// Just after the ">" that closes the tag starting at at; npos when another "<" or the end comes first.
std::size_t tagEnd(std::string_view text, std::size_t at)
{
    const std::size_t close = text.find_first_of("<>", at + 1);
    return close == std::string_view::npos || text[close] == '<' ? std::string_view::npos : close + 1;
}

} // namespace

std::size_t findAdiTag(std::string_view text, std::string_view name, std::size_t from)
{
    for (const char *p = findByte(text, from, '<'); p != nullptr; p = findByte(text, from, '<')) {
        const std::size_t at = static_cast<std::size_t>(p - text.data());
        const std::size_t close = at + 1 + name.size();
        if (close < text.size() && (text[close] == '>' || text[close] == ':')
            && equalsIgnoreCase(text.substr(at + 1, name.size()), name)
            && (text[close] == '>' || tagEnd(text, at) != std::string_view::npos))
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
    return record == std::string_view::npos ? tagEnd(text, header) : 0;
}

std::size_t adiRecordBoundaryAfter(std::string_view text, std::size_t from)
{
    const std::size_t tag = findAdiTag(text, "EOR", from);
    return tag == std::string_view::npos ? tag : tagEnd(text, tag);
}

std::size_t AdiScanner::nextEndOfRecord(std::size_t from)
{
    if (!m_endOfRecordKnown || m_endOfRecord < from) {
        m_endOfRecord = findAdiTag(m_text, "EOR", from);
        m_endOfRecordKnown = true;
    }
    return m_endOfRecord == std::string_view::npos ? m_text.size() : m_endOfRecord;
}

bool AdiScanner::endsCleanly(std::size_t pos) const
{
    while (pos < m_text.size() && isBlank(m_text[pos]))
        ++pos;
    return pos >= m_text.size() || m_text[pos] == '<';
}

std::string_view AdiScanner::takeValue(std::size_t start, unsigned long long length)
{
    const std::size_t size = m_text.size();
    if (length > size - start) {
        // A length that runs past the end of the text is wrong, unless this is the last value and the
        // file was cut short: then the value keeps what there is.
        const std::size_t endOfRecord = nextEndOfRecord(start);
        if (endOfRecord == size)
            ++m_truncated;
        return m_text.substr(start, endOfRecord - start);
    }
    const std::size_t byBytes = start + static_cast<std::size_t>(length);
    if (endsCleanly(byBytes))
        return m_text.substr(start, byBytes - start);
    // The end of the record is sought only now: a sound value needs no second look at its record.
    const std::size_t endOfRecord = nextEndOfRecord(start);
    // Some programs count a UTF-8 value's length in characters. A character reading that stops where a
    // value ends is what was meant. It is not sought past the record, which bounds the work to what
    // the value then consumes.
    const std::size_t byCharacters = skipCharacters(m_text, start, length, endOfRecord);
    if (byCharacters != std::string_view::npos && byCharacters != byBytes && endsCleanly(byCharacters)) {
        ++m_recoveries;
        return m_text.substr(start, byCharacters - start);
    }
    // A wrong length: the value does not run into the next record.
    return m_text.substr(start, std::min(byBytes, endOfRecord) - start);
}

AdiScanner::Token AdiScanner::endRecord()
{
    if (m_fieldsInRecord == 0)
        ++m_emptyRecords;
    m_fieldsInRecord = 0;
    return Token::EndOfRecord;
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
        if (m_text[pos] == '<') {
            m_pos = pos; // a "<" in free text
            continue;
        }
        if (m_text[pos] == '>') {
            m_pos = pos + 1;
            if (isEndOfRecord(name))
                return endRecord();
            continue;
        }
        // "<" NAME ":" LENGTH [":" TYPE] ">": the length after blanks or tabs, every digit of it (no
        // limit of four), saturating far beyond any file.
        std::size_t cursor = pos + 1;
        while (cursor < m_text.size() && (m_text[cursor] == ' ' || m_text[cursor] == '\t'))
            ++cursor;
        unsigned long long length = 0;
        for (; cursor < m_text.size() && isDigit(m_text[cursor]); ++cursor)
            length
                = length > (1ull << 60) ? length : length * 10 + static_cast<unsigned>(m_text[cursor] - '0');
        std::size_t close = cursor;
        while (close < m_text.size() && m_text[close] != '>' && m_text[close] != '<')
            ++close;
        if (close >= m_text.size() || m_text[close] == '<' || !isFieldName(name)) {
            // A tag without ">" or with a name no field can have: nothing of it can be trusted.
            ++m_skippedTags;
            m_pos = close < m_text.size() && m_text[close] == '>' ? close + 1 : close;
            continue;
        }
        // The markers keep their meaning when written with a length.
        if (isMarker(name)) {
            m_pos = close + 1;
            if (isEndOfRecord(name))
                return endRecord();
            continue;
        }
        const std::string_view rest = m_text.substr(cursor, close - cursor);
        const std::size_t typeColon = rest.find(':');
        field.name = name;
        field.type
            = typeColon == std::string_view::npos ? std::string_view {} : trimmed(rest.substr(typeColon + 1));
        field.value = takeValue(close + 1, length);
        m_pos = close + 1 + field.value.size();
        ++m_fieldsInRecord;
        return Token::Field;
    }
    m_pos = m_text.size();
    return Token::End;
}

} // namespace quillog
