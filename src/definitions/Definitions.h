// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ContestTemplates.h"
#include "definitions/ValueLists.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// The file name of the template resource.
inline constexpr std::string_view kTemplateFileName = "Templates.dat";
/// The error shown when the template resource cannot be loaded.
inline constexpr std::string_view kTemplatesMissingMessage
    = "The Templates.dat library is not loaded.\nReinstalling the application may fix this problem.";

/// What the program checks and writes against: the value lists in use (defaults or the operator's files),
/// the field type letters, the contest templates, the ADIF version and the field names.
struct Definitions : ValueLists {
    std::map<std::string, char, std::less<>> typeMap; ///< upper-case field name -> type letter
    std::vector<ContestTemplate> contests;
    std::string adifVersion = "3.1.6";
    std::vector<std::string> fieldNames; ///< trimmed and upper-cased
};

struct DefinitionsLoad {
    Definitions definitions;
    bool ok = false; ///< false when the template resource could not be loaded
    std::string message; ///< the error to show when !ok
};

/// Loads the template resource and the operator's list files from dataFolder.
DefinitionsLoad loadDefinitions(const std::string &templatePath, const std::string &dataFolder);
/// Loads again over earlier definitions, as before each save or check: the lists, type map and field names
/// are read anew; the contest templates are built only while there are none yet, and the ADIF version
/// stays as it was when the resource cannot be loaded.
DefinitionsLoad loadDefinitions(
    const std::string &templatePath, const std::string &dataFolder, Definitions previous);

/// Where the template resource is: the operator's own copy in dataFolder (written by
/// quillog-update-templates from a newer ADIF release) when there is one, else beside the executable,
/// else ../share/quillog/ from it. When none exists, the path beside the executable (whose load then
/// reports the missing file).
std::string findTemplateResource(const std::string &programFolder, const std::string &dataFolder);

/// Adds the type map lines ("FIELD=letter") of the resource to the map; a later line for a name replaces
/// an earlier one, lines without "=" or without a letter are skipped.
void parseTypeMap(std::string_view text, std::map<std::string, char, std::less<>> &typeMap);

/// The field names the "All Tags" chooser offers: all but the header fields and the record end tags.
std::vector<std::string> taggableFieldNames(const std::vector<std::string> &fieldNames);

} // namespace quillog
