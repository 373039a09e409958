// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/ValueLists.h"

#include "core/Text.h"
#include "definitions/DataFile.h"
#include "definitions/TemplateResource.h"

namespace quillog
{

std::vector<std::string> &ValueLists::list(ValueListKind kind)
{
    switch (kind) {
    case ValueListKind::Bands:
        return bands;
    case ValueListKind::Modes:
        return modes;
    case ValueListKind::Submodes:
        break;
    }
    return submodes;
}

const std::vector<std::string> &ValueLists::list(ValueListKind kind) const
{
    return const_cast<ValueLists *>(this)->list(kind);
}

int defaultListSection(ValueListKind kind)
{
    switch (kind) {
    case ValueListKind::Bands:
        return BandsSection;
    case ValueListKind::Modes:
        return ModesSection;
    case ValueListKind::Submodes:
        break;
    }
    return SubmodesSection;
}

std::string_view listFileName(ValueListKind kind)
{
    switch (kind) {
    case ValueListKind::Bands:
        return "bands.lc";
    case ValueListKind::Modes:
        return "modes.lc";
    case ValueListKind::Submodes:
        break;
    }
    return "submodes.lc";
}

std::string listFilePath(const std::string &dataFolder, ValueListKind kind)
{
    return pathInFolder(dataFolder, listFileName(kind));
}

std::string_view submodeName(std::string_view entry)
{
    return entry.substr(0, entry.find('='));
}

std::string_view parentMode(std::string_view entry)
{
    const std::size_t equals = entry.find('=');
    return equals == std::string_view::npos ? std::string_view {} : entry.substr(equals + 1);
}

std::vector<std::string> parseListFile(std::string_view text)
{
    std::vector<std::string> entries;
    while (!text.empty()) {
        // Any line end will do: CR LF, LF, or the CR of old Mac files (empty lines are skipped anyway).
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view entry = trimmed(text.substr(0, end));
        if (!entry.empty())
            entries.emplace_back(entry);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return entries;
}

std::string listFileText(const std::vector<std::string> &entries)
{
    std::string text;
    for (const std::string &entry : entries) {
        if (!entry.empty())
            text.append(entry).append("\r\n");
    }
    return text;
}

std::optional<std::vector<std::string>> readListFile(const std::string &path)
{
    const auto text = readDataFile(path);
    if (!text)
        return std::nullopt;
    return parseListFile(*text);
}

bool writeListFile(const std::string &path, const std::vector<std::string> &entries)
{
    return writeDataFile(path, listFileText(entries));
}

std::vector<std::string> readDefaultList(ValueListKind kind, const std::string &templatePath)
{
    const SectionText section = readTemplateSection(templatePath, defaultListSection(kind));
    return parseResourceLines(section.text);
}

std::vector<std::string> readOneList(
    ValueListKind kind, const std::string &templatePath, const std::string &dataFolder)
{
    if (auto entries = readListFile(listFilePath(dataFolder, kind)))
        return std::move(*entries);
    return readDefaultList(kind, templatePath);
}

void applyOperatorLists(ValueLists &lists, const std::string &dataFolder)
{
    for (const ValueListKind kind : { ValueListKind::Bands, ValueListKind::Modes, ValueListKind::Submodes }) {
        if (auto entries = readListFile(listFilePath(dataFolder, kind)))
            lists.list(kind) = std::move(*entries);
    }
}

} // namespace quillog
