// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxText.h"

#include "core/Text.h"

#include <cstdint>

namespace quillog
{

namespace
{

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones keep their C1 code points.
constexpr char32_t windows1252High[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D,
    0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

unsigned char byteAt(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// The length of the well-formed UTF-8 sequence at i, 0 when there is none.
std::size_t sequenceLength(std::string_view text, std::size_t i)
{
    const unsigned char lead = byteAt(text, i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byteAt(text, i + 1) < low || byteAt(text, i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byteAt(text, i + k) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

// Characters outside XML's character range cannot be written even as references.
bool isXmlCharacter(std::string_view text, std::size_t i, std::size_t length)
{
    const unsigned char lead = byteAt(text, i);
    if (length == 1)
        return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r';
    // U+FFFE and U+FFFF
    return !(length == 3 && lead == 0xEF && byteAt(text, i + 1) == 0xBF && byteAt(text, i + 2) >= 0xBE);
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

bool isAllowedReference(std::uint32_t code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code < 0xD800)
        || (code >= 0xE000 && code <= 0x10FFFF && code != 0xFFFE && code != 0xFFFF);
}

// The code point of the numeric reference "#..." in body (the text between "&" and ";"); 0 when none.
std::uint32_t numericReference(std::string_view body)
{
    if (body.size() < 2 || body[0] != '#')
        return 0;
    const bool hex = body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return 0;
    std::uint32_t code = 0;
    for (const char c : digits) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return 0;
        code = code * (hex ? 16u : 10u) + digit;
    }
    return isAllowedReference(code) ? code : 0;
}

// Decodes the reference starting with the "&" at i; returns the bytes consumed, 0 when it is none.
std::size_t appendReference(std::string &out, std::string_view raw, std::size_t i)
{
    constexpr std::size_t longest = 12; // "&#x0010FFFF;"
    const std::size_t semicolon = raw.substr(i, longest).find(';');
    if (semicolon == std::string_view::npos)
        return 0;
    const std::string_view body = raw.substr(i + 1, semicolon - 1);
    static constexpr std::pair<std::string_view, char> named[]
        = { { "amp", '&' }, { "lt", '<' }, { "gt", '>' }, { "quot", '"' }, { "apos", '\'' } };
    for (const auto &[name, character] : named) {
        if (body == name) {
            out += character;
            return semicolon + 1;
        }
    }
    const std::uint32_t code = numericReference(body);
    if (code == 0)
        return 0;
    appendUtf8(out, code);
    return semicolon + 1;
}

// Appends character data up to end, decoding references.
void appendDecodedText(std::string &out, std::string_view raw)
{
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '&') {
            if (const std::size_t used = appendReference(out, raw, i); used > 0) {
                i += used - 1;
                continue;
            }
        }
        out += c;
        if (c == '\r' && (i + 1 >= raw.size() || raw[i + 1] != '\n'))
            out += '\n';
    }
}

} // namespace

bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string utf8FromCell(std::string_view text)
{
    if (isValidUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else if (byte < 0xA0)
            appendUtf8(out, windows1252High[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

std::size_t unwritableXmlCharacters(std::string_view text)
{
    std::string converted;
    if (!isValidUtf8(text)) {
        converted = utf8FromCell(text);
        text = converted;
    }
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        count += isXmlCharacter(text, i, length) ? 0u : 1u;
        i += length;
    }
    return count;
}

void appendXmlText(std::string &out, std::string_view text, bool attribute)
{
    std::string converted;
    if (!isValidUtf8(text)) {
        converted = utf8FromCell(text);
        text = converted;
    }
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (!isXmlCharacter(text, i, length)) {
            i += length;
            continue;
        }
        switch (text[i]) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        case '\t':
            out += attribute ? "&#9;" : "\t";
            break;
        case '\n':
            out += attribute ? "&#10;" : "\n";
            break;
        default:
            out += text.substr(i, length);
        }
        i += length;
    }
}

bool needsXmlDecoding(std::string_view raw)
{
    // Byte by byte: find_first_of would search the three bytes once for every byte of the value.
    for (const char c : raw) {
        if (c == '&' || c == '<' || c == '\r')
            return true;
    }
    return false;
}

std::string decodeXmlText(std::string_view raw)
{
    static constexpr std::string_view cdataOpen = "<![CDATA[", commentOpen = "<!--";
    std::string out;
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        const std::size_t markup = raw.find('<', i);
        appendDecodedText(out, raw.substr(i, markup == std::string_view::npos ? raw.npos : markup - i));
        if (markup == std::string_view::npos)
            break;
        if (startsWith(raw, markup, cdataOpen)) {
            const std::size_t start = markup + cdataOpen.size();
            const std::size_t end = raw.find("]]>", start);
            out += raw.substr(start, end == std::string_view::npos ? raw.npos : end - start);
            i = end == std::string_view::npos ? raw.size() : end + 3;
        } else if (startsWith(raw, markup, commentOpen)) {
            const std::size_t end = raw.find("-->", markup + commentOpen.size());
            i = end == std::string_view::npos ? raw.size() : end + 3;
        } else {
            out += '<'; // a stray "<" the scanner let through as text
            i = markup + 1;
        }
    }
    return out;
}

} // namespace quillog
