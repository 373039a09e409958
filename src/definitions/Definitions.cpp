// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/Definitions.h"

#include "core/Text.h"
#include "definitions/DataFile.h"
#include "definitions/TemplateResource.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace quillog
{

namespace
{

std::vector<std::string> sectionLines(const TemplateResource &resource, int id)
{
    const auto text = resource.section(id);
    return text ? parseResourceLines(*text) : std::vector<std::string> {};
}

void readResource(const TemplateResource &resource, Definitions &definitions)
{
    definitions.bands = sectionLines(resource, BandsSection);
    definitions.modes = sectionLines(resource, ModesSection);
    definitions.submodes = sectionLines(resource, SubmodesSection);
    if (const auto types = resource.section(TypeMapSection))
        parseTypeMap(*types, definitions.typeMap);
    // The templates are built once; loading again must neither duplicate them nor undo the
    // library's replacement of the built-in generic one.
    if (definitions.contests.empty()) {
        definitions.contests.push_back(genericContestTemplate());
        if (const auto contests = resource.section(ContestTemplatesSection))
            parseContestTemplates(*contests, definitions.contests);
    }
    if (const auto version = resource.section(AdifVersionSection))
        definitions.adifVersion = parseAdifVersion(*version);
    for (std::string &name : sectionLines(resource, FieldNamesSection))
        definitions.fieldNames.push_back(toUpper(name));
}

bool isFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

DefinitionsLoad loadDefinitions(const std::string &templatePath, const std::string &dataFolder)
{
    return loadDefinitions(templatePath, dataFolder, Definitions {});
}

DefinitionsLoad loadDefinitions(
    const std::string &templatePath, const std::string &dataFolder, Definitions previous)
{
    DefinitionsLoad load;
    load.definitions = std::move(previous);
    Definitions &definitions = load.definitions;
    definitions.bands.clear();
    definitions.modes.clear();
    definitions.submodes.clear();
    definitions.typeMap.clear();
    definitions.fieldNames.clear();
    const TemplateResource resource = TemplateResource::load(templatePath);
    load.ok = resource.isLoaded();
    if (load.ok)
        readResource(resource, definitions);
    else
        load.message = kTemplatesMissingMessage;
    applyOperatorLists(definitions, dataFolder);
    return load;
}

std::string findTemplateResource(const std::string &programFolder, const std::string &dataFolder)
{
    if (const std::string own = pathInFolder(dataFolder, kTemplateFileName);
        !dataFolder.empty() && isFile(own))
        return own;
    const std::string beside = pathInFolder(programFolder, kTemplateFileName);
    if (isFile(beside))
        return beside;
    const std::string shared
        = pathInFolder(pathInFolder(programFolder, "../share/quillog"), kTemplateFileName);
    return isFile(shared) ? shared : beside;
}

void parseTypeMap(std::string_view text, std::map<std::string, char, std::less<>> &typeMap)
{
    for (const std::string &line : parseResourceLines(text)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = toUpper(trimmed(std::string_view(line).substr(0, equals)));
        const std::string_view letter = trimmed(std::string_view(line).substr(equals + 1));
        if (name.empty() || letter.empty())
            continue;
        typeMap.insert_or_assign(name, letter.front());
    }
}

std::vector<std::string> taggableFieldNames(const std::vector<std::string> &fieldNames)
{
    static constexpr std::array<std::string_view, 6> left
        = { "EOH", "EOR", "ADIF_VER", "PROGRAMID", "PROGRAMVERSION", "APP_TALLYSCOPE_QTC" };
    std::vector<std::string> names;
    for (const std::string &name : fieldNames) {
        const bool leftOut
            = std::ranges::any_of(left, [&](std::string_view l) { return equalsIgnoreCase(name, l); });
        if (!leftOut)
            names.push_back(name);
    }
    return names;
}

} // namespace quillog
