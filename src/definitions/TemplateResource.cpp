// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/TemplateResource.h"

#include "core/Text.h"
#include "definitions/DataFile.h"

#include <charconv>

namespace quillog
{

namespace
{

constexpr std::string_view magicLine = "QUILLOG-TEMPLATES 1\n";
constexpr std::string_view sectionWord = "SECTION ";
constexpr std::string_view endLine = "END";

// Takes a decimal number of at most maxDigits digits from the front of text.
std::optional<std::size_t> takeNumber(std::string_view &text, std::size_t maxDigits)
{
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits]))
        ++digits;
    if (digits == 0 || digits > maxDigits)
        return std::nullopt;
    std::size_t value = 0;
    std::from_chars(text.data(), text.data() + digits, value);
    text.remove_prefix(digits);
    return value;
}

// Reads one "SECTION <id> <length>" line; false when the line is anything else.
bool parseSectionLine(std::string_view line, int &id, std::size_t &length)
{
    if (!line.starts_with(sectionWord))
        return false;
    line.remove_prefix(sectionWord.size());
    const auto number = takeNumber(line, 6);
    if (!number || line.empty() || line.front() != ' ')
        return false;
    line.remove_prefix(1);
    const auto size = takeNumber(line, 9);
    if (!size || !line.empty())
        return false;
    id = static_cast<int>(*number);
    length = *size;
    return true;
}

} // namespace

TemplateResource TemplateResource::load(const std::string &path)
{
    const auto bytes = readDataFile(path);
    return bytes ? fromBytes(*bytes) : TemplateResource {};
}

TemplateResource TemplateResource::fromBytes(std::string_view bytes)
{
    TemplateResource resource;
    if (!bytes.starts_with(magicLine))
        return resource;
    bytes.remove_prefix(magicLine.size());
    while (true) {
        const std::size_t lineEnd = bytes.find('\n');
        if (lineEnd == std::string_view::npos)
            return TemplateResource {};
        const std::string_view line = bytes.substr(0, lineEnd);
        bytes.remove_prefix(lineEnd + 1);
        if (line == endLine)
            break;
        int id = 0;
        std::size_t length = 0;
        // The length is checked against what is left before anything is copied.
        if (!parseSectionLine(line, id, length) || length >= bytes.size() || bytes[length] != '\n')
            return TemplateResource {};
        const std::string_view body = bytes.substr(0, length);
        resource.m_sections.emplace_back(id, std::string(body.substr(0, body.find('\0'))));
        bytes.remove_prefix(length + 1);
    }
    resource.m_loaded = true;
    return resource;
}

std::optional<std::string> TemplateResource::section(int id) const
{
    for (const auto &[sectionId, text] : m_sections) {
        if (sectionId == id)
            return text;
    }
    return std::nullopt;
}

SectionText readTemplateSection(const std::string &path, int id)
{
    const TemplateResource resource = TemplateResource::load(path);
    if (!resource.isLoaded())
        return { SectionStatus::FileMissing, {} };
    auto text = resource.section(id);
    if (!text)
        return { SectionStatus::SectionMissing, {} };
    return { SectionStatus::Found, std::move(*text) };
}

std::vector<std::string> parseResourceLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.emplace_back(trimmed(text));
            break;
        }
        lines.emplace_back(trimmed(text.substr(0, end)));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

std::string parseAdifVersion(std::string_view text)
{
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    const std::size_t colon = firstLine.find(':');
    return std::string(colon == std::string_view::npos ? firstLine : firstLine.substr(colon + 1));
}

} // namespace quillog
