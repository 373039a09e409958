// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxScanner.h"

#include "core/Text.h"
#include "formats/AdxText.h"

#include <array>
#include <cstring>

namespace quillog
{

namespace
{

constexpr std::string_view cdataOpen = "<![CDATA[";
constexpr std::string_view commentOpen = "<!--";

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

// Past the end of the text from `open` up to and including `close`; the text's end when it never comes.
std::size_t skipPast(std::string_view text, std::size_t open, std::string_view opener, std::string_view close)
{
    const std::size_t end = text.find(close, open + opener.size());
    return end == std::string_view::npos ? text.size() : end + close.size();
}

// Past the comment or CDATA section that starts at `at`; npos when none starts there. Most tags are
// neither, which their second character tells.
inline std::size_t pastCommentOrCdata(std::string_view text, std::size_t at)
{
    if (at + 1 >= text.size() || text[at + 1] != '!') [[likely]]
        return std::string_view::npos;
    if (startsWith(text, at, commentOpen))
        return skipPast(text, at, commentOpen, "-->");
    if (startsWith(text, at, cdataOpen))
        return skipPast(text, at, cdataOpen, "]]>");
    return std::string_view::npos;
}

// The bytes that matter inside a tag: its end, quotes, and a "<" that shows it was none.
constexpr std::array<bool, 256> tagBytes = [] {
    std::array<bool, 256> bytes {};
    for (const char c : { '<', '>', '"', '\'' })
        bytes[static_cast<unsigned char>(c)] = true;
    return bytes;
}();

// The ">" that ends the tag opened at `at`, outside quotes; a "<" or the end of the text first means the
// "<" began no tag, and that position is returned.
std::size_t tagClose(std::string_view text, std::size_t at)
{
    std::size_t pos = at + 1;
    char quote = 0;
    for (;; ++pos) {
        while (pos < text.size() && !tagBytes[static_cast<unsigned char>(text[pos])])
            ++pos;
        if (pos >= text.size() || text[pos] == '<')
            return pos;
        const char c = text[pos];
        if (quote != 0)
            quote = c == quote ? 0 : quote;
        else if (c == '>')
            return pos;
        else if (c == '"' || c == '\'')
            quote = c;
    }
}

// The bytes that end an element's name: blanks and "/".
constexpr std::array<bool, 256> nameEndBytes = [] {
    std::array<bool, 256> bytes {};
    for (int c = 0; c < 256; ++c)
        bytes[static_cast<std::size_t>(c)] = isBlank(static_cast<char>(c)) || c == '/';
    return bytes;
}();

// The element name at the start of a tag's text: up to a blank or "/".
std::string_view elementName(std::string_view tag)
{
    std::size_t end = 0;
    while (end < tag.size() && !nameEndBytes[static_cast<unsigned char>(tag[end])])
        ++end;
    return tag.substr(0, end);
}

// Position of the next tag "<name" or "</name" (letter case ignored) at or after from; npos when none.
std::size_t findTag(std::string_view text, std::string_view name, bool closing, std::size_t from)
{
    const std::size_t nameAt = closing ? 2 : 1;
    for (std::size_t at = text.find('<', from); at != std::string_view::npos; at = text.find('<', at + 1)) {
        if (closing && (at + 1 >= text.size() || text[at + 1] != '/'))
            continue;
        const std::size_t after = at + nameAt + name.size();
        if (after < text.size() && equalsIgnoreCase(text.substr(at + nameAt, name.size()), name)
            && (text[after] == '>' || text[after] == '/' || isBlank(text[after])))
            return at;
    }
    return std::string_view::npos;
}

// Past the ">" of the tag that starts at `at`.
std::size_t pastTag(std::string_view text, std::size_t at)
{
    const std::size_t close = text.find('>', at);
    return close == std::string_view::npos ? text.size() : close + 1;
}

std::string decodedUpper(std::string_view raw)
{
    return toUpper(trimmed(needsXmlDecoding(raw) ? decodeXmlText(raw) : std::string(raw)));
}

} // namespace

std::size_t adxRecordBoundaryAfter(std::string_view text, std::size_t from)
{
    const std::size_t tag = findTag(text, "RECORD", true, from);
    return tag == std::string_view::npos ? tag : pastTag(text, tag);
}

AdxScanner::AdxScanner(std::string_view text, std::size_t start)
    : m_text(text)
{
    if (start > 0) {
        m_pos = start;
        m_inRecords = true;
        return;
    }
    if (findTag(text, "RECORDS", false, 0) != std::string_view::npos)
        return; // next() enters the first records section
    // No records section: the records follow the header, or stand alone.
    m_inRecords = true;
    const std::size_t header = findTag(text, "HEADER", true, 0);
    m_pos = header == std::string_view::npos ? 0 : pastTag(text, header);
}

bool AdxScanner::enterRecords()
{
    const std::size_t records = findTag(m_text, "RECORDS", false, m_pos);
    if (records == std::string_view::npos)
        return false;
    m_pos = pastTag(m_text, records);
    m_inRecords = true;
    return true;
}

AdxScanner::Token AdxScanner::next(AdxField &field)
{
    for (;;) {
        if (!m_inRecords && !enterRecords())
            break;
        const std::size_t at = m_text.find('<', m_pos);
        if (at == std::string_view::npos)
            break;
        if (const std::size_t past = pastCommentOrCdata(m_text, at); past != std::string_view::npos) {
            m_pos = past;
            continue;
        }
        const std::size_t pos = tagClose(m_text, at);
        if (pos >= m_text.size() || m_text[pos] == '<') {
            m_pos = pos;
            continue;
        }
        m_pos = pos + 1;
        const Token token = handleTag(m_text.substr(at + 1, pos - at - 1), field, pos + 1);
        if (token != Token::End)
            return token;
    }
    m_pos = m_text.size();
    return Token::End;
}

// Returns End for a tag that is neither a field nor the end of a record.
AdxScanner::Token AdxScanner::handleTag(std::string_view tag, AdxField &field, std::size_t valueStart)
{
    if (tag.empty() || tag[0] == '?' || tag[0] == '!')
        return Token::End;
    if (tag[0] == '/') {
        // Most closing tags end a field, which their first letter mostly tells.
        if (tag.size() > 1 && toUpperAscii(tag[1]) != 'R' && !isBlank(tag[1]))
            return Token::End;
        const std::string_view name = trimmed(tag.substr(1));
        if (equalsIgnoreCase(name, "RECORDS"))
            m_inRecords = false;
        else if (!equalsIgnoreCase(name, "RECORD"))
            return Token::End;
        m_recordOpen = false;
        return Token::EndOfRecord;
    }
    const std::string_view name = elementName(tag);
    const bool emptyElement = tag.back() == '/';
    if (equalsIgnoreCase(name, "RECORD")) {
        if (emptyElement)
            return Token::End;
        // A record opened while the previous one is still open ends that one.
        const bool ends = m_recordOpen;
        m_recordOpen = true;
        return ends ? Token::EndOfRecord : Token::End;
    }
    // An empty element carries no value and adds no column.
    if (name.empty() || emptyElement || equalsIgnoreCase(name, "RECORDS") || equalsIgnoreCase(name, "ADX")
        || equalsIgnoreCase(name, "HEADER"))
        return Token::End;

    bool named = false;
    field = AdxField {};
    field.element = name;
    // Only a tag with more than its name has attributes.
    if (name.size() < tag.size())
        field.fieldName = xmlAttribute(tag, "FIELDNAME", &named);
    if (named && equalsIgnoreCase(name, "USERDEF")) {
        field.kind = AdxField::Kind::UserDefined;
    } else if (named && equalsIgnoreCase(name, "APP")) {
        field.kind = AdxField::Kind::Application;
        field.programId = xmlAttribute(tag, "PROGRAMID");
    }
    const std::size_t end = valueEnd(valueStart);
    field.value = m_text.substr(valueStart, end - valueStart);
    m_pos = end;
    return Token::Field;
}

// A value runs to the next tag; CDATA sections and comments belong to it.
std::size_t AdxScanner::valueEnd(std::size_t from) const
{
    for (std::size_t at = m_text.find('<', from); at != std::string_view::npos; at = m_text.find('<', from)) {
        const std::size_t past = pastCommentOrCdata(m_text, at);
        if (past == std::string_view::npos)
            return at;
        from = past;
    }
    return m_text.size();
}

std::string adxFieldName(const AdxField &field)
{
    switch (field.kind) {
    case AdxField::Kind::UserDefined:
        return decodedUpper(field.fieldName);
    case AdxField::Kind::Application: {
        const std::string fieldName = decodedUpper(field.fieldName);
        return fieldName.empty() ? std::string() : "APP_" + decodedUpper(field.programId) + "_" + fieldName;
    }
    case AdxField::Kind::Element:
        break;
    }
    return toUpper(field.element);
}

std::string_view xmlAttribute(std::string_view tag, std::string_view name, bool *found)
{
    std::size_t pos = elementName(tag).size();
    while (pos < tag.size()) {
        while (pos < tag.size() && (isBlank(tag[pos]) || tag[pos] == '/'))
            ++pos;
        const std::size_t nameStart = pos;
        while (pos < tag.size() && !isBlank(tag[pos]) && tag[pos] != '=')
            ++pos;
        const std::string_view attribute = tag.substr(nameStart, pos - nameStart);
        while (pos < tag.size() && isBlank(tag[pos]))
            ++pos;
        std::string_view value;
        if (pos < tag.size() && tag[pos] == '=') {
            ++pos;
            while (pos < tag.size() && isBlank(tag[pos]))
                ++pos;
            const char quote = pos < tag.size() && (tag[pos] == '"' || tag[pos] == '\'') ? tag[pos] : 0;
            const std::size_t valueStart = quote != 0 ? pos + 1 : pos;
            std::size_t valueStop = valueStart;
            while (
                valueStop < tag.size() && (quote != 0 ? tag[valueStop] != quote : !isBlank(tag[valueStop])))
                ++valueStop;
            value = tag.substr(valueStart, valueStop - valueStart);
            pos = quote != 0 && valueStop < tag.size() ? valueStop + 1 : valueStop;
        }
        if (!attribute.empty() && equalsIgnoreCase(attribute, name)) {
            if (found != nullptr)
                *found = true;
            return value;
        }
    }
    if (found != nullptr)
        *found = false;
    return {};
}

} // namespace quillog
